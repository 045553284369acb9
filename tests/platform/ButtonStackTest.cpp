// A stack of buttons, of which only the front one paints, must look on the screen like
// that one button alone. (Nine buttons all painting looked slightly different: their
// antialiased corners darkened each other.)
#include "platform/ButtonStack.h"
#include "platform/Form.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Window : public platform::Form {
  public:
    explicit Window(int left) : Form("frmStack") {
        SetLeft(left);
        SetWidth(1500);
        SetHeight(1200);
    }

    void Place(platform::CommandButton &button, int picture) {
        button.Move(300, 300, 600, 600);
        QPixmap swatch(16, 16);
        swatch.fill(QColor::fromHsv(picture * 40, 200, 220));
        button.SetPicture(QIcon(swatch));
    }

    // What the window shows after every pending paint.
    QImage OnScreen() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return screen()->grabWindow(winId()).toImage();
    }
};

TEST(ButtonStack, OnlyTheFrontButtonIsSeenAndTheOthersStayVisible) {
    Window stacked(0);
    platform::ControlArray<platform::CommandButton, 0, 8> buttons(&stacked, "Command2");
    for (int i = 0; i <= 8; ++i)
        stacked.Place(buttons[i], i);
    Window alone(1600);
    platform::CommandButton button(&alone, "Command1");
    stacked.Show();
    alone.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stacked) && QTest::qWaitForWindowExposed(&alone));
    for (const int front : {2, 6, 0, 8}) {
        SCOPED_TRACE(front);
        platform::ShowInFront(buttons, front, 0);
        alone.Place(button, front);
        EXPECT_EQ(stacked.OnScreen(), alone.OnScreen());
        for (int i = 0; i <= 8; ++i) {
            EXPECT_TRUE(buttons[i].Visible());
            EXPECT_EQ(buttons[i].TabStop(), i == front);
        }
    }
}

} // namespace
