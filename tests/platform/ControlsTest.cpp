#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <stdexcept>
#include <vector>

namespace {

using namespace platform;

TEST(ControlArray, ElementsCarryTheirDesignNames) {
    QWidget window;
    ControlArray<ComboBox, 1, 4> combo2(&window, "Combo2");
    ControlArray<CommandButton, 0, 8> command2(&window, "Command2");
    ComboBox combo6(&window, "Combo6");
    struct Case {
        const char *name;
        QWidget *expected;
    };
    const Case cases[] = {
        {"Combo2_1", &combo2[1]},     {"Combo2_3", &combo2[3]},     {"Combo2_4", &combo2[4]},
        {"Command2_0", &command2[0]}, {"Command2_8", &command2[8]}, {"Combo6", &combo6},
    };
    for (const Case &c : cases)
        EXPECT_EQ(window.findChild<QWidget *>(c.name), c.expected) << c.name;
    EXPECT_EQ(window.findChild<QWidget *>("Combo2_0"), nullptr);
    EXPECT_THROW(combo2[0], std::out_of_range);
    EXPECT_THROW(command2[9], std::out_of_range);
    EXPECT_THROW(command2[-1], std::out_of_range);
}

TEST(CommandButton, MouseDownComesOnThePressAndBeforeClick) {
    QWidget window;
    CommandButton button(&window, "Command1_6");
    button.Move(0, 0, 435, 315);
    window.show();
    std::vector<QString> events;
    QObject::connect(&button, &CommandButton::MouseDown, [&](int b, int shift, int x, int y) {
        events.push_back(QStringLiteral("Down %1 %2 %3 %4").arg(b).arg(shift).arg(x).arg(y));
    });
    QObject::connect(&button, &CommandButton::Click, [&] { events.push_back("Click"); });

    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 6));
    EXPECT_EQ(events, (std::vector<QString>{"Down 1 0 60 90"})) << "nothing but the press yet";
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 6));
    QTest::mouseClick(&button, Qt::RightButton, Qt::ShiftModifier, QPoint(2, 2));
    EXPECT_EQ(events, (std::vector<QString>{"Down 1 0 60 90", "Click", "Down 2 1 30 30"}));
}

TEST(Control, TabIndexMovesAControlAndShiftsTheOthers) {
    QWidget window;
    ControlArray<CommandButton, 1, 4> command1(&window, "Command1");
    command1[3].SetTabIndex(0);
    command1[1].SetTabIndex(3);
    std::vector<int> indexes;
    for (const CommandButton &b : command1)
        indexes.push_back(b.TabIndex());
    EXPECT_EQ(indexes, (std::vector<int>{3, 1, 0, 2}));
    EXPECT_EQ(command1[3].nextInFocusChain(), &command1[2]) << "Tab follows the order";
    EXPECT_EQ(command1[4].nextInFocusChain(), &command1[1]);

    command1[2].SetTabStop(false);
    EXPECT_FALSE(command1[2].TabStop());
    EXPECT_TRUE(command1[1].TabStop());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    command1[3].SetFocus();
    QTest::keyClick(&command1[3], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &command1[4]) << "Tab skips a control without TabStop";
}

TEST(Control, VisibleAndEnabledAreTheControlsOwnSettings) {
    QWidget window;
    Label label(&window, "Label1");
    EXPECT_TRUE(label.Visible()) << "on a window that was never shown";
    window.setEnabled(false);
    EXPECT_TRUE(label.Enabled());
    label.SetVisible(false);
    label.SetEnabled(false);
    window.show();
    EXPECT_FALSE(label.Visible());
    EXPECT_FALSE(label.Enabled());
}

TEST(OptionButton, SelectingOneRaisesClickAndClearsTheOthers) {
    QWidget window;
    OptionButton option1(&window, "Option1");
    OptionButton option2(&window, "Option2");
    std::vector<QString> clicks;
    for (OptionButton *o : {&option1, &option2})
        QObject::connect(o, &OptionButton::Click, [&clicks, o] {
            clicks.push_back(o->objectName() + (o->Value() ? " on" : " off"));
        });
    option2.SetValue(true);
    option1.SetValue(true);
    EXPECT_EQ(clicks, (std::vector<QString>{"Option2 on", "Option1 on"}));
    EXPECT_FALSE(option2.Value());
}

