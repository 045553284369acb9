#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/CalcDetail.h"
#include "engine/ChangeCals.h"

namespace Calc {

namespace {

// A centurial year is a leap year only when it is a multiple of 400.
bool CenturialCommon(int32_t year) {
    return Arith::Mod(year, 100) == 0 && Arith::Mod(year, 400) != 0;
}

void ApplyGregorianLeap(int32_t year) {
    const bool leap = Arith::Mod(year, 4) == 0 && !CenturialCommon(year);
    MonthDays(Gregorian, 2) = leap ? 29 : 28;
    YearDays(Gregorian) = leap ? 366 : 365;
}

// Days the Gregorian calendar runs ahead of the Julian in a year: one per
// centurial common year since the start of the count, less the two by which
// the Julian calendar was ahead in year 1 (10 days in 1582). January and
// February of a centurial common year still lie before its skipped leap day.
int32_t GregorianLead(int32_t year, int32_t month) {
    int32_t lead = Arith::Div(year, 100) - Arith::Div(year, 400) - 2;
    if (CenturialCommon(year) && month < 3) --lead;
    return lead;
}

} // namespace

void FromGregorian() {
    int32_t *date = CalDates[Gregorian];
    Detail::ClampYear(Gregorian);
    ApplyGregorianLeap(date[Year]);
    Detail::ClampDate(Gregorian, 12);
    // The Julian formula absorbs a day beyond the month's end.
    const int32_t julianDay = date[Day] - GregorianLead(date[Year], date[Month]);
    CurrentJD = JulianDayOf(julianDay, date[Month], date[Year]);
    date[YearDay] = YearDayOf(Gregorian, date[Month], date[Day]);
    Detail::SetYearBoundsFromDay(Gregorian);
    ChangeCals::SetMonthWeekDays(Gregorian);
}

void ToGregorian() {
    const int32_t *julian = CalDates[Julian];
    int32_t *date = CalDates[Gregorian];
    int32_t year = julian[Year];
    int32_t month = julian[Month];
    int32_t day = julian[Day] + GregorianLead(year, month);
    if (month == 12 && day >= 32) {
        day -= 31;
        month = 1;
        ++year;
    } else if (month == 1 && day < 1) {
        day += 31;
        month = 12;
        --year;
    }
    ApplyGregorianLeap(year);
    if (day < 1) {
        --month;
        day += Detail::MonthLength(Gregorian, month);
    }
    // Within the admissible years the lead is at most 21 days, so one step
    // into the next month is enough.
    if (day > Detail::MonthLength(Gregorian, month)) {
        day -= Detail::MonthLength(Gregorian, month);
        ++month;
    }
    date[Day] = day;
    date[Month] = month;
    date[Year] = year;
    date[YearDay] = YearDayOf(Gregorian, month, day);
    Detail::SetYearBoundsFromDay(Gregorian);
    ChangeCals::SetMonthWeekDays(Gregorian);
}

} // namespace Calc
