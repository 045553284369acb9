#include "EngineTestSupport.h"

using namespace Calc;
using namespace ChangeCals;
using namespace EngineTestSupport;

namespace {

struct WeekCase {
    const char *name;
    Date gregorian;
    int16_t firstWeekDay;
    int32_t week;
    int16_t yearWeeks;
};

// 1 January 2000 was a Saturday and 1 January 2001 a Monday.
const WeekCase WeekCases[] = {
    {"Saturday1January2000InWeek1", {1, 1, 2000}, 7, 1, 54},
    {"Sunday2January2000StartsWeek2", {2, 1, 2000}, 7, 2, 54},
    {"LastDayOf2000InWeek54", {31, 12, 2000}, 7, 54, 54},
    {"YearStartingTheWeek", {7, 1, 2000}, 6, 1, 53},
    {"SecondWeekOfYearStartingTheWeek", {8, 1, 2000}, 6, 2, 53},
    {"CommonYearStartingTheWeekEndsInWeek53", {31, 12, 2001}, 1, 53, 53},
};

class WeekFactsTest : public EngineTest, public ::testing::WithParamInterface<WeekCase> {};

TEST_P(WeekFactsTest, CountsWeeksFromTheFirstWeekDay) {
    const WeekCase &week = GetParam();
    FirstWeekDay[Gregorian] = week.firstWeekDay;
    ChangeTo(Gregorian, week.gregorian);
    EXPECT_EQ(CalDates[Gregorian][Week], week.week);
    EXPECT_EQ(YearWeeks(Gregorian), week.yearWeeks);
}

INSTANTIATE_TEST_SUITE_P(Engine, WeekFactsTest, ::testing::ValuesIn(WeekCases), RowName);

TEST_F(EngineTest, WeekFactsFollowAChangedFirstWeekDay) {
    ChangeTo(Gregorian, {2, 1, 2000});
    FirstWeekDay[Gregorian] = 1;
    SetWeekFacts(Gregorian);
    EXPECT_EQ(CalDates[Gregorian][Week], 1);
    EXPECT_EQ(YearWeeks(Gregorian), 53);
}

struct MoonCase {
    const char *name;
    int32_t jd;
    float age;
    float tolerance;
    int16_t phase;
};

// The reference day itself and whole days after it, exactly; and days near
// published new moons (6 January 2000 18:14 and 20 February 2023 07:06 UT),
// within the hours by which the mean moon leads or lags the true one.
const MoonCase MoonCases[] = {
    {"ReferenceNewMoon", 1720993, 0.0f, 0.0f, 0},
    {"FullMoonAfter15Days", 1720993 + 15, 15.0f, 0.0f, 4},
    {"NearNewMoonAfter29Days", 1720993 + 29, 29.0f, 0.0f, 8},
    {"NextMonthAfter30Days", 1720993 + 30, 0.46941185f, 0.0f, 0},
    {"January1Of2000", 2451545, 24.3f, 0.75f, 7},
    {"February24Of2023", 2460000, 4.2f, 0.75f, 1},
};

class MoonTest : public EngineTest, public ::testing::WithParamInterface<MoonCase> {};

TEST_P(MoonTest, AgeAndPhase) {
    ChangeToJD(GetParam().jd);
    if (GetParam().tolerance == 0.0f)
        EXPECT_FLOAT_EQ(MoonAge, GetParam().age);
    else
        EXPECT_NEAR(MoonAge, GetParam().age, GetParam().tolerance);
    EXPECT_EQ(MoonPhase, GetParam().phase);
}

INSTANTIATE_TEST_SUITE_P(Engine, MoonTest, ::testing::ValuesIn(MoonCases), RowName);

TEST_F(EngineTest, January1Of2000IsASaturday) {
    ChangeToJD(2451545);
    EXPECT_EQ(CurrentWeekDay, 6);
}

TEST_F(EngineTest, ChangeCalOfNoCalendarOnlyRecomputesTheDayFacts) {
    ChangeTo(Gregorian, {1, 1, 2000});
    int32_t before[5][6];
    std::copy(&CalDates[0][0], &CalDates[0][0] + 30, &before[0][0]);
    CurrentJD = 1720993 + 15;
    ChangeSource = 3;
    int16_t none = 0;
    ChangeCal(none);
    EXPECT_TRUE(std::equal(&CalDates[0][0], &CalDates[0][0] + 30, &before[0][0]));
    EXPECT_EQ(CurrentWeekDay, 3);
    EXPECT_FLOAT_EQ(MoonAge, 15.0f);
    EXPECT_EQ(ChangeSource, 0);
}

} // namespace
