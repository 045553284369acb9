#include "FrameFixture.h"

#include "frame/about/AboutWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <functional>

namespace FrameTesting {
namespace {

using WindowManagement = FrameTest;

std::vector<QString> ExitTips() {
    std::vector<QString> tips{frmMonthlyCal->ExitButton().ToolTipText()};
    for (int16_t cal = 1; cal <= 4; ++cal)
        tips.push_back(YearWindowOf(cal)->ExitButton().ToolTipText());
    return tips;
}

void Put(platform::Form &window, int left, int top) {
    window.SetLeft(left);
    window.SetTop(top);
}

TEST_F(WindowManagement, MoonWindowIsNeverCountedAMinimisedOneIs) {
    frmMoon->Show();
    EXPECT_EQ(Frame::CountVisibleWindows(), 0);
    frmMonthlyCal->Show();
    frmJewish->Show();
    frmJewish->SetWindowState(platform::WindowMinimised);
    EXPECT_EQ(Frame::CountVisibleWindows(), 2);
}

TEST_F(WindowManagement, ExitSavesEveryPositionThenClosesAllButTheMinimised) {
    for (int16_t cal = 1; cal <= 4; ++cal)
        Put(*YearWindowOf(cal), 300 * cal, 150 * cal);
    Put(*frmMonthlyCal, 1500, 750);
    frmMonthlyCal->Show();
    frmJulian->Show();
    frmJewish->Show();
    frmMoon->Show();
    frmAbout->Show();
    // Never shown in this run: saved as it was read, so that it goes on opening there.
    Start::WinTop[2] = 600;
    Start::WinLeft[2] = 900;
    // Minimised: keeps what memory holds, and stays.
    Start::WinTop[4] = 1234;
    Start::WinLeft[4] = -99;
    frmMoslem->SetWindowState(platform::WindowMinimised);
    // Beyond the 16-bit range: the nearest value that fits.
    frmMoon->SetTop(-40005);
    frmMoon->SetLeft(40005);

    Frame::ExitProgram(2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(StoredPositions(), "150 300, 600 900, 450 900, 1234 -99, 750 1500, -32768 32767");
    for (auto *ref : std::initializer_list<platform::FormRefBase *>{
             &frmMonthlyCal, &frmJulian, &frmGregorian, &frmJewish, &frmMoon, &frmAbout})
        EXPECT_FALSE(ref->Exists());
    EXPECT_TRUE(frmMoslem.Exists());
}

// The monthly, Julian and Moslem windows and the moon window are shown, moved; the
// Julian window was saved at (900, 600) in an earlier run. However the program ends,
// it creates no window, not even one closed before.
struct EndCase {
    const char *name;
    std::function<void(FrameTest &)> end;
    std::string positions;
};

class Ending : public FrameTest, public testing::WithParamInterface<EndCase> {
  public:
    int Ends() const { return programEnds; }
};

TEST_P(Ending, SavesAsItShouldAndCreatesNoWindow) {
    Start::WinTop[1] = 600;
    Start::WinLeft[1] = 900;
    for (auto *window : std::initializer_list<platform::Form *>{&*frmMonthlyCal, &*frmJulian,
                                                                &*frmMoslem, &*frmMoon})
        window->Show();
    Put(*frmMonthlyCal, 1500, 750);
    Put(*frmJulian, 4500, 3000);
    Put(*frmMoslem, 1200, 600);
    Put(*frmMoon, 1800, 900);
    created = 0;

    GetParam().end(*this);

    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(created, 0);
    EXPECT_FALSE(frmMonthlyCal.Exists());
    EXPECT_EQ(StoredPositions(), GetParam().positions);
}

const std::string Moved = ", 32737 32737, 32737 32737, 600 1200, 750 1500, 900 1800";

INSTANTIATE_TEST_SUITE_P(
    Ways, Ending,
    testing::Values(EndCase{"ExitFromAYearWindow", [](FrameTest &) { Frame::ExitProgram(4); },
                            "3000 4500" + Moved},
                    // Saved where it would reopen.
                    EndCase{"ExitAfterATitleBarClose",
                            [](FrameTest &) {
                                frmJulian->close();
                                Frame::ExitProgram(0);
                            },
                            "600 900" + Moved},
                    // Hidden windows were shown in this run: saved where they are.
                    EndCase{"LeftClickOnTheLastWindow",
                            [](FrameTest &test) {
                                QTest::mouseClick(&frmJulian->ExitButton(), Qt::LeftButton);
                                QTest::mouseClick(&frmMoslem->ExitButton(), Qt::LeftButton);
                                EXPECT_EQ(static_cast<Ending &>(test).Ends(), 0);
                                QTest::mouseClick(&frmMonthlyCal->ExitButton(), Qt::LeftButton);
                            },
                            "3000 4500" + Moved},
                    // Saves nothing.
                    EndCase{"LastWindowClosedByItsTitleBar",
                            [](FrameTest &test) {
                                frmJulian->close();
                                frmMoslem->close();
                                EXPECT_EQ(static_cast<Ending &>(test).Ends(), 0);
                                frmMonthlyCal->close();
                            },
                            "- -, - -, - -, - -, - -, - -"}),
    [](const testing::TestParamInfo<EndCase> &info) { return info.param.name; });

TEST_F(WindowManagement, NothingIsWrittenAfterTheEnd) {
    frmMonthlyCal->Show();
    frmJulian->Show();
    Frame::ExitProgram(1);
    const QString storeAtEnd = StoreText();

    // Whatever the windows still do once the program has ended changes nothing.
    frmMonthlyCal->Show();
    frmMonthlyCal->SetTop(3000);
    Frame::ExitProgram(1);
    Frame::CloseWindow(*frmMonthlyCal, 0);
    Frame::UpdateExitTips();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(StoreText(), storeAtEnd);
    EXPECT_TRUE(frmMonthlyCal->Visible());
}

// The windows refuse the close that QCoreApplication::quit offers them first, so a
// program ended by quit() ran on.
TEST_F(WindowManagement, EndStopsTheEventLoopThoughWindowsRefuseToClose) {
    Frame::SetEndHandler({});
    frmMonthlyCal->Show();
    QEventLoop loop;
    QTimer::singleShot(0, [] { QTest::mouseClick(&frmMonthlyCal->ExitButton(), Qt::LeftButton); });
    // Only reached when the end fails to stop the loop.
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });

    EXPECT_EQ(loop.exec(), 0);
    EXPECT_TRUE(Frame::ProgramEnded());
}

TEST_F(WindowManagement, ExitTipsFollowTheCountUnlessTipsAreOff) {
    const QString several =
        QStringLiteral("Left$ mouse button \u2014 Close window. Right$ mouse button \u2014 Exit");
    for (const int16_t tips : {1, 0}) {
        SCOPED_TRACE(tips);
        Start::ShowTips = tips;
        frmMonthlyCal->ExitButton().SetToolTipText("mine");
        for (int16_t cal = 1; cal <= 4; ++cal)
            YearWindowOf(cal)->ExitButton().SetToolTipText("mine");
        frmMonthlyCal->Show();
        frmGregorian->Show();
        Frame::SetExitTips();
        EXPECT_EQ(ExitTips(), std::vector<QString>(5, tips ? several : "mine"));

        Frame::CloseWindow(*frmGregorian, 2);
        Frame::UpdateExitTips();
        EXPECT_FALSE(frmGregorian->Visible());
        EXPECT_EQ(ExitTips(), std::vector<QString>(5, tips ? "Exit" : "mine"));
    }
    EXPECT_EQ(programEnds, 0);
}

} // namespace
} // namespace FrameTesting
