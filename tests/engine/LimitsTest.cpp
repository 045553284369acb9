// The engine at the ends of its 32-bit numbers. No window lets these values
// through, but every public conversion must still return, keep the selected
// day inside the computable limits and its months inside the tables. Under
// the sanitizers an overflow on the way halts the test; one that never returns
// fails at the build's two-minute timeout.
#include "EngineTestSupport.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Calc;
using namespace EngineTestSupport;

namespace {

using LimitsTest = EngineTest;

void ExpectMonthsInTables(const char *entry) {
    for (int16_t cal = Julian; cal <= Moslem; ++cal)
        EXPECT_TRUE(CalDates[cal][Month] >= 1 && CalDates[cal][Month] <= 13)
            << entry << " cal " << cal << " month " << CalDates[cal][Month];
}

// Both 32-bit ends, around 0, and the accepted days MinJD(Jewish) ..
// MaxJD(Jewish) with their neighbours.
const int32_t GivenJDs[] = {INT32_MIN, INT32_MIN + 1, -1,      0,       1721318,       1721319,
                            1721320,   2817403,       2817404, 2817405, INT32_MAX - 1, INT32_MAX};

// ToGregorian and ToJewish start where ToJulian left the day.
const struct {
    const char *name;
    std::vector<void (*)()> steps;
} JDEntries[] = {
    {"ChangeJD", {ChangeCals::ChangeJD}},
    {"ToJulianToGregorian", {ToJulian, ToGregorian}},
    {"ToJulianToJewish", {ToJulian, ToJewish}},
    {"ToMoslem", {ToMoslem}},
};

TEST_F(LimitsTest, EveryJulianDayEntryKeepsTheDayComputable) {
    for (const int32_t given : GivenJDs) {
        const int32_t kept = std::clamp(given, FirstComputableJD, LastComputableJD);
        for (const auto &entry : JDEntries) {
            ChangeToJD(2451545); // every calendar on a real month first
            CurrentJD = given;
            for (void (*step)() : entry.steps)
                step();
            EXPECT_EQ(CurrentJD, kept) << entry.name << " from " << given;
            ExpectMonthsInTables(entry.name);
        }
        // From 1 January 1 on, the Julian date is exact to the last
        // computable day: the day formula, counted apart, gives it back.
        ChangeToJD(given);
        if (kept >= 1721424) {
            EXPECT_EQ(
                JulianDayOf(CalDates[Julian][Day], CalDates[Julian][Month], CalDates[Julian][Year]),
                kept);
        }
        CurrentJD = given;
        ChangeCals::SetDayFacts();
        EXPECT_LT(std::abs(ChangeCals::MoonAge), 29.6f) << given;
        EXPECT_LE(std::abs(ChangeCals::MoonPhase), 8) << given;
    }
}

TEST_F(LimitsTest, EveryDateEntryKeepsItsYearAndDayComputable) {
    for (int16_t cal = Julian; cal <= Moslem; ++cal) {
        const int32_t years[] = {INT32_MIN,        INT32_MIN + 1, -1,           0,
                                 MinYear[cal] - 1, MinYear[cal],  MaxYear[cal], MaxYear[cal] + 1,
                                 INT32_MAX - 1,    INT32_MAX};
        for (int32_t year : years) {
            for (int32_t month : {INT32_MIN, 0, 1, 13, INT32_MAX}) {
                for (int32_t day : {INT32_MIN, -40000, 0, 1, 31, INT32_MAX}) {
                    ChangeTo(cal, {day, month, year});
                    const Date kept = DateIn(cal);
                    EXPECT_EQ(kept.year, std::clamp(year, FirstComputableYear, LastComputableYear));
                    EXPECT_GE(kept.day, FirstComputableDay);
                    // A To* that had to move the day would leave the four
                    // calendars on different days.
                    EXPECT_GE(CurrentJD, FirstComputableJD);
                    EXPECT_LE(CurrentJD, LastComputableJD);
                    ExpectMonthsInTables("ChangeCal");
                }
            }
        }
    }
}

const struct SmallCase {
    const char *name;
    int32_t (*value)();
    int32_t expected;
} SmallCases[] = {
    {"JulianDayOfAllMin", [] { return JulianDayOf(INT32_MIN, INT32_MIN, INT32_MIN); }, INT32_MIN},
    {"JulianDayOfAllMax", [] { return JulianDayOf(INT32_MAX, INT32_MAX, INT32_MAX); }, INT32_MAX},
    {"JulianDayOfMinDay", [] { return JulianDayOf(INT32_MIN, 1, 1); }, INT32_MIN + 1721423},
    {"JewishNewYearMin", [] { return JewishNewYear(INT32_MIN); }, INT32_MIN},
    {"JewishNewYearMax", [] { return JewishNewYear(INT32_MAX); }, INT32_MAX},
    {"YearDayOfMaxDay", [] { return int32_t{YearDayOf(Gregorian, 13, INT32_MAX)}; }, INT16_MAX},
    {"YearDayOfMinDay", [] { return int32_t{YearDayOf(Gregorian, 1, INT32_MIN)}; }, INT16_MIN},
    {"YearDayOfMaxMonth", [] { return int32_t{YearDayOf(Gregorian, INT32_MAX, 0)}; }, 366},
};

TEST_F(LimitsTest, SmallFunctionsGiveTheNearest32BitValue) {
    ChangeToJD(2451545); // 1 January 2000, a Gregorian leap year
    for (const SmallCase &c : SmallCases)
        EXPECT_EQ(c.value(), c.expected) << c.name;
}

TEST_F(LimitsTest, WeekFactsTakeAnyYearDay) {
    ChangeToJD(2451545);
    for (int32_t yearDay : {INT32_MIN, INT32_MAX}) {
        CalDates[Julian][YearDay] = yearDay;
        ChangeCals::SetWeekFacts(Julian);
        EXPECT_EQ(CalDates[Julian][Week] > 0, yearDay > 0) << yearDay;
    }
}

} // namespace
