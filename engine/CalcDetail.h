// Steps the calendar conversions share. Internal to the engine.
#pragma once

#include "engine/Calc.h"

#include <cstdint>

namespace Calc::Detail {

constexpr int32_t FirstMonth = 1;
constexpr int32_t LastTableMonth = 13;

inline bool KnownCal(int16_t cal) {
    return cal >= Julian && cal <= Moslem;
}

// Days in a month of cal's current year; a month the tables have no row for
// has none, so that a stray month number never reads outside them.
int32_t MonthLength(int16_t cal, int32_t month);

// A date written by a caller is pulled onto the calendar: the month onto
// 1 .. months, then a day beyond that month's end back to its last day. Both
// corrections are stored back into CalDates.
void ClampDate(int16_t cal, int32_t months);

// YearBounds(cal, 2) from the year's first day and its length.
void SetYearEnd(int16_t cal);

// Both year bounds from the selected day and its number in the year.
void SetYearBoundsFromDay(int16_t cal);

// Drops the new years JewishNewYear has kept.
void ForgetJewishNewYears();

// Whether MonthStartWeekDay(cal, ·) already describes cal's current year. A
// year is known by its first day and its length, which fixes its month
// lengths; a conversion that stays in the year of the last one need not
// work the week days out again. Records the current year when it does not.
bool MonthStartsKnown(int16_t cal);

// Forgets every recorded year (the month table was cleared).
void ForgetMonthStarts();

} // namespace Calc::Detail
