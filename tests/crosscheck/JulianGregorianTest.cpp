// Every admissible day of the Julian and Gregorian calendars against ICU's
// GregorianCalendar with the reform moved out of reach in either direction.
#include "EngineDays.h"
#include "IcuCalendar.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"

#include <gtest/gtest.h>

namespace Crosscheck {
namespace {

// The engine's row of a calendar for every day of its range, both ways,
// against ICU; the year's length comes from ICU's next 1 January.
void CheckAgainstIcu(int16_t cal, Oracle::IcuCalendar &icu) {
    StartEngine({});
    Mismatches mismatches;
    int32_t yearOfLength = 0;
    int32_t yearDays = 0;
    for (int32_t jd = Calc::MinJD[cal]; jd <= Calc::MaxJD[cal]; ++jd) {
        const Oracle::IcuFields fields = icu.FieldsOf(jd);
        if (fields.year != yearOfLength) {
            yearOfLength = fields.year;
            yearDays = icu.JulianDayOf(fields.year + 1, 0, 1) - icu.JulianDayOf(fields.year, 0, 1);
        }
        const int32_t yearStart = jd - fields.yearDay + 1;
        const CalendarDay expected{
            fields.year, fields.month + 1,        fields.day, fields.yearDay, yearDays,
            yearStart,   yearStart + yearDays - 1};
        CheckBothWays(cal, jd, expected, "ICU", mismatches);
        if (ChangeCals::CurrentWeekDay != fields.weekDay) {
            mismatches.Add("JD " + std::to_string(jd) + ": week day " +
                           std::to_string(ChangeCals::CurrentWeekDay) + ", ICU " +
                           std::to_string(fields.weekDay));
        }
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

TEST(JulianCalendar, EveryDayAgreesWithIcuPureJulian) {
    Oracle::IcuCalendar icu = Oracle::IcuCalendar::PureJulian();
    CheckAgainstIcu(Calc::Julian, icu);
}

TEST(GregorianCalendar, EveryDayAgreesWithIcuProlepticGregorian) {
    Oracle::IcuCalendar icu = Oracle::IcuCalendar::ProlepticGregorian();
    CheckAgainstIcu(Calc::Gregorian, icu);
}

// The oracle itself, on dates everyone knows: the reform's first day and the
// day before it, once in each calendar.
TEST(IcuOracle, KnowsTheReformDays) {
    Oracle::IcuCalendar julian = Oracle::IcuCalendar::PureJulian();
    Oracle::IcuCalendar gregorian = Oracle::IcuCalendar::ProlepticGregorian();
    EXPECT_EQ(gregorian.JulianDayOf(1582, 9, 15), 2299161);
    EXPECT_EQ(julian.JulianDayOf(1582, 9, 4), 2299160);
    EXPECT_EQ(gregorian.JulianDayOf(2000, 0, 1), 2451545);
    EXPECT_EQ(julian.JulianDayOf(1, 0, 1), 1721424);
}

} // namespace
} // namespace Crosscheck
