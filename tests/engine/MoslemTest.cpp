#include "EngineTestSupport.h"

#include <numeric>

using namespace Calc;
using namespace EngineTestSupport;

namespace {

struct Variant {
    const char *name;
    int16_t type;
    int16_t year15;
    int16_t year16;
    int32_t epoch;
    int32_t lastDay;
};

// Any type other than 1 is the civil variant.
const Variant Variants[] = {
    {"Hegira15July", 1, 355, 354, 1948439, 2817345},
    {"Hegira16July", 2, 354, 355, 1948440, 2817346},
    {"UnknownTypeIsHegira16July", 7, 354, 355, 1948440, 2817346},
};

class MoslemVariantTest : public ::testing::TestWithParam<Variant> {};

TEST_P(MoslemVariantTest, SetsCycleAndRange) {
    const Variant &variant = GetParam();
    StartEngine(variant.type);
    EXPECT_EQ(MoslemCycle[15], variant.year15);
    EXPECT_EQ(MoslemCycle[16], variant.year16);
    EXPECT_EQ(std::accumulate(MoslemCycle + 1, MoslemCycle + 31, 0), 10631);

    ChangeTo(Moslem, {1, 1, 1});
    EXPECT_EQ(CurrentJD, variant.epoch);
    EXPECT_EQ(CurrentJD, MinJD[Moslem]);
    ChangeToJD(MaxJD[Moslem]);
    EXPECT_EQ(CurrentJD, variant.lastDay);
    EXPECT_EQ(DateIn(Moslem), (Date{29, 12, 2452}));

    ChangeTo(Moslem, {30, 12, 15});
    EXPECT_EQ(YearDays(Moslem), variant.year15);
    EXPECT_EQ(CalDates[Moslem][Day], variant.year15 == 355 ? 30 : 29);
    ChangeTo(Moslem, {1, 1, 16});
    EXPECT_EQ(YearDays(Moslem), variant.year16);
}

INSTANTIATE_TEST_SUITE_P(Engine, MoslemVariantTest, ::testing::ValuesIn(Variants), RowName);

using MoslemTest = EngineTest;

TEST_F(MoslemTest, DhuAlHijjah30OfACommonYearIsClamped) {
    ChangeTo(Moslem, {30, 12, 1});
    EXPECT_EQ(DateIn(Moslem), (Date{29, 12, 1}));
}

// The tabular civil calendar's 1 Muharram 1445 is Wednesday 19 July 2023.
TEST_F(MoslemTest, Muharram1445OfTheCivilCalendar) {
    StartEngine(2);
    ChangeTo(Moslem, {1, 1, 1445});
    EXPECT_EQ(DateIn(Gregorian), (Date{19, 7, 2023}));
    EXPECT_EQ(ChangeCals::CurrentWeekDay, 3);
}

struct Switch {
    const char *name;
    Date civil; // with MoslemType 2
    Date other; // the same day with MoslemType 1
};

// Cycle year 16 starts on the same day in both variants: it follows 355
// extra days in the variant whose epoch is a day earlier.
const Switch Switches[] = {
    {"Muharram1Of1445MovesOn", {1, 1, 1445}, {2, 1, 1445}},
    {"LastDayOfCycleYear15MovesOn", {29, 12, 15}, {30, 12, 15}},
    {"CycleYear16StartsTogether", {1, 1, 16}, {1, 1, 16}},
    {"Day354OfCycleYear16Stays", {29, 12, 16}, {29, 12, 16}},
    {"Day355OfCycleYear16MovesOn", {30, 12, 16}, {1, 1, 17}},
};

class MoslemSwitchTest : public ::testing::TestWithParam<Switch> {};

TEST_P(MoslemSwitchTest, KeepsTheDayAndMovesTheMoslemDate) {
    StartEngine(2);
    ChangeTo(Moslem, GetParam().civil);
    const int32_t jd = CurrentJD;
    MoslemType = 1;
    SetMoslemType();
    ToMoslem();
    EXPECT_EQ(CurrentJD, jd);
    EXPECT_EQ(DateIn(Moslem), GetParam().other);
}

INSTANTIATE_TEST_SUITE_P(Engine, MoslemSwitchTest, ::testing::ValuesIn(Switches), RowName);

} // namespace
