// What the whole-range comparisons leave out: dates outside a calendar's
// years, dates a month does not have, published feast days, and the Moslem
// variant that no outside calendar shares. (The Jewish month names of leap
// and common years are the language tests' part, through the real loader.)
#include "EngineTestSupport.h"

using namespace Calc;
using namespace EngineTestSupport;

namespace {

constexpr int16_t FromJD = 0;

struct KnownDate {
    const char *name;
    int16_t from; // calendar of the given date, or FromJD
    Date given;
    int32_t jd;
    int16_t cal; // calendar whose date is checked
    Date expected;
};

const KnownDate KnownDates[] = {
    {"JulianYear1InGregorian", Julian, {1, 1, 1}, 1721424, Gregorian, {30, 12, 0}},
    {"JulianYear0Ends", FromJD, {}, 1721423, Julian, {31, 12, 0}},
    {"JulianFebruary31Clamped", Julian, {31, 2, 2001}, 2451982, Julian, {28, 2, 2001}},
    {"Gregorian29February1900Clamped", Gregorian, {29, 2, 1900}, 2415079, Gregorian, {28, 2, 1900}},
    {"Adar30OfACommonYearClamped", Jewish, {30, 6, 5785}, 2460764, Jewish, {29, 6, 5785}},
    {"Month13OfACommonYearIsElul", Jewish, {5, 13, 5785}, 2460917, Jewish, {5, 12, 5785}},
    {"DhuAlHijjah30OfACommonYearClamped", Moslem, {30, 12, 1}, 1948792, Moslem, {29, 12, 1}},
};

TEST_F(EngineTest, KnownDatesConvertToTheirCounterparts) {
    for (const KnownDate &known : KnownDates) {
        SCOPED_TRACE(known.name);
        if (known.from == FromJD)
            ChangeToJD(known.jd);
        else
            ChangeTo(known.from, known.given);
        EXPECT_EQ(CurrentJD, known.jd);
        EXPECT_EQ(DateIn(known.cal), known.expected);
    }
}

// A settings file may hold any number: only 1 is the Hegira of 15 July.
TEST(MoslemTest, AnyTypeButOneIsTheCivilCalendar) {
    StartEngine(7);
    ChangeTo(Moslem, {1, 1, 1});
    EXPECT_EQ(CurrentJD, 1948440);
}

// Cycle year 16 starts on the same day in both variants: it follows 355
// extra days in the variant whose epoch is a day earlier.
const struct {
    const char *name;
    Date civil; // with MoslemType 2
    Date other; // the same day with MoslemType 1
} Switches[] = {
    {"Muharram1Of1445MovesOn", {1, 1, 1445}, {2, 1, 1445}},
    {"LastDayOfCycleYear15MovesOn", {29, 12, 15}, {30, 12, 15}},
    {"CycleYear16StartsTogether", {1, 1, 16}, {1, 1, 16}},
    {"Day355OfCycleYear16MovesOn", {30, 12, 16}, {1, 1, 17}},
};

// What the options window does: the day stays, its Moslem date moves.
TEST(MoslemTest, SwitchKeepsTheDayAndMovesTheMoslemDate) {
    for (const auto &change : Switches) {
        SCOPED_TRACE(change.name);
        StartEngine(2);
        ChangeTo(Moslem, change.civil);
        const int32_t jd = CurrentJD;
        MoslemType = 1;
        SetMoslemType();
        ToMoslem();
        EXPECT_EQ(CurrentJD, jd);
        EXPECT_EQ(DateIn(Moslem), change.other);
    }
}

} // namespace
