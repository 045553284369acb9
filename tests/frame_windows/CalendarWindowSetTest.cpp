#include "FrameFixture.h"

#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/CalendarWindowSet.h"

namespace FrameTesting {
namespace {

using CalendarWindows = FrameTest;

TEST_F(CalendarWindows, RefreshReachesTheShownWindowsAndTheSource) {
    frmMonthlyCal->Show();
    frmJewish->Show();
    frmMoon->Show();
    ChangeCals::ChangeSource = 2;

    ChangeCals::RefreshWindows();

    const std::vector<std::string> expected{
        "frmGregorian.SetYearForm",    "frmMonthlyCal.SetCal 1",  "frmMonthlyCal.SetGrid 1",
        "frmMonthlyCal.SetCal 2",      "frmMonthlyCal.SetGrid 2", "frmMonthlyCal.SetCal 3",
        "frmMonthlyCal.SetGrid 3",     "frmMonthlyCal.SetCal 4",  "frmMonthlyCal.SetGrid 4",
        "frmMonthlyCal.SetCommonInfo", "frmJewish.SetYearForm",   "frmMoon.ReSetForm"};
    EXPECT_EQ(Calls, expected);
}

TEST_F(CalendarWindows, HiddenWindowsAreLeftAlone) {
    frmMoslem->Show();
    ChangeCals::ChangeSource = 0;

    ChangeCals::RefreshWindows();

    EXPECT_EQ(Calls, std::vector<std::string>{"frmMoslem.SetYearForm"});
}

TEST_F(CalendarWindows, ShowCalWindowShowsAYearWindowOrFocusesToday) {
    ChangeCals::ShowCalWindow(3);
    EXPECT_TRUE(frmJewish->Visible());
    EXPECT_FALSE(frmJulian->Visible());

    ChangeCals::ShowCalWindow(0);
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMonthlyCal.FocusToday"});
    EXPECT_FALSE(frmMonthlyCal->Visible());
}

TEST_F(CalendarWindows, AVisibilityTestCreatesADestroyedWindowAtItsSavedPlace) {
    Start::WinTop[2] = 600;
    Start::WinLeft[2] = 900;
    frmGregorian->Show();
    frmGregorian->SetTop(3000);
    frmGregorian.Destroy();
    ASSERT_FALSE(frmGregorian.Exists());

    EXPECT_FALSE(Frame::CalendarWindows().YearWindowShown(2));

    ASSERT_TRUE(frmGregorian.Exists());
    EXPECT_EQ(frmGregorian->Top(), 600);
    EXPECT_EQ(frmGregorian->Left(), 900);
}

} // namespace
} // namespace FrameTesting
