// Where the program's windows reopen after the user moved them, on the desktop that
// SplashOnDesktopTest.cpp starts: a window manager places a window shown again as if
// it were new unless the window asks for its place. The window manager moves the
// window (through xdotool), not the program; without a window manager or xdotool the
// test is skipped.
#include "FrameFixture.h"

#include "app/ProgramWindows.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/Start.h"
#include "platform/CommandButton.h"
#include "platform/core/Clock.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <ostream>
#include <string>

// Places in failure messages as numbers, not as a row of bytes.
void PrintTo(const QPoint &point, std::ostream *out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}

namespace {

class PlacesOnDesktop : public FrameTesting::FrameTest {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb") || Xdotool.isEmpty())
            GTEST_SKIP() << "needs a window manager and xdotool";
        FrameTest::SetUp();
        App::RegisterProgramWindows();
        // No settings yet: every window opens at the place the program gives it.
        platform::SetSteadyClock({[this] { return now_; }, [this](qint64 ms) { now_ += ms; }});
        Start::Main();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*frmMonthlyCal));
    }
    void TearDown() override {
        platform::SetSteadyClock({});
        FrameTest::TearDown();
    }

    // Asks the window manager to move the window, as a drag by its title bar ends
    // up (Qt hears of it only afterwards); returns where the window is then.
    static QPoint MoveByUser(platform::Form &window, QPoint by) {
        const QPoint before = window.pos();
        const QPoint to = before + by;
        EXPECT_EQ(QProcess::execute(Xdotool,
                                    {QStringLiteral("windowmove"), QString::number(window.winId()),
                                     QString::number(to.x()), QString::number(to.y())}),
                  0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.pos() != before; }));
        return window.pos();
    }

    static void ShowAgain(platform::Form &window, platform::CommandButton &button) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Exposed(); }));
        QTest::mouseClick(&button, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static platform::CommandButton &Button(QWidget &window, const std::string &name) {
        auto *button = window.findChild<platform::CommandButton *>(QString::fromStdString(name));
        EXPECT_NE(button, nullptr) << name;
        return *button;
    }

    inline static const QString Xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));

  private:
    qint64 now_ = 0;
};

TEST_F(PlacesOnDesktop, MoonWindowHiddenWithEscReopensWhereItWasMoved) {
    // The moon button on top, the one of today's phase.
    platform::CommandButton &moonButton =
        Button(*frmMonthlyCal, "Command2_" + std::to_string(ChangeCals::MoonPhase));
    QTest::mouseClick(&moonButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*frmMoon));
    const QPoint moved = MoveByUser(*frmMoon, {-150, -100});

    QTest::keyClick(frmMoon->findChild<QWidget *>(QStringLiteral("Picture1")), Qt::Key_Escape);
    ShowAgain(*frmMoon, moonButton);
    EXPECT_EQ(frmMoon->pos(), moved);
}

TEST_F(PlacesOnDesktop, YearWindowClosedWithItsExitButtonReopensWhereItWasMoved) {
    platform::CommandButton &yearButton = Button(*frmMonthlyCal, "Command1_1");
    QTest::mouseClick(&yearButton, Qt::LeftButton);
    YearForm &year = *YearWindowOf(Start::ColumnCals[1]);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&year));
    const QPoint moved = MoveByUser(year, {120, 90});

    QTest::mouseClick(&Button(year, "Command1_6"), Qt::LeftButton);
    ShowAgain(year, yearButton);
    EXPECT_EQ(year.pos(), moved);
}

} // namespace
