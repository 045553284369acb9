// Steps the calendar conversions share. Internal to the engine.
#pragma once

#include "engine/Calc.h"

#include <algorithm>
#include <cstdint>

namespace Calc::Detail {

constexpr int32_t FirstMonth = 1;
constexpr int32_t LastTableMonth = 13;

inline bool KnownCal(int16_t cal) {
    return cal >= Julian && cal <= Moslem;
}

// Days in a month of cal's current year; a month the tables have no row for
// has none, so that a stray month number never reads outside them.
inline int32_t MonthLength(int16_t cal, int32_t month) {
    if (!KnownCal(cal) || month < FirstMonth || month > LastTableMonth) return 0;
    return MonthDays(cal, month);
}

// JulianDayOf's count in 64 bits, for arguments of any 32-bit size.
int64_t JulianDayCount(int64_t day, int64_t month, int64_t year);

// A year written by a caller is held to the computable years, in CalDates.
inline void ClampYear(int16_t cal) {
    int32_t &year = CalDates[cal][Year];
    year = std::clamp(year, FirstComputableYear, LastComputableYear);
}

// ToJulian and ToMoslem start from a CurrentJD inside the computable days
// (ToGregorian and ToJewish from the one ToJulian or FromJulian left). On
// every conversion's path: one test that is never taken in the program.
inline void ClampCurrentJD() {
    if (CurrentJD < FirstComputableJD || CurrentJD > LastComputableJD) [[unlikely]]
        CurrentJD = std::clamp(CurrentJD, FirstComputableJD, LastComputableJD);
}

// A date written by a caller is pulled onto the calendar: the month onto
// 1 .. months, then a day beyond that month's end back to its last day (and
// one before FirstComputableDay up to it). The corrections are stored back
// into CalDates.
void ClampDate(int16_t cal, int32_t months);

// YearBounds(cal, 2) from the year's first day and its length.
inline void SetYearEnd(int16_t cal) {
    YearBounds[cal][2] = YearBounds[cal][1] + YearDays(cal) - 1;
}

// Both year bounds from the selected day and its number in the year.
inline void SetYearBoundsFromDay(int16_t cal) {
    YearBounds[cal][1] = CurrentJD - CalDates[cal][YearDay] + 1;
    SetYearEnd(cal);
}

// The Moslem cycle's running sums, which ToMoslem reads, from MoslemCycle.
void SumMoslemCycle();

// Drops the new years JewishNewYear has kept.
void ForgetJewishNewYears();

} // namespace Calc::Detail
