#include "engine/Calc.h"

#include "engine/Arith.h"
#include "engine/CalcDetail.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace Calc {

int32_t CalDates[5][6];
int32_t CurrentJD;
int16_t MonthTable[5][14];
int16_t YearStartWeekDay[5];
int16_t YearTable[5][3];
int32_t YearBounds[5][3];
int16_t MinYear[5];
int16_t MaxYear[5];
int32_t MinJD[5];
int32_t MaxJD[5];
int16_t FirstWeekDay[5];
bool JewishLeap;
int16_t MoslemCycle[31];
int16_t MoslemType;

namespace {

// n -> the week day n - 1 days after a Monday, for n in 0 .. 63: carrying a
// week day over the months of a year then needs no remainder.
constexpr auto WeekDayAfter = [] {
    std::array<int16_t, 64> table{};
    for (int n = 0; n < 64; ++n)
        table[n] = static_cast<int16_t>((n + 6) % 7 + 1);
    return table;
}();

template <class Table> void Clear(Table &table) {
    std::memset(&table, 0, sizeof table);
}

// Months of 31 and 30 days alternate from January to July and again from
// August to December.
void FillJulianMonths() {
    for (int month : {1, 3, 5, 7, 8, 10}) {
        MonthDays(Julian, month) = 31;
        MonthDays(Julian, month + 1) = 30;
    }
    MonthDays(Julian, 12) = 31;
    MonthDays(Julian, 13) = 0;
}

// Tishri, Tevet, Shevat and Nisan .. Elul never change; Heshvan, Kislev and
// Adar follow the length of each year. Month 13 exists only in a leap year.
void FillJewishMonths() {
    MonthDays(Jewish, 1) = 30;
    MonthDays(Jewish, 4) = 29;
    MonthDays(Jewish, 5) = 30;
    for (int month : {7, 9, 11}) {
        MonthDays(Jewish, month) = 30;
        MonthDays(Jewish, month + 1) = 29;
    }
    MonthDays(Jewish, 13) = 0;
    JewishLeap = false;
}

void FillMoslemMonths() {
    for (int month = 1; month <= 11; month += 2) {
        MonthDays(Moslem, month) = 30;
        MonthDays(Moslem, month + 1) = 29;
    }
    MonthDays(Moslem, 13) = 0;
}

// The 11 years of 355 days among the 30 of the Arab cycle; years 15 and 16
// depend on the variant (SetMoslemType).
void FillMoslemCycle() {
    std::fill(std::begin(MoslemCycle) + 1, std::end(MoslemCycle), int16_t{354});
    for (int year : {2, 5, 7, 10, 13, 18, 21, 24, 26, 29})
        MoslemCycle[year] = 355;
}

} // namespace

void Reset() {
    Clear(CalDates);
    CurrentJD = 0;
    Clear(MonthTable);
    Clear(YearStartWeekDay);
    Clear(YearTable);
    Clear(YearBounds);
    Clear(MinYear);
    Clear(MaxYear);
    Clear(MinJD);
    Clear(MaxJD);
    Clear(FirstWeekDay);
    JewishLeap = false;
    Clear(MoslemCycle);
    MoslemType = 0;
    Detail::SumMoslemCycle();
    Detail::ForgetJewishNewYears();
}

void InitCalendarTables() {
    FillJulianMonths();
    for (int month = 1; month <= 13; ++month)
        MonthDays(Gregorian, month) = MonthDays(Julian, month);
    FillJewishMonths();
    FillMoslemMonths();
    FillMoslemCycle();

    const int16_t minYears[] = {0, 1, 1, 3761, 1};
    const int16_t maxYears[] = {0, 3000, 3000, 6761, 2452};
    std::copy(std::begin(minYears), std::end(minYears), MinYear);
    std::copy(std::begin(maxYears), std::end(maxYears), MaxYear);
    // 1 January 1 (Julian and Gregorian) and 1 Tishri 3761; 31 December 3000
    // and the last day of 6761. The Moslem entries belong to SetMoslemType.
    MinJD[Julian] = 1721424;
    MinJD[Gregorian] = 1721426;
    MinJD[Jewish] = 1721319;
    MaxJD[Julian] = 2817173;
    MaxJD[Gregorian] = 2817152;
    MaxJD[Jewish] = 2817404;
}

int32_t JulianDayOf(int32_t day, int32_t month, int32_t year) {
    return Arith::Saturate<int32_t>(Detail::JulianDayCount(day, month, year));
}

int64_t Detail::JulianDayCount(int64_t day, int64_t month, int64_t year) {
    // Counting the year from March puts the leap day last, so that the days
    // before each month follow 30.6 per month; January and February count as
    // months 14 and 15 of the year before.
    int64_t m = month + 1;
    int64_t y = year;
    if (month <= 2) {
        m = month + 13;
        y = year - 1;
    }
    // Both products in double precision: 30.6 in single precision would make
    // 5 x 30.6 fall just short of 153. Every term stays below 2^40, whole
    // and exact.
    const double sum = Arith::Trunc(static_cast<double>(y) * 365.25) +
                       Arith::Trunc(static_cast<double>(m) * 30.6) + static_cast<double>(day) +
                       1720995;
    return Arith::ToNearest(sum);
}

int16_t MonthStartWeekDay(int cal, int month) {
    if (!Detail::KnownCal(static_cast<int16_t>(cal)) || month < Detail::FirstMonth ||
        month > Detail::LastTableMonth || YearStartWeekDay[cal] == 0)
        return 0;
    // Months 1 .. 12 have 28 to 31 days: each moves the next month's start 0
    // to 3 week days on, 36 at most over the year. The mask keeps a table
    // that was never filled inside the lookup.
    int32_t shift = 0;
    for (int k = 1; k < month; ++k)
        shift += MonthDays(cal, k) - 28;
    return WeekDayAfter[(YearStartWeekDay[cal] + shift) & 63];
}

int16_t YearDayOf(int16_t cal, int32_t month, int32_t day) {
    int64_t yearDay = day;
    if (Detail::KnownCal(cal)) {
        const int32_t fullMonths =
            std::clamp(month, Detail::FirstMonth, Detail::LastTableMonth + 1) - 1;
        for (int32_t k = 1; k <= fullMonths; ++k)
            yearDay += MonthDays(cal, k);
    }
    return Arith::Saturate<int16_t>(yearDay);
}

void SplitYearDay(int16_t cal, int32_t &month, int32_t &day) {
    // Worked on copies: month and day usually point into CalDates, which the
    // loop would otherwise have to reread after every step.
    int32_t m = 1;
    int32_t d = day;
    if (Detail::KnownCal(cal)) {
        while (m < Detail::LastTableMonth && d > MonthDays(cal, m)) {
            d -= MonthDays(cal, m);
            ++m;
        }
    }
    month = m;
    day = d;
}

namespace Detail {

void ClampDate(int16_t cal, int32_t months) {
    int32_t &month = CalDates[cal][Month];
    int32_t &day = CalDates[cal][Day];
    month = std::clamp(month, FirstMonth, months);
    day = std::clamp(day, FirstComputableDay, MonthLength(cal, month));
}

} // namespace Detail

} // namespace Calc
