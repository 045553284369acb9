// The five buttons, the moon buttons and closing the window.
#include "MonthlyFixture.h"

#include "FakeWindows.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/about/AboutWindow.h"
#include "platform/core/Settings.h"

#include <QTest>

namespace {

TEST_F(MonthlyWindowTest, YearCalendarsOpensTheFourYearWindowsColumnOneLast) {
    QTest::mouseClick(&Window().Command1[1], Qt::LeftButton);
    EXPECT_EQ(Log.YearRefreshes, (std::vector<int16_t>{4, 3, 2, 1}));
    for (int16_t cal = 1; cal <= 4; ++cal)
        EXPECT_TRUE(YearWindowOf(cal)->Visible()) << cal;
}

TEST_F(MonthlyWindowTest, TodayGoesToTheClocksDate) {
    GoToGregorian(1, 1, 2000);
    QTest::mouseClick(&Window().Command1[2], Qt::LeftButton);
    ExpectWindowShows(Gregorian(14, 3, 2024));
}

TEST_F(MonthlyWindowTest, AboutShowsTheAboutWindow) {
    QTest::mouseClick(&Window().Command1[4], Qt::LeftButton);
    EXPECT_TRUE(frmAbout.Exists() && frmAbout->Visible());
}

TEST_F(MonthlyWindowTest, MoonButtonResetsAHiddenMoonWindowAndShowsIt) {
    const int16_t phase = ChangeCals::MoonPhase;
    platform::CommandButton &moon = Window().Command2[phase];
    EXPECT_EQ(Window().childAt(moon.geometry().center()), &moon);
    EXPECT_TRUE(moon.TabStop());
    QTest::mouseClick(&moon, Qt::LeftButton);
    EXPECT_TRUE(frmMoon->Visible());
    EXPECT_EQ(Log.MoonResets, 1);
    QTest::mouseClick(&moon, Qt::LeftButton);
    EXPECT_EQ(Log.MoonResets, 1);
}

TEST_F(MonthlyWindowTest, ExitOnTheOnlyWindowEndsTheProgramAndSavesThePositions) {
    QTest::mouseClick(&Window().Command1[5], Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
    EXPECT_NE(platform::ReadSetting("Monthly", "Top", "unwritten"), "unwritten");
}

TEST_F(MonthlyWindowTest, ExitWithAYearWindowShownHidesThisWindowOnly) {
    YearWindowOf(Calc::Gregorian)->Show();
    QTest::mouseClick(&Window().Command1[5], Qt::LeftButton);
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(Window().Visible());
    EXPECT_TRUE(YearWindowOf(Calc::Gregorian)->Visible());
}

TEST_F(MonthlyWindowTest, RightButtonOnExitEndsTheProgramWhateverIsShown) {
    YearWindowOf(Calc::Gregorian)->Show();
    QTest::mousePress(&Window().Command1[5], Qt::RightButton);
    EXPECT_EQ(programEnds, 1);
    EXPECT_NE(platform::ReadSetting("Monthly", "Left", "unwritten"), "unwritten");
}

TEST_F(MonthlyWindowTest, ClosingTheLastWindowFromItsTitleBarEndsWithoutSaving) {
    Window().close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return programEnds == 1; }));
    EXPECT_EQ(platform::ReadSetting("Monthly", "Top", "unwritten"), "unwritten");
}

} // namespace
