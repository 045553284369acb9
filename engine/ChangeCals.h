// Conversion dispatch and the facts of the selected day: every change of the
// day goes through ChangeCal or ChangeJD, which convert into all four
// calendars and push the result into the shown windows.
#pragma once

#include <cstdint>

namespace ChangeCals {

class WindowSet;

// The mean synodic month as the moon's age has always been computed: in
// single precision, exactly 29.530588150024414 days. The moon's shadow is
// drawn from the same value, so that the picture turns with the age.
inline constexpr float SynodicMonth = 29.530588f;
static_assert(static_cast<double>(SynodicMonth) == 29.530588150024414);

extern int16_t CurrentWeekDay;
extern float MoonAge;
extern int16_t MoonPhase;
extern int16_t ChangeSource;
extern int16_t MonthlySourceColumn;

// The windows RefreshWindows and ShowCalWindow reach; nullptr for none.
void SetWindows(WindowSet *windows);

// Back to the state before start-up (facts zero, no windows).
void Reset();

// From the date in CalDates(cal, ·) (cal outside 1..4: no conversion), or
// from CurrentJD; then SetDayFacts and RefreshWindows.
void ChangeCal(int16_t cal);
void ChangeJD();
// YearStartWeekDay(cal) from the year's first day (the months' first week
// days follow from it, Calc::MonthStartWeekDay), then SetWeekFacts. A cal
// outside 1..4 is ignored here and in SetWeekFacts.
void SetMonthWeekDays(int16_t cal);
// YearWeeks(cal) and CalDates(cal, Week) from FirstWeekDay(cal).
void SetWeekFacts(int16_t cal);
// CurrentWeekDay, MoonAge and MoonPhase from CurrentJD.
void SetDayFacts();
// Brings the shown windows up to date in the order ChangeSource asks for,
// then sets ChangeSource to 0 and refreshes the moon window last.
void RefreshWindows();
// 0: the focus to the monthly window's "today" button; 1..4: that year
// window shown and brought forward; anything else: nothing.
void ShowCalWindow(int16_t window);

} // namespace ChangeCals
