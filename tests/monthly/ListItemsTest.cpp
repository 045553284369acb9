// The long lists of the Julian Day and moon-age fields.
#include "monthly/ListItems.h"

#include "engine/Calc.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

// 1 January of Julian year y (y >= 1), counted independently of the engine: year 1
// began on Julian Day 1721424 and every fourth year is a leap year.
int32_t JulianNewYear(int32_t y) {
    return 1721424 + 365 * (y - 1) + (y - 1) / 4;
}

struct DayCase {
    const char *name;
    int32_t day;
    bool listed; // the day appears in the list (it is in the range)
    bool extra;  // the day is added to the fixed entries
};

class JulianDaysTest : public testing::TestWithParam<DayCase> {
  protected:
    void SetUp() override {
        Calc::Reset();
        Calc::InitCalendarTables();
    }
};

TEST_P(JulianDaysTest, HoldsTheRangeTheNewYearsAndTheCurrentDayOnceInOrder) {
    const DayCase &c = GetParam();
    const std::vector<int32_t> days = Monthly::JulianDays(c.day);

    EXPECT_TRUE(std::adjacent_find(days.begin(), days.end(), std::greater_equal<>()) == days.end())
        << "not strictly ascending";
    ASSERT_EQ(days.size(), 3003u + (c.extra ? 1 : 0));
    EXPECT_EQ(days.front(), Calc::MinJD[Calc::Jewish]);
    EXPECT_EQ(days.back(), Calc::MaxJD[Calc::Jewish]);
    EXPECT_EQ(std::count(days.begin(), days.end(), c.day), c.listed ? 1 : 0);

    std::set<int32_t> newYears;
    for (int32_t year = 1; year <= 3001; ++year)
        newYears.insert(JulianNewYear(year));
    for (std::size_t i = 1; i + 1 < days.size(); ++i) {
        if (days[i] != c.day) {
            EXPECT_TRUE(newYears.count(days[i])) << days[i] << " is no Julian new year";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, JulianDaysTest,
    testing::Values(DayCase{"FirstOfTheRange", 1721319, true, false},
                    DayCase{"BeforeTheRange", 1721318, false, false},
                    DayCase{"NewYearOfYear1", 1721424, true, false},
                    DayCase{"NewYearOf2000", JulianNewYear(2000), true, false},
                    DayCase{"LastDayOfTheLeapYear4", JulianNewYear(5) - 1, true, true},
                    DayCase{"DayAfterANewYear", JulianNewYear(2024) + 1, true, true},
                    DayCase{"NewYearOf3001", JulianNewYear(3001), true, false},
                    DayCase{"LastOfTheRange", 2817404, true, false},
                    DayCase{"AfterTheRange", 2817405, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

struct AgeCase {
    const char *name;
    float age;
    int count;
    int place; // where the age stands in the list
};

class MoonAgesTest : public testing::TestWithParam<AgeCase> {};

TEST_P(MoonAgesTest, HoldsTheWholeDaysAndTheAgeOnceInItsPlace) {
    const AgeCase &c = GetParam();
    const QStringList ages = Monthly::MoonAges(c.age);
    ASSERT_EQ(ages.size(), c.count);
    EXPECT_FLOAT_EQ(ages[c.place].toFloat(), c.age);
    EXPECT_EQ(ages.count(ages[c.place]), 1);
    for (qsizetype i = 1; i < ages.size(); ++i)
        EXPECT_LT(ages[i - 1].toFloat(), ages[i].toFloat()) << "at " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Ages, MoonAgesTest,
    testing::Values(AgeCase{"NewMoon", 0.0f, 30, 0}, AgeCase{"UnderOneDay", 0.3f, 31, 1},
                    AgeCase{"WholeDay", 14.0f, 30, 14}, AgeCase{"BetweenDays", 12.3f, 31, 13},
                    AgeCase{"JustUnder29", 28.9f, 31, 29}, AgeCase{"Day29", 29.0f, 30, 29},
                    AgeCase{"Past29", 29.5f, 31, 30}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
