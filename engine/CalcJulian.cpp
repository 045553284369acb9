#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/CalcDetail.h"
#include "engine/ChangeCals.h"

#include <algorithm>

namespace Calc {

namespace {

// Julian Day of 31 December of year 0, the day before the first four-year
// block of the Julian count.
constexpr int32_t JulianYearZeroEnd = 1721423;
constexpr int32_t DaysIn4Years = 3 * 365 + 366;
static_assert(DaysIn4Years == 1461);

// Every fourth year is a leap year, year 0 included.
void ApplyJulianLeap(int32_t year) {
    const bool leap = Arith::Mod(year, 4) == 0;
    MonthDays(Julian, 2) = leap ? 29 : 28;
    YearDays(Julian) = leap ? 366 : 365;
}

void SetJulianYearBounds(int32_t year) {
    YearBounds[Julian][1] = JulianDayOf(1, 1, year);
    Detail::SetYearEnd(Julian);
}

} // namespace

void FromJulian() {
    int32_t *date = CalDates[Julian];
    Detail::ClampYear(Julian);
    ApplyJulianLeap(date[Year]);
    Detail::ClampDate(Julian, 12);
    CurrentJD = JulianDayOf(date[Day], date[Month], date[Year]);
    SetJulianYearBounds(date[Year]);
    date[YearDay] = CurrentJD - YearBounds[Julian][1] + 1;
    ChangeCals::SetMonthWeekDays(Julian);
}

void ToJulian() {
    int32_t *date = CalDates[Julian];
    Detail::ClampCurrentJD();
    // A block starts on 1 January of a year after a multiple of 4: block days
    // 1..365, 366..730 and 731..1095 are its three common years, 1096..1460
    // and 0 (day 1461) its leap year.
    int32_t d = CurrentJD - JulianYearZeroEnd;
    int32_t year = Arith::Div(d, DaysIn4Years) * 4;
    d = Arith::Mod(d, DaysIn4Years); // (-1461, 1461); negative only before year 1
    if (d >= 1) {
        const int32_t yearsBefore = std::min(Arith::Div(d - 1, 365), 3); // [0, 3]
        d -= 365 * yearsBefore;
        year += yearsBefore + 1;
    } else {
        d = 366;
    }
    ApplyJulianLeap(year);
    date[Year] = year;
    date[YearDay] = d;
    date[Day] = d;
    SplitYearDay(Julian, date[Month], date[Day]);
    Detail::SetYearBoundsFromDay(Julian);
    ChangeCals::SetMonthWeekDays(Julian);
}

} // namespace Calc
