#include "FrameFixture.h"

namespace FrameTesting {
namespace {

using CalendarWindows = FrameTest;

// The source first, then only the shown windows; the monthly window's column of the
// change keeps its grid.
TEST_F(CalendarWindows, RefreshReachesTheShownWindowsAndTheSource) {
    const struct {
        int16_t source;
        std::vector<std::string> calls;
    } cases[] = {
        {2,
         {"frmGregorian.SetYearForm", "frmMonthlyCal.SetCal 1", "frmMonthlyCal.SetGrid 1",
          "frmMonthlyCal.SetCal 2", "frmMonthlyCal.SetGrid 2", "frmMonthlyCal.SetCal 3",
          "frmMonthlyCal.SetGrid 3", "frmMonthlyCal.SetCal 4", "frmMonthlyCal.SetGrid 4",
          "frmMonthlyCal.SetCommonInfo", "frmJewish.SetYearForm", "frmMoon.ReSetForm"}},
        {0,
         {"frmMonthlyCal.SetCal 1", "frmMonthlyCal.SetCal 2", "frmMonthlyCal.SetGrid 2",
          "frmMonthlyCal.SetCal 3", "frmMonthlyCal.SetGrid 3", "frmMonthlyCal.SetCal 4",
          "frmMonthlyCal.SetGrid 4", "frmMonthlyCal.SetCommonInfo", "frmJewish.SetYearForm",
          "frmMoon.ReSetForm"}},
    };
    Show(frmMonthlyCal, frmJewish, frmMoon);
    for (const auto &c : cases) {
        Calls.clear();
        ChangeCals::ChangeSource = c.source;
        ChangeCals::MonthlySourceColumn = 1;
        ChangeCals::RefreshWindows();
        EXPECT_EQ(Calls, c.calls) << "source " << c.source;
        EXPECT_EQ(ChangeCals::ChangeSource, 0);
    }
}

TEST_F(CalendarWindows, ShowCalWindowShowsAYearWindowOrFocusesToday) {
    ChangeCals::ShowCalWindow(3);
    EXPECT_TRUE(frmJewish->Visible());
    EXPECT_FALSE(frmJulian->Visible());

    ChangeCals::ShowCalWindow(0);
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMonthlyCal.FocusToday"});
    EXPECT_FALSE(frmMonthlyCal->Visible());
}

} // namespace
} // namespace FrameTesting
