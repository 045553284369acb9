// The engine's view of the calendar windows, over the one instance of each.
//  - CalendarWindowSet: what RefreshWindows and ShowCalWindow reach: whether a
//    window is shown, its refresh steps, bringing a year window forward and the
//    focus on the monthly window's "today" button. Like every use of a window, a
//    visibility test creates a window that does not exist (hidden).
//  - CalendarWindows(): the one set, which RegisterWindows hands to the engine
#pragma once

#include "engine/WindowSet.h"

#include <cstdint>

namespace Frame {

class CalendarWindowSet final : public ChangeCals::WindowSet {
  public:
    bool MonthlyShown() override;
    bool YearWindowShown(int16_t cal) override;
    bool MoonShown() override;

    void SetCal(int16_t pos) override;
    void SetGrid(int16_t pos) override;
    void SetCommonInfo() override;
    void SetYearForm(int16_t cal) override;
    void MoonReSetForm() override;

    void ShowYearWindow(int16_t cal) override;
    void FocusMonthlyToday() override;
};

CalendarWindowSet &CalendarWindows();

} // namespace Frame
