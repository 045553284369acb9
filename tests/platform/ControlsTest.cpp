// What the windows build on besides the grid: a refresh inside a handler, the
// hourglass, twips, packed colours and the classic key codes.
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Screen.h"
#include "platform/Units.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Refresh runs inside event handlers: handling queued events there would run other
// handlers in the middle of this one.
TEST(Form, RefreshPaintsAndHandlesNoQueuedEvent) {
    platform::Form window("frmTest");
    platform::CommandButton button(&window, "cmdOK");
    int clicks = 0;
    QObject::connect(&button, &platform::CommandButton::Click, [&] { ++clicks; });
    window.Show();
    QCoreApplication::processEvents();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(&button,
                                    new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, " "));
    window.Refresh();
    EXPECT_EQ(clicks, 0);
    QCoreApplication::removePostedEvents(&button);
}

TEST(Screen, HourglassIsOnePointerNotAStack) {
    const struct {
        int set, reads;
        bool waiting;
    } steps[] = {{11, 11, true}, {11, 11, true}, {0, 0, false},
                 {0, 0, false},  {11, 11, true}, {99, 0, false}};
    for (const auto &s : steps) {
        platform::SetMousePointer(s.set);
        EXPECT_EQ(platform::MousePointer(), s.reads) << s.set;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        EXPECT_EQ(cursor && cursor->shape() == Qt::WaitCursor, s.waiting) << s.set;
    }
}

TEST(Units, TwipsRoundToTheNearestPixelAndColoursKeepRedInTheLowByte) {
    const std::pair<double, int> twips[] = {{7, 0},    {8, 1},     {22.5, 2},
                                            {37.5, 2}, {1440, 96}, {-22.5, -2}};
    for (const auto &[t, pixels] : twips)
        EXPECT_EQ(platform::TwipsToPixels(t), pixels) << t;
    EXPECT_EQ(platform::TwipsToPixels(platform::PixelsToTwips(-7)), -7);
    EXPECT_EQ(platform::ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(platform::ToQColor(0xFFFFC0), QColor(0xC0, 0xFF, 0xFF));
}

// The codes the windows act on: Enter in the Julian Day field, Esc in the moon window.
TEST(Input, KeysMapToClassicCodes) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        int keyCode, charCode;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, "\r", 13, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13, 13},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, 27},
        {Qt::Key_5, Qt::NoModifier, "5", 53, '5'},
        {Qt::Key_Left, Qt::NoModifier, "", 37, 0},
    };
    for (const auto &c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(platform::VirtualKeyCode(event), c.keyCode) << c.key;
        EXPECT_EQ(platform::CharacterCode(event), c.charCode) << c.key;
    }
}

} // namespace
