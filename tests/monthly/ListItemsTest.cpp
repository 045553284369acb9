// The long lists of the Julian Day and moon-age fields.
#include "monthly/ListItems.h"
#include "EngineState.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

// 1 January of Julian year y (y >= 1), counted apart from the engine: year 1 began on
// Julian Day 1721424 and every fourth year is a leap year.
int32_t JulianNewYear(int32_t y) {
    return 1721424 + 365 * (y - 1) + (y - 1) / 4;
}

struct DayCase {
    int32_t day;
    bool listed; // the day appears in the list (it is in the range)
    bool extra;  // the day is added to the fixed entries
};

TEST(ListItems, JulianDaysHoldTheRangeTheNewYearsAndTheCurrentDayOnceInOrder) {
    StartEngine();
    std::set<int32_t> newYears;
    for (int32_t year = 1; year <= 3001; ++year)
        newYears.insert(JulianNewYear(year));
    const DayCase cases[] = {{1721319, true, false},
                             {1721318, false, false},
                             {JulianNewYear(2000), true, false},
                             {JulianNewYear(5) - 1, true, true},
                             {JulianNewYear(2024) + 1, true, true},
                             {2817405, false, false}};
    for (const DayCase &c : cases) {
        SCOPED_TRACE(c.day);
        const std::vector<int32_t> days = Monthly::JulianDays(c.day);
        EXPECT_TRUE(std::adjacent_find(days.begin(), days.end(), std::greater_equal<>()) ==
                    days.end());
        ASSERT_EQ(days.size(), 3003u + (c.extra ? 1 : 0));
        EXPECT_EQ(days.front(), 1721319);
        EXPECT_EQ(days.back(), 2817404);
        EXPECT_EQ(std::count(days.begin(), days.end(), c.day), c.listed ? 1 : 0);
        for (std::size_t i = 1; i + 1 < days.size(); ++i) {
            EXPECT_TRUE(days[i] == c.day || newYears.count(days[i])) << days[i];
        }
    }
}

struct AgeCase {
    float age;
    int count;
    int place; // where the age stands in the list
};

TEST(ListItems, MoonAgesHoldTheWholeDaysAndTheAgeOnceInItsPlace) {
    const AgeCase cases[] = {{0.0f, 30, 0},   {0.3f, 31, 1},   {14.0f, 30, 14}, {12.3f, 31, 13},
                             {28.9f, 31, 29}, {29.0f, 30, 29}, {29.5f, 31, 30}};
    for (const AgeCase &c : cases) {
        SCOPED_TRACE(c.age);
        const QStringList ages = Monthly::MoonAges(c.age);
        ASSERT_EQ(ages.size(), c.count);
        EXPECT_FLOAT_EQ(ages[c.place].toFloat(), c.age);
        for (qsizetype i = 1; i < ages.size(); ++i)
            EXPECT_LT(ages[i - 1].toFloat(), ages[i].toFloat()) << "at " << i;
    }
}

} // namespace
