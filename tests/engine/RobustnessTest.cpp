// Input the windows never write, and days outside a calendar's range: the
// engine must stay inside its tables and keep its dates on real months.
#include "EngineTestSupport.h"

#include <climits>
#include <cstring>

using namespace Calc;
using namespace ChangeCals;
using namespace EngineTestSupport;

namespace {

struct StrayMonth {
    const char *name;
    int16_t cal;
    int32_t month;
    int32_t year;
    int32_t corrected;
};

const StrayMonth StrayMonths[] = {
    {"JulianMonth0", Julian, 0, 2000, 1},
    {"JulianMonthMin", Julian, INT32_MIN, 2000, 1},
    {"GregorianMonthMax", Gregorian, INT32_MAX, 2000, 12},
    {"JewishMonth14OfLeapYear", Jewish, 14, 5784, 13},
    {"JewishMonth14OfCommonYear", Jewish, 14, 5785, 12},
    {"MoslemMonth13", Moslem, 13, 1445, 12},
};

class StrayMonthTest : public EngineTest, public ::testing::WithParamInterface<StrayMonth> {};

TEST_P(StrayMonthTest, MovesOntoTheNearestMonth) {
    const StrayMonth &stray = GetParam();
    ChangeTo(stray.cal, {15, stray.month, stray.year});
    EXPECT_EQ(DateIn(stray.cal), (Date{15, stray.corrected, stray.year}));
    const int32_t jd = CurrentJD;
    ChangeToJD(jd);
    EXPECT_EQ(DateIn(stray.cal), (Date{15, stray.corrected, stray.year}));
}

INSTANTIATE_TEST_SUITE_P(Engine, StrayMonthTest, ::testing::ValuesIn(StrayMonths), RowName);

void ExpectMonthsInTables() {
    for (int16_t cal = Julian; cal <= Moslem; ++cal) {
        EXPECT_GE(CalDates[cal][Month], 1) << cal;
        EXPECT_LE(CalDates[cal][Month], 13) << cal;
    }
}

TEST_F(EngineTest, FarJulianDaysStayInsideTheTables) {
    for (int32_t jd : {0, -1000000, 1000000, 1721318, 2817405, 5000000}) {
        ChangeToJD(jd);
        EXPECT_EQ(CurrentJD, jd);
        ExpectMonthsInTables();
    }
}

TEST_F(EngineTest, MoslemYearsBeforeTheHegiraStayInsideTheTables) {
    for (int32_t year : {0, -5, -29, -30, -631}) {
        ChangeTo(Moslem, {1, 1, year});
        ExpectMonthsInTables();
    }
}

TEST_F(EngineTest, YearDaysBeyondTheYearStopAtMonth13) {
    int32_t month = 0;
    int32_t day = 1000;
    SplitYearDay(Julian, month, day);
    EXPECT_EQ(month, 13);
    EXPECT_EQ(YearDayOf(Julian, 100, 1), YearDayOf(Julian, 14, 1));
}

TEST_F(EngineTest, UnknownCalendarsAreLeftAlone) {
    EXPECT_EQ(YearDayOf(0, 5, 3), 3);
    int32_t month = 0;
    int32_t day = 40;
    SplitYearDay(5, month, day);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(day, 40);
    ChangeToJD(2451545);
    decltype(MonthTable) monthTable;
    std::memcpy(monthTable, MonthTable, sizeof MonthTable);
    int16_t yearTable[5][3];
    std::memcpy(yearTable, YearTable, sizeof YearTable);
    for (int16_t cal : {0, 5, -1}) {
        SetMonthWeekDays(cal);
        SetWeekFacts(cal);
    }
    EXPECT_EQ(std::memcmp(monthTable, MonthTable, sizeof MonthTable), 0);
    EXPECT_EQ(std::memcmp(yearTable, YearTable, sizeof YearTable), 0);
}

} // namespace
