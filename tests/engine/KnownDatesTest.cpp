// What the whole-range comparisons leave out: dates outside a calendar's
// years, dates a month does not have, and published feast days.
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
    {"GregorianFebruary29Of1900Clamped",
     Gregorian,
     {29, 2, 1900},
     2415079,
     Gregorian,
     {28, 2, 1900}},
    {"Passover5784", Jewish, {15, 8, 5784}, 2460424, Gregorian, {23, 4, 2024}},
    {"HegiraJuly15", Moslem, {1, 1, 1}, 1948439, Julian, {15, 7, 622}},
};

class KnownDateTest : public EngineTest, public ::testing::WithParamInterface<KnownDate> {};

TEST_P(KnownDateTest, ConvertsToItsCounterpart) {
    const KnownDate &known = GetParam();
    if (known.from == FromJD)
        ChangeToJD(known.jd);
    else
        ChangeTo(known.from, known.given);
    EXPECT_EQ(CurrentJD, known.jd);
    EXPECT_EQ(DateIn(known.cal), known.expected);
}

INSTANTIATE_TEST_SUITE_P(Engine, KnownDateTest, ::testing::ValuesIn(KnownDates), RowName);

} // namespace
