// What the monthly window's columns, grids and window-wide fields show, worked out
// without widgets, against dates known from other sources.
#include "EngineState.h"
#include "monthly/ColumnContent.h"
#include "monthly/MonthGrid.h"

#include <gtest/gtest.h>

namespace {

using Monthly::ColumnContentOf;
using Monthly::ColumnState;
using Monthly::MonthGridOf;

// One day in the four calendars (Julian, Gregorian, Jewish, Moslem): Julian and
// Gregorian by Meeus' algorithm, Jewish and Moslem (arithmetical, Friday epoch) as
// ICU 72 gives them; with the Gregorian year day and week (weeks from Sunday) and the
// week day (Monday 0).
struct KnownDay {
    int32_t JulianDay;
    int Days[4];
    const char *Years[4];
    const char *Months[4];
    const char *GregorianYearDay;
    const char *GregorianWeek;
    int WeekDayIndex;
};

const KnownDay KnownDays[] = {
    {2451545,
     {19, 1, 23, 24},
     {"1999", "2000", "5760", "1420"},
     {"12/12  December", "1/12  January", "4/13  Tevet", "9/12  Ramadan"},
     "1/366",
     "1/54",
     5},
    {2460384,
     {1, 14, 4, 4},
     {"2024", "2024", "5784", "1445"},
     {"3/12  March", "3/12  March", "7/13  Adar II", "9/12  Ramadan"},
     "74/366",
     "11/53",
     3},
    {2299161,
     {5, 15, 19, 17},
     {"1582", "1582", "5343", "990"},
     {"10/12  October", "10/12  October", "1/12  Tishri", "9/12  Ramadan"},
     "288/365",
     "42/53",
     4},
    {2816000,
     {15, 4, 13, 12},
     {"2997", "2997", "6758", "2449"},
     {"10/12  October", "11/12  November", "2/12  Heshvan", "3/12  Rabi I"},
     "308/365",
     "44/53",
     5},
};

class ContentTest : public testing::Test {
  protected:
    void SetUp() override { StartEngine(); }
};

// The date typed in each calendar in turn: every column shows the day in its own
// calendar, none left behind from the day before.
TEST_F(ContentTest, EveryColumnShowsTheDayEnteredInAnyCalendar) {
    Calc::MoslemType = 2; // ICU's islamic-civil
    Calc::SetMoslemType();
    for (int16_t entered = 1; entered <= 4; ++entered) {
        for (const KnownDay &known : KnownDays) {
            SCOPED_TRACE(testing::Message() << known.JulianDay << " entered in " << entered);
            GoTo(Calc::MaxJD[Calc::Jewish]); // far from every known day
            Calc::CalDates[entered][Calc::Day] = known.Days[entered - 1];
            Calc::CalDates[entered][Calc::Month] = std::atoi(known.Months[entered - 1]);
            Calc::CalDates[entered][Calc::Year] = std::atoi(known.Years[entered - 1]);
            int16_t cal = entered;
            ChangeCals::ChangeCal(cal);
            for (int16_t shown = 1; shown <= 4; ++shown) {
                SCOPED_TRACE(testing::Message() << "calendar " << shown);
                const Monthly::ColumnContent column = ColumnContentOf(shown);
                EXPECT_EQ(column.State, ColumnState::Enabled);
                EXPECT_EQ(column.Year.Text, known.Years[shown - 1]);
                EXPECT_EQ(column.Month.Text, known.Months[shown - 1]);
                const auto grid = MonthGridOf(shown);
                ASSERT_TRUE(grid);
                const int day = known.Days[shown - 1];
                const auto [row, col] = Monthly::DayCellOf(shown, day);
                EXPECT_EQ(grid->At(row, col).Text, std::to_string(day));
                EXPECT_TRUE(grid->At(row, col).Style.Bold);
            }
            const Monthly::ColumnContent gregorian = ColumnContentOf(Calc::Gregorian);
            EXPECT_EQ(gregorian.YearDay.Text, known.GregorianYearDay);
            EXPECT_EQ(gregorian.Week.Text, known.GregorianWeek);
            const Monthly::CommonContent common = Monthly::CommonContentOf();
            EXPECT_EQ(common.WeekDayIndex, known.WeekDayIndex);
            EXPECT_EQ(common.JulianDay, QString::number(known.JulianDay));
        }
    }
}

TEST_F(ContentTest, FullListsArePlacedAtTheValueAndSizedToTheYear) {
    GoTo(2460384); // 14 March 2024, 5784 a Jewish leap year
    const Monthly::ColumnContent gregorian = ColumnContentOf(Calc::Gregorian);
    EXPECT_EQ(gregorian.Year, (Monthly::FieldContent{"2024", 2023, 3000}));
    EXPECT_EQ(gregorian.Month.ListIndex, 2);
    EXPECT_EQ(gregorian.YearDay, (Monthly::FieldContent{"74/366", 73, 366}));
    EXPECT_EQ(gregorian.Week, (Monthly::FieldContent{"11/53", 10, 53}));
    EXPECT_EQ(ColumnContentOf(Calc::Jewish).Month.ListCount, 13);
    GoTo(2460384 + 365);
    EXPECT_EQ(ColumnContentOf(Calc::Jewish).Month.ListCount, 12);
}

TEST_F(ContentTest, AColumnIsHiddenBeforeItsCalendarAndDisabledAfterIt) {
    GoTo(Calc::MinJD[Calc::Moslem] - 1);
    EXPECT_EQ(ColumnContentOf(Calc::Moslem).State, ColumnState::Hidden);
    EXPECT_FALSE(MonthGridOf(Calc::Moslem));
    EXPECT_EQ(ColumnContentOf(Calc::Julian).State, ColumnState::Enabled);
    GoTo(Calc::MinJD[Calc::Moslem]);
    EXPECT_EQ(ColumnContentOf(Calc::Moslem).State, ColumnState::Enabled);

    GoTo(Calc::MaxJD[Calc::Gregorian] + 1);
    const Monthly::ColumnContent past = ColumnContentOf(Calc::Gregorian);
    EXPECT_EQ(past.State, ColumnState::Disabled);
    EXPECT_EQ(past.Year, (Monthly::FieldContent{"3001", 3000, 0}));
    EXPECT_TRUE(MonthGridOf(Calc::Gregorian));
    EXPECT_EQ(ColumnContentOf(Calc::Jewish).State, ColumnState::Enabled);
}

struct LayoutCase {
    const char *name;
    int32_t julianDay; // shown in the Gregorian column
    int16_t firstWeekDay;
    const char *firstRow;      // abbreviation in row 0
    std::pair<int, int> first; // cell of day 1
    std::pair<int, int> last;  // cell of the month's last day
    int lastDay;
};

class MonthGridTest : public ContentTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(MonthGridTest, DaysRunDownTheWeekColumnsFromTheFirstWeekDay) {
    const LayoutCase &c = GetParam();
    Calc::FirstWeekDay[Calc::Gregorian] = c.firstWeekDay;
    GoTo(c.julianDay);
    const auto grid = MonthGridOf(Calc::Gregorian);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->At(0, 0).Text, c.firstRow);
    const auto at = [&](std::pair<int, int> cell) { return grid->At(cell.first, cell.second); };
    EXPECT_EQ(at(c.first).Text, "1");
    EXPECT_EQ(at(c.last).Text, std::to_string(c.lastDay));
    int blanks = 0;
    int highlighted = 0;
    for (int row = 0; row < 7; ++row) {
        for (int col = 1; col < 7; ++col) {
            const platform::GridCell &cell = grid->At(row, col);
            blanks += cell.Text.empty();
            highlighted += cell.Style == Monthly::DayStyle(Calc::Gregorian, true);
        }
        EXPECT_EQ(grid->At(row, 0).Style, Monthly::DayStyle(Calc::Gregorian, false));
    }
    EXPECT_EQ(blanks, 42 - c.lastDay);
    EXPECT_EQ(highlighted, 1);
    EXPECT_EQ(at(Monthly::DayCellOf(Calc::Gregorian, 10)).Style.Bold, true);
}

// Every case shows the 10th of its month.
INSTANTIATE_TEST_SUITE_P(
    Months, MonthGridTest,
    testing::Values(
        // 1 September 2024 is a Sunday, the Gregorian calendar's first week day.
        LayoutCase{"StartsOnTheFirstWeekDay", 2460564, 7, "Su", {0, 1}, {1, 5}, 30},
        // 1 March 2025 is a Saturday: 31 days from the last row end in column 6.
        LayoutCase{"StartsInTheLastRow", 2460745, 7, "Su", {6, 1}, {1, 6}, 31},
        LayoutCase{"ShortFebruary", 2461082, 7, "Su", {0, 1}, {6, 4}, 28},
        // 1 March 2024 is a Friday, the fifth day from Monday.
        LayoutCase{"MondayFirst", 2460380, 1, "Mo", {4, 1}, {6, 5}, 31}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
