// The windows' places, their closing and the program's end; the About window, and the
// window set through which the engine reaches the windows.
#include "FrameFixture.h"

#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace {

using namespace FrameTesting;

using WindowManagement = FrameTest;

void Put(platform::Form &window, int left, int top) {
    window.SetLeft(left);
    window.SetTop(top);
}

TEST_F(WindowManagement, ExitSavesEveryPositionThenClosesAllButTheMinimised) {
    for (int16_t cal = 1; cal <= 4; ++cal)
        Put(*YearWindowOf(cal), 300 * cal, 150 * cal);
    Put(*frmMonthlyCal, 1500, 750);
    Show(frmMonthlyCal, frmJulian, frmJewish, frmMoslem, frmMoon, frmAbout);
    // Never shown in this run: saved as it was read, so that it goes on opening there.
    Start::WinTop[2] = 600;
    Start::WinLeft[2] = 900;
    // Minimised: keeps what memory holds, and stays; the program ends all the same.
    Start::WinTop[4] = 1234;
    Start::WinLeft[4] = -99;
    frmMoslem->SetWindowState(platform::WindowMinimised);
    // Beyond the 16-bit range: the nearest value that fits.
    Put(*frmMoon, 40005, -40005);

    Frame::ExitProgram(2);

    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(StoredPositions(), "150 300, 600 900, 450 900, 1234 -99, 750 1500, -32768 32767");
    EXPECT_EQ((std::vector<bool>{frmMonthlyCal.Exists(), frmJulian.Exists(), frmGregorian.Exists(),
                                 frmJewish.Exists(), frmMoslem.Exists(), frmMoon.Exists(),
                                 frmAbout.Exists()}),
              (std::vector<bool>{false, false, false, false, true, false, false}));
}

// The monthly, Julian and Moslem windows and the moon window are shown and moved;
// the Julian window was saved at (900, 600) in an earlier run. However the program
// ends, it creates no window, not even one closed before.
struct EndCase {
    const char *name;
    void (*end)();
    std::string positions;
};

class Ending : public FrameTest, public testing::WithParamInterface<EndCase> {};

TEST_P(Ending, SavesWhatItShouldAndCreatesNoWindow) {
    Start::WinTop[1] = 600;
    Start::WinLeft[1] = 900;
    Show(frmMonthlyCal, frmJulian, frmMoslem, frmMoon);
    Put(*frmMonthlyCal, 1500, 750);
    Put(*frmJulian, 4500, 3000);
    Put(*frmMoslem, 1200, 600);
    Put(*frmMoon, 1800, 900);
    Created = 0;

    GetParam().end();

    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(Created, 0);
    EXPECT_FALSE(frmMonthlyCal.Exists());
    EXPECT_EQ(StoredPositions(), GetParam().positions);
}

const std::string Others = ", 32737 32737, 32737 32737, 600 1200, 750 1500, 900 1800";

// clang-format off
const EndCase EndCases[] = {
    // The window closed is saved where it would reopen.
    {"ExitAfterATitleBarClose", [] { frmJulian->close(); Frame::ExitProgram(0); }, "600 900" + Others},
    // The moon window does not count; the hidden windows were shown in this run.
    {"LeftClickOnTheLastWindow", [] {
         QTest::mouseClick(&frmJulian->ExitButton(), Qt::LeftButton);
         QTest::mouseClick(&frmMoslem->ExitButton(), Qt::LeftButton);
         EXPECT_FALSE(Frame::ProgramEnded());
         QTest::mouseClick(&frmMonthlyCal->ExitButton(), Qt::LeftButton);
     }, "3000 4500" + Others},
    {"LastWindowClosedByItsTitleBarSavesNothing", [] {
         frmJulian->close();
         frmMoslem->close();
         EXPECT_FALSE(Frame::ProgramEnded());
         frmMonthlyCal->close();
     }, "- -, - -, - -, - -, - -, - -"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Ways, Ending, testing::ValuesIn(EndCases), CaseName);

TEST_F(WindowManagement, NothingIsWrittenAfterTheEnd) {
    Show(frmMonthlyCal, frmJulian);
    Frame::ExitProgram(1);
    const QString storeAtEnd = StoreText();

    // Whatever the windows still do once the program has ended changes nothing.
    frmMonthlyCal->Show();
    frmMonthlyCal->SetTop(3000);
    Frame::ExitProgram(1);
    Frame::CloseWindow(*frmMonthlyCal, 0);
    Frame::UpdateExitTips();

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
}

TEST_F(WindowManagement, AboutIsCentredInTheUpperThirdAndItsButtonClosesIt) {
    // Within half a pixel: a window sits on whole pixels of 15 twips.
    EXPECT_NEAR(frmAbout->Left(), (platform::ScreenWidth() - frmAbout->Width()) / 2, 7);
    EXPECT_NEAR(frmAbout->Top(), (platform::ScreenHeight() - frmAbout->Height()) / 3, 7);
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "Close");
    frmAbout->Show();
    QTest::mouseClick(&frmAbout->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(frmAbout.Exists());
    Start::ShowTips = 0;
    EXPECT_EQ(frmAbout->cmdOK.ToolTipText(), "");
}

// The engine reaches the windows through the window set.
TEST_F(WindowManagement, ShowCalWindowShowsAYearWindowOrFocusesToday) {
    for (int16_t cal = 1; cal <= 4; ++cal) {
        ChangeCals::ShowCalWindow(cal);
        EXPECT_TRUE(YearWindowOf(cal)->Visible()) << cal;
    }
    ChangeCals::ShowCalWindow(0);
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMonthlyCal.FocusToday"});
}

} // namespace
