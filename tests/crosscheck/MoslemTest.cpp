// Every admissible Moslem day of both variants against a closed-form count of
// the 30-year cycle, and variant 2 also against ICU's islamic-civil.
#include "EngineDays.h"
#include "IcuCalendar.h"
#include "MoslemReference.h"

#include "engine/Calc.h"

#include <gtest/gtest.h>

#include <vector>

namespace Crosscheck {
namespace {

CalendarDay ReferenceDay(const Reference::MoslemVariant &variant, int32_t jd) {
    const Reference::MoslemDate date = Reference::MoslemDateOf(variant, jd);
    const int32_t yearStart = jd - date.yearDay + 1;
    return {date.year,
            date.month,
            date.day,
            date.yearDay,
            date.yearDays,
            yearStart,
            yearStart + date.yearDays - 1};
}

void CheckAgainstReference(int16_t moslemType, const Reference::MoslemVariant &variant) {
    StartEngine({.moslemType = moslemType});
    EXPECT_EQ(Calc::MinJD[Calc::Moslem], variant.epochJD);
    EXPECT_EQ(Calc::MaxJD[Calc::Moslem], Reference::MoslemNewYear(variant, 2453) - 1);
    Mismatches mismatches;
    for (int32_t jd = Calc::MinJD[Calc::Moslem]; jd <= Calc::MaxJD[Calc::Moslem]; ++jd) {
        CheckBothWays(Calc::Moslem, jd, ReferenceDay(variant, jd), "closed form", mismatches);
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

TEST(MoslemCalendar, Type1EveryDayAgreesWithClosedForm) {
    CheckAgainstReference(1, Reference::MoslemType1);
}

TEST(MoslemCalendar, Type2EveryDayAgreesWithClosedForm) {
    CheckAgainstReference(2, Reference::MoslemType2);
}

TEST(MoslemCalendar, Type2EveryDayAgreesWithIcuIslamicCivil) {
    StartEngine({.moslemType = 2});
    Oracle::IcuCalendar icu = Oracle::IcuCalendar::IslamicCivil();
    Mismatches mismatches;
    for (int32_t jd = Calc::MinJD[Calc::Moslem]; jd <= Calc::MaxJD[Calc::Moslem]; ++jd) {
        ConvertJD(jd);
        const Oracle::IcuFields fields = icu.FieldsOf(jd);
        const CalendarDay actual = EngineDay(Calc::Moslem);
        if (actual.year != fields.year || actual.month != fields.month + 1 ||
            actual.day != fields.day || actual.yearDay != fields.yearDay) {
            mismatches.Add("JD " + std::to_string(jd) + ": engine " + Describe(actual) + ", ICU " +
                           std::to_string(fields.year) + "-" + std::to_string(fields.month + 1) +
                           "-" + std::to_string(fields.day));
        }
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

// The closed form must hold the cycle the options window describes, not merely
// agree with itself.
TEST(MoslemReference, LeapYearsOfTheCycleAreTheDescribedOnes) {
    const struct {
        const char *name;
        Reference::MoslemVariant variant;
        std::vector<int32_t> leapYears;
    } cases[] = {
        {"type1", Reference::MoslemType1, {2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29}},
        {"type2", Reference::MoslemType2, {2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29}},
    };
    for (const auto &c : cases) {
        std::vector<int32_t> leapYears;
        for (int32_t year = 31; year <= 60; ++year) {
            const int32_t length = Reference::MoslemNewYear(c.variant, year + 1) -
                                   Reference::MoslemNewYear(c.variant, year);
            if (length == 355) leapYears.push_back(year - 30);
        }
        EXPECT_EQ(leapYears, c.leapYears) << c.name;
    }
}

} // namespace
} // namespace Crosscheck
