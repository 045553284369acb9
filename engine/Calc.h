// Calendar arithmetic: the shared date tables and the conversions of the four
// calendars to and from the Julian Day number.
//
// The engine is a module of procedures over module-level tables: a caller
// writes a date into CalDates (or sets CurrentJD), calls one procedure and
// reads every result back from the tables. Every table is indexed from 1, as
// the rest of the program indexes it; element 0 of each dimension is unused.
#pragma once

#include <cstdint>

namespace Calc {

// CalendarId: the first index of every per-calendar table.
constexpr int16_t Julian = 1;
constexpr int16_t Gregorian = 2;
constexpr int16_t Jewish = 3;
constexpr int16_t Moslem = 4;

// Second index of CalDates.
constexpr int Day = 1;
constexpr int Month = 2;
constexpr int Year = 3;
constexpr int YearDay = 4;
constexpr int Week = 5;

// Layers of YearTable.
constexpr int YearDaysLayer = 1;
constexpr int YearWeeksLayer = 2;

// How far the engine computes. Its dates are the calendars' own inside the
// admissible range (MinJD .. MaxJD, MinYear .. MaxYear); beyond it the same
// rules run on as plain arithmetic as far as these limits, inside which no
// step leaves 32 bits. Input past them is pulled onto the nearer limit and
// written back: CurrentJD by ToJulian and ToMoslem (every conversion from a
// Julian Day begins with one of them), the year and a day before the
// month's start by every From*. A date inside the limits converts to a
// Julian Day inside them, so a conversion from a date never moves its day.
constexpr int32_t FirstComputableJD = -1'000'000'000;
constexpr int32_t LastComputableJD = 1'000'000'000;
constexpr int32_t FirstComputableYear = -1'000'000;
constexpr int32_t LastComputableYear = 1'000'000;
// A day of the month counts back at most as far as a 16-bit year day can.
constexpr int32_t FirstComputableDay = INT16_MIN;

extern int32_t CalDates[5][6];
extern int32_t CurrentJD;
// Days in each month of every calendar's current year; month 13 is used by
// the Jewish leap year only and holds 0 otherwise.
extern int16_t MonthTable[5][14];
// Week day (1 Monday .. 7 Sunday) of the first day of every calendar's
// current year; 0 before its first conversion.
extern int16_t YearStartWeekDay[5];
extern int16_t YearTable[5][3];
extern int32_t YearBounds[5][3];
extern int16_t MinYear[5];
extern int16_t MaxYear[5];
extern int32_t MinJD[5];
extern int32_t MaxJD[5];
extern int16_t FirstWeekDay[5];

// Jewish leap layout of the month tables.
extern bool JewishLeap;

// Lengths of the years of the 30-year Moslem cycle, and the variant in use.
extern int16_t MoslemCycle[31];
extern int16_t MoslemType;

inline int16_t &MonthDays(int cal, int month) {
    return MonthTable[cal][month];
}
// Week day of the first day of a month 1 .. 13 of cal's current year, carried
// from the year's first day over the month lengths; past the last month of
// the year, the week day after the year's end. 0 for a month or calendar the
// tables do not hold, and before cal's first conversion.
int16_t MonthStartWeekDay(int cal, int month);
inline int16_t &YearDays(int cal) {
    return YearTable[cal][YearDaysLayer];
}
inline int16_t &YearWeeks(int cal) {
    return YearTable[cal][YearWeeksLayer];
}

// Back to the state before start-up: every table zero, and nothing kept
// from earlier conversions.
void Reset();

// The constant month lengths, the Moslem cycle and the admissible ranges
// (the Moslem range comes from SetMoslemType). The Jewish column starts in
// the common-year layout.
void InitCalendarTables();

// Counts by the Julian calendar; a day outside its month (zero, negative or
// past the end) is counted on from the month's start. Any arguments: the
// count is formed in 64 bits, and one beyond 32 bits gives INT32_MIN or
// INT32_MAX.
int32_t JulianDayOf(int32_t day, int32_t month, int32_t year);
// The day's number in cal's current year; months past 13 add no days. A sum
// beyond 16 bits gives INT16_MIN or INT16_MAX.
int16_t YearDayOf(int16_t cal, int32_t month, int32_t day);
// In: day holds a year day. Out: month and day of month; a year day beyond
// the year ends in month 13.
void SplitYearDay(int16_t cal, int32_t &month, int32_t &day);

// From*: the date in CalDates(cal, ·) -> CurrentJD and cal's year facts. A
// month outside the calendar's year becomes its nearest month and a day
// past the month's end its last day; a year or an early day past the
// computable limits becomes the nearer limit; all written back.
// To*: CurrentJD -> the date and year facts; ToJulian and ToMoslem first
// hold CurrentJD to FirstComputableJD .. LastComputableJD. ToGregorian and
// ToJewish start from the Julian date and the CurrentJD that ToJulian or
// FromJulian left, so one of them runs first.
void FromJulian();
void ToJulian();
void FromGregorian();
void ToGregorian();

// Julian Day of 1 Tishri of the year; any year, a day beyond 32 bits giving
// INT32_MIN or INT32_MAX as JulianDayOf does.
int32_t JewishNewYear(int32_t year);
// Lays the Jewish month lengths (and Texts::MonthNames of the Jewish column)
// out for the year whose length is in YearDays(Jewish).
void SetJewishYear();
void FromJewish();
void ToJewish();

// MoslemType 1 or another value -> MoslemCycle(15, 16) and the Moslem range.
void SetMoslemType();
void FromMoslem();
void ToMoslem();

} // namespace Calc
