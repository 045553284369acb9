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

// Layers of MonthTable and YearTable.
constexpr int MonthDaysLayer = 1;
constexpr int MonthStartWeekDayLayer = 2;
constexpr int YearDaysLayer = 1;
constexpr int YearWeeksLayer = 2;

extern int32_t CalDates[5][6];
extern int32_t CurrentJD;
extern int16_t MonthTable[5][14][3];
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

inline int16_t &MonthDays(int cal, int month) { return MonthTable[cal][month][MonthDaysLayer]; }
inline int16_t &MonthStartWeekDay(int cal, int month) {
    return MonthTable[cal][month][MonthStartWeekDayLayer];
}
inline int16_t &YearDays(int cal) { return YearTable[cal][YearDaysLayer]; }
inline int16_t &YearWeeks(int cal) { return YearTable[cal][YearWeeksLayer]; }

// Back to the state before start-up: every table zero.
void Reset();

void InitCalendarTables();

int32_t JulianDayOf(int32_t day, int32_t month, int32_t year);
int16_t YearDayOf(int16_t cal, int32_t month, int32_t day);
void SplitYearDay(int16_t cal, int32_t &month, int32_t &day);

void FromJulian();
void ToJulian();
void FromGregorian();
void ToGregorian();

int32_t JewishNewYear(int32_t year);
void SetJewishYear();
void FromJewish();
void ToJewish();

void SetMoslemType();
void FromMoslem();
void ToMoslem();

} // namespace Calc
