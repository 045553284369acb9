#include "EngineTestSupport.h"

using namespace Calc;
using namespace ChangeCals;
using namespace EngineTestSupport;

namespace {

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
    int16_t phase;
};

// Days near published new moons (6 January 2000 18:14 and 20 February 2023
// 07:06 UT), within the hours by which the mean moon leads or lags the true one.
const MoonCase MoonCases[] = {
    {"January1Of2000", 2451545, 24.3f, 7},
    {"February24Of2023", 2460000, 4.2f, 1},
};

class MoonTest : public EngineTest, public ::testing::WithParamInterface<MoonCase> {};

TEST_P(MoonTest, AgeAndPhase) {
    ChangeToJD(GetParam().jd);
    EXPECT_NEAR(MoonAge, GetParam().age, 0.75f);
    EXPECT_EQ(MoonPhase, GetParam().phase);
}

INSTANTIATE_TEST_SUITE_P(Engine, MoonTest, ::testing::ValuesIn(MoonCases), RowName);

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
