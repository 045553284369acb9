// A drop-down list paints its closed face from a picture drawn once per look: the
// pixels must be those Qt's own combo box paints in the same state, and a picture
// must never outlive the look it was drawn for. Run at 100 % and at 200 % (the build
// registers it twice, the second time with QT_SCALE_FACTOR=2).
#include "platform/ComboBox.h"
#include "platform/Form.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(ComboFace, PaintsWhatQtPaintsInEveryState) {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
    // A program's list and Qt's, side by side in one window, with the same items, away
    // from the window's corner, where the pointer rests. The window's colour must show
    // around both faces, though ours paints it itself.
    platform::Form window("frmTest");
    window.SetBackColor(0x80C0FF);
    platform::ComboBox ours(&window, "Combo1");
    QComboBox theirs(&window);
    QComboBox *const both[] = {&ours, &theirs};
    for (QComboBox *combo : both) {
        combo->addItems({"1 Tishri", "12", "Wednesday, a long name cut at the arrow"});
        combo->resize(145, 21);
    }
    ours.move(20, 20);
    theirs.move(20, 50);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const struct {
        const char *step;
        std::function<void(QComboBox &)> change;
    } steps[] = {
        {"nothing selected", [](QComboBox &c) { c.setCurrentIndex(-1); }},
        {"a short text", [](QComboBox &c) { c.setCurrentIndex(1); }},
        {"another text", [](QComboBox &c) { c.setCurrentIndex(0); }},
        {"a text cut short", [](QComboBox &c) { c.setCurrentIndex(2); }},
        {"disabled", [](QComboBox &c) { c.setEnabled(false); }},
        {"enabled again", [](QComboBox &c) { c.setEnabled(true); }},
        {"coloured",
         [](QComboBox &c) {
             QPalette colours = c.palette();
             colours.setColor(QPalette::Button, QColor(0xC0, 0xFF, 0xFF));
             colours.setColor(QPalette::Window, Qt::darkGreen);
             colours.setColor(QPalette::ButtonText, Qt::darkRed);
             c.setPalette(colours);
         }},
        {"bold",
         [](QComboBox &c) {
             QFont bold = c.font();
             bold.setBold(true);
             c.setFont(bold);
         }},
        {"wider", [](QComboBox &c) { c.resize(200, 21); }},
        {"another style", [&](QComboBox &c) { c.setStyle(windows.get()); }},
    };
    for (const auto &s : steps) {
        for (QComboBox *combo : both)
            s.change(*combo);
        const QImage face = window.grab(ours.geometry()).toImage();
        EXPECT_EQ(face.devicePixelRatio(), qApp->devicePixelRatio()) << s.step;
        EXPECT_TRUE(face == window.grab(theirs.geometry()).toImage()) << s.step;
    }
}

} // namespace
