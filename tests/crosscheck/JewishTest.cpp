// The engine's Jewish calendar (Gauss's Passover rule) against the molad of
// Tishri with the four postponements, year by year and day by day.
#include "EngineDays.h"
#include "IcuCalendar.h"
#include "JewishReference.h"

#include "engine/Calc.h"

#include <gtest/gtest.h>

namespace Crosscheck {
namespace {

constexpr int32_t FirstYear = 3761;
constexpr int32_t LastYear = 6761;

TEST(JewishCalendar, EveryNewYearAgreesWithMoladReference) {
    StartEngine({});
    for (int32_t year = FirstYear; year <= LastYear + 1; ++year) {
        EXPECT_EQ(Calc::JewishNewYear(year), Reference::JewishNewYear(year)) << "year " << year;
    }
}

TEST(JewishCalendar, EveryDayAgreesWithMoladReference) {
    StartEngine({});
    EXPECT_EQ(Calc::MinJD[Calc::Jewish], Reference::JewishNewYear(FirstYear));
    EXPECT_EQ(Calc::MaxJD[Calc::Jewish], Reference::JewishNewYear(LastYear + 1) - 1);
    Mismatches mismatches;
    for (int32_t year = FirstYear; year <= LastYear; ++year) {
        const int32_t yearStart = Reference::JewishNewYear(year);
        const int32_t yearEnd = Reference::JewishNewYear(year + 1) - 1;
        const auto lengths = Reference::JewishMonthLengths(year);
        int32_t jd = yearStart;
        for (int32_t month = 1; month <= 13; ++month) {
            for (int32_t day = 1; day <= lengths[month]; ++day, ++jd) {
                const CalendarDay expected{
                    year,      month,  day, jd - yearStart + 1, yearEnd - yearStart + 1,
                    yearStart, yearEnd};
                CheckBothWays(Calc::Jewish, jd, expected, "molad reference", mismatches);
                if (Calc::MonthDays(Calc::Jewish, month) != lengths[month]) {
                    mismatches.Add("JD " + std::to_string(jd) + ": month " + std::to_string(month) +
                                   " has " + std::to_string(Calc::MonthDays(Calc::Jewish, month)) +
                                   " days, reference " + std::to_string(lengths[month]));
                }
            }
        }
        EXPECT_EQ(jd, yearEnd + 1) << "months of year " << year << " do not fill it";
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

// The reference on new years published in every Jewish calendar (Gregorian
// dates of Rosh Hashanah).
TEST(JewishReference, KnowsPublishedNewYears) {
    Oracle::IcuCalendar gregorian = Oracle::IcuCalendar::ProlepticGregorian();
    const struct {
        int32_t year;
        int32_t gregorianYear, month, day;
    } cases[] = {
        {5780, 2019, 9, 30}, {5781, 2020, 9, 19}, {5782, 2021, 9, 7},  {5783, 2022, 9, 26},
        {5784, 2023, 9, 16}, {5785, 2024, 10, 3}, {5786, 2025, 9, 23}, {5787, 2026, 9, 12},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Reference::JewishNewYear(c.year),
                  gregorian.JulianDayOf(c.gregorianYear, c.month - 1, c.day))
            << "year " << c.year;
    }
}

// ICU 72's hebrew calendar is no oracle here: where the molad falls on a
// Sunday afternoon at or after 15h 589p after a leap year, lo ADU moves the
// new year to Monday, and ICU then applies BeTUTaKPaT (meant for a molad on
// Monday) once more and lands on Tuesday. Every other year must agree.
TEST(JewishReference, DiffersFromIcuHebrewOnlyWhereIcuPostponesTwice) {
    Oracle::IcuCalendar hebrew = Oracle::IcuCalendar::Hebrew();
    for (int32_t year = FirstYear; year <= LastYear + 1; ++year) {
        const int32_t ours = Reference::JewishNewYear(year);
        const int32_t icu = hebrew.JulianDayOf(year, 0, 1);
        if (icu == ours) continue;
        EXPECT_EQ(icu, ours + 1) << "year " << year;
        const Reference::Molad molad = Reference::MoladOfTishri(year);
        EXPECT_EQ(molad.weekDay, 1) << "year " << year;
        EXPECT_GE(molad.time, Reference::MoladTime(15, 589)) << "year " << year;
        EXPECT_LT(molad.time, Reference::MoladTime(18, 0)) << "year " << year;
        EXPECT_TRUE(Reference::IsJewishLeapYear(year - 1)) << "year " << year;
    }
}

} // namespace
} // namespace Crosscheck
