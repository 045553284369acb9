// Conversion dispatch and the facts of the selected day: every change of the
// day goes through ChangeCal or ChangeJD, which convert into all four
// calendars and push the result into the shown windows.
#pragma once

#include <cstdint>

namespace ChangeCals {

class WindowSet;

extern int16_t CurrentWeekDay;
extern float MoonAge;
extern int16_t MoonPhase;
extern int16_t ChangeSource;
extern int16_t MonthlySourceColumn;

// The windows RefreshWindows and ShowCalWindow reach; nullptr for none.
void SetWindows(WindowSet *windows);

// Back to the state before start-up (facts zero, no windows).
void Reset();

void ChangeCal(int16_t &cal);
void ChangeJD();
void SetMonthWeekDays(int16_t cal);
void SetWeekFacts(int16_t cal);
void SetDayFacts();
void RefreshWindows();
void ShowCalWindow(int16_t window);

} // namespace ChangeCals
