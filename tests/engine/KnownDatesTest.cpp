// Dates whose Julian Day and counterparts are known: the calendars' first and
// last admissible days, the Gregorian reform, the century years where the two
// solar calendars drift apart, and published Jewish and Moslem feast days.
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
    {"JulianYear1Starts", Julian, {1, 1, 1}, 1721424, Julian, {1, 1, 1}},
    {"JulianYear1InGregorian", Julian, {1, 1, 1}, 1721424, Gregorian, {30, 12, 0}},
    {"JulianYear0Ends", FromJD, {}, 1721423, Julian, {31, 12, 0}},
    {"JulianYear3000Ends", FromJD, {}, 2817173, Julian, {31, 12, 3000}},
    {"JulianFebruary31Clamped", Julian, {31, 2, 2001}, 2451982, Julian, {28, 2, 2001}},
    {"JulianFebruary28Of1900", Julian, {28, 2, 1900}, 2415091, Gregorian, {12, 3, 1900}},
    {"JulianFebruary29Of1900", Julian, {29, 2, 1900}, 2415092, Gregorian, {13, 3, 1900}},
    {"JulianMarch1Of1900", Julian, {1, 3, 1900}, 2415093, Gregorian, {14, 3, 1900}},
    {"JulianChristmas2000", Julian, {25, 12, 2000}, 2451917, Gregorian, {7, 1, 2001}},
    {"GregorianYear1Starts", Gregorian, {1, 1, 1}, 1721426, Julian, {3, 1, 1}},
    {"GregorianReform", Gregorian, {15, 10, 1582}, 2299161, Julian, {5, 10, 1582}},
    {"GregorianJanuary1Of1900", Gregorian, {1, 1, 1900}, 2415021, Julian, {20, 12, 1899}},
    {"GregorianFebruary29Of1900Clamped",
     Gregorian,
     {29, 2, 1900},
     2415079,
     Gregorian,
     {28, 2, 1900}},
    {"GregorianJanuary1Of2000", Gregorian, {1, 1, 2000}, 2451545, Julian, {19, 12, 1999}},
    {"GregorianYear3000Ends", Gregorian, {31, 12, 3000}, 2817152, Julian, {10, 12, 3000}},
    {"JewishYear3761Starts", Jewish, {1, 1, 3761}, 1721319, Jewish, {1, 1, 3761}},
    {"RoshHashanah5760", Jewish, {1, 1, 5760}, 2451433, Gregorian, {11, 9, 1999}},
    {"RoshHashanah5783", Jewish, {1, 1, 5783}, 2459849, Gregorian, {26, 9, 2022}},
    {"RoshHashanah5784", Jewish, {1, 1, 5784}, 2460204, Gregorian, {16, 9, 2023}},
    {"Passover5784", Jewish, {15, 8, 5784}, 2460424, Gregorian, {23, 4, 2024}},
    {"RoshHashanah5785", FromJD, {}, 2460587, Jewish, {1, 1, 5785}},
    {"HegiraJuly15", Moslem, {1, 1, 1}, 1948439, Julian, {15, 7, 622}},
    {"MoslemSecondCycleStarts", FromJD, {}, 1948439 + 10631, Moslem, {1, 1, 31}},
    {"MoslemYear2452Ends", FromJD, {}, 2817345, Moslem, {29, 12, 2452}},
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