TEST(Label, CaptionsKeepTheirLineBreaksAsGiven) {
    QWidget window;
    Label label(&window, "Label1");
    OptionButton option(&window, "Option1");
    const QString caption = "Calendar exercise\r\n\r\nE-mail: ";
    label.SetCaption(caption);
    option.SetCaption(caption);
    EXPECT_EQ(label.Caption(), caption);
    EXPECT_EQ(option.Caption(), caption);
    EXPECT_EQ(label.text().count('\n'), 2);
    EXPECT_FALSE(label.text().contains('\r')) << "drawn with the line breaks Qt knows";
}

TEST(CheckBox, ValueIsZeroOrOne) {
    QWidget window;
    CheckBox check(&window, "Check1");
    int clicks = 0;
    QObject::connect(&check, &CheckBox::Click, [&] { ++clicks; });
    check.SetValue(5);
    EXPECT_EQ(check.Value(), 1);
    check.SetValue(0);
    EXPECT_EQ(check.Value(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST(PictureBox, LoadsABitmapOrSaysItCouldNot) {
    QTemporaryDir dir;
    const QString bitmap = dir.filePath("Moon.bmp");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(bitmap));
    const QString notAPicture = dir.filePath("Broken.bmp");
    {
        QFile f(notAPicture);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM not really");
    }

    QWidget window;
    PictureBox picture(&window, "Picture1");
    EXPECT_FALSE(picture.LoadPicture(dir.filePath("Missing.bmp")));
    EXPECT_FALSE(picture.LoadPicture(notAPicture));
    EXPECT_EQ(picture.PictureWidth(), 0);
    EXPECT_TRUE(picture.LoadPicture(bitmap));
    EXPECT_EQ(picture.PictureWidth(), 600);
    EXPECT_EQ(picture.PictureHeight(), 450);
}

TEST(PictureBox, KeyPressAndDoubleClick) {
    QWidget window;
    PictureBox picture(&window, "Picture1");
    picture.Move(0, 0, 600, 600);
    Label label(&picture, "Label1");
    label.Move(0, 0, 300, 300);
    window.show();
    std::vector<int> keys;
    int doubleClicks = 0;
    QObject::connect(&picture, &PictureBox::KeyPress, [&](int &c) { keys.push_back(c); });
    QObject::connect(&picture, &PictureBox::DblClick, [&] { ++doubleClicks; });
    QTest::keyClick(&picture, Qt::Key_Escape);
    QTest::keyClick(&picture, Qt::Key_Q);
    QTest::keyClick(&picture, Qt::Key_Left);
    EXPECT_EQ(keys, (std::vector<int>{27, 'q'}));
    QTest::mouseDClick(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    QTest::mouseDClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(doubleClicks, 2) << "a double click on a label reaches the picture under it";
}

TEST(Shape, DrawsOverItsContainerInItsColours) {
    QWidget window;
    window.resize(100, 100);
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::white));
    Shape disc(&window, "Shape2");
    disc.SetShape(3);
    disc.SetFillStyle(0);
    disc.SetFillColor(0x0000FF);
    disc.SetBorderColor(0x0000FF);
    disc.Move(150, 150, 900, 600); // a 60 x 40 box at (10, 10): a circle of 40
    Shape frame(&window, "Shape1");
    frame.SetBorderColor(0xFF0000);
    frame.SetBorderWidth(3);
    frame.Move(900, 900, 150, 150);

    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.pixelColor(30, 30), QColor(Qt::red)) << "centre of the circle";
    EXPECT_EQ(shot.pixelColor(11, 11), QColor(Qt::white)) << "corner outside the circle";
    EXPECT_EQ(shot.pixelColor(30, 48), QColor(Qt::white)) << "a circle, not an oval";
    EXPECT_EQ(shot.pixelColor(60, 65), QColor(Qt::blue)) << "transparent box: its border";
    EXPECT_EQ(shot.pixelColor(65, 65), QColor(Qt::white)) << "transparent box: inside";
}

TEST(Shape, SizesReadBackInWholePixels) {
    QWidget window;
    Shape shape(&window, "Shape1");
    shape.SetWidth(100.4f);
    shape.SetHeight(-20.f);
    shape.SetLeft(-3000.f);
    EXPECT_FLOAT_EQ(shape.Width(), 105.f);
    EXPECT_FLOAT_EQ(shape.Height(), 0.f);
    EXPECT_FLOAT_EQ(shape.Left(), -3000.f);
}

} // namespace
