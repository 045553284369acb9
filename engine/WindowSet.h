// What the engine asks of the calendar windows when it pushes a new date into
// them. The frame implements it over the real windows; tests give the engine a
// recording fake; tools run the engine with no windows at all.
#pragma once

#include <cstdint>

namespace ChangeCals {

class WindowSet {
  public:
    virtual ~WindowSet() = default;

    // Shown: the window's visibility property is true.
    virtual bool MonthlyShown() = 0;
    virtual bool YearWindowShown(int16_t cal) = 0;
    virtual bool MoonShown() = 0;

    // Refresh steps of the monthly window (pos is the column 1..4).
    virtual void SetCal(int16_t pos) = 0;
    virtual void SetGrid(int16_t pos) = 0;
    virtual void SetCommonInfo() = 0;
    // Refresh of the year window of a calendar.
    virtual void SetYearForm(int16_t cal) = 0;
    // Refresh of the moon window.
    virtual void MoonReSetForm() = 0;

    // Bringing a window forward: the year window of cal shown (non-modal),
    // or the focus on the monthly window's "today" button.
    virtual void ShowYearWindow(int16_t cal) = 0;
    virtual void FocusMonthlyToday() = 0;
};

} // namespace ChangeCals
