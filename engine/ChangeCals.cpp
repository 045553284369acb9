#include "engine/ChangeCals.h"

#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/CalcDetail.h"

namespace ChangeCals {

using namespace Calc;

int16_t CurrentWeekDay;
float MoonAge;
int16_t MoonPhase;
int16_t ChangeSource;
int16_t MonthlySourceColumn;

namespace {

// The mean new moon from which the moon's age is counted.
constexpr int32_t ReferenceNewMoon = 1720993;

// Julian Day 0 was a Monday (week day 1).
int16_t WeekDayOf(int32_t jd) {
    return static_cast<int16_t>(Arith::Mod(jd, 7) + 1);
}

// Weeks a run of days touches when it is counted from the start of a week.
int32_t WeeksTouched(int32_t days) {
    return Arith::Div(days, 7) + (Arith::Mod(days, 7) != 0 ? 1 : 0);
}

} // namespace

void Reset() {
    CurrentWeekDay = 0;
    MoonAge = 0;
    MoonPhase = 0;
    ChangeSource = 0;
    MonthlySourceColumn = 0;
    SetWindows(nullptr);
}

void ChangeCal(int16_t cal) {
    // The Julian date always comes before the Gregorian (derived from it) and
    // the Jewish (which starts from the Julian year).
    switch (cal) {
    case Julian:
        FromJulian();
        ToGregorian();
        ToJewish();
        ToMoslem();
        break;
    case Gregorian:
        FromGregorian();
        ToJulian();
        ToJewish();
        ToMoslem();
        break;
    case Jewish:
        FromJewish();
        ToJulian();
        ToGregorian();
        ToMoslem();
        break;
    case Moslem:
        FromMoslem();
        ToJulian();
        ToGregorian();
        ToJewish();
        break;
    default:
        break;
    }
    SetDayFacts();
    RefreshWindows();
}

void ChangeJD() {
    ToJulian();
    ToGregorian();
    ToJewish();
    ToMoslem();
    SetDayFacts();
    RefreshWindows();
}

void SetMonthWeekDays(int16_t cal) {
    if (!Detail::KnownCal(cal)) return;
    YearStartWeekDay[cal] = WeekDayOf(YearBounds[cal][1]);
    SetWeekFacts(cal);
}

void SetWeekFacts(int16_t cal) {
    if (!Detail::KnownCal(cal)) return;
    // Week 1 begins on FirstWeekDay and holds the year's first day, so it may
    // start with days of the year before.
    const int32_t daysBefore = Arith::Mod(YearStartWeekDay[cal] - FirstWeekDay[cal] + 7, 7);
    YearWeeks(cal) = static_cast<int16_t>(WeeksTouched(YearDays(cal) + daysBefore));
    CalDates[cal][Week] = WeeksTouched(CalDates[cal][YearDay] + daysBefore);
}

void SetDayFacts() {
    CurrentWeekDay = WeekDayOf(CurrentJD);
    const double n = CurrentJD - ReferenceNewMoon;
    const double month = SynodicMonth;
    const double age = n - Arith::Trunc(n / month) * month;
    MoonAge = static_cast<float>(age);
    MoonPhase = static_cast<int16_t>(Arith::ToNearest(age / month * 8));
}

} // namespace ChangeCals
