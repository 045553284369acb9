// The month grids: their layout, a day picked with either button, a double click.
#include "MonthlyFixture.h"

#include "FakeWindows.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"

#include <QTest>

namespace {

struct LayoutCase {
    const char *name;
    CalendarDay day;           // Gregorian, shown in column 2
    std::pair<int, int> first; // cell of day 1
    std::pair<int, int> last;  // cell of the month's last day
    int lastDay;
};

class GridLayoutTest : public MonthlyWindowTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(GridLayoutTest, DaysRunDownTheWeekColumnsFromTheFirstWeekDay) {
    const LayoutCase &c = GetParam();
    GoToGregorian(c.day.Day, c.day.Month, c.day.Year);
    const platform::MSFlexGrid &grid = Window().MSFlexGrid1[2];
    const char *const days[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(grid.TextMatrix(row, 0), days[row]);
    EXPECT_EQ(CellOf(2, "1"), c.first);
    EXPECT_EQ(CellOf(2, QString::number(c.lastDay)), c.last);
    int blanks = 0;
    for (int col = 1; col <= 6; ++col)
        for (int row = 0; row < 7; ++row)
            blanks += grid.TextMatrix(row, col).isEmpty();
    EXPECT_EQ(blanks, 42 - c.lastDay);
}

INSTANTIATE_TEST_SUITE_P(
    Months, GridLayoutTest,
    testing::Values(
        // 1 September 2024 is a Sunday, the Gregorian column's first week day.
        LayoutCase{"StartsOnTheFirstWeekDay", {10, 9, 2024}, {0, 1}, {1, 5}, 30},
        // 1 March 2025 is a Saturday: 31 days from the last row end in column 6.
        LayoutCase{"StartsInTheLastRow", {10, 3, 2025}, {6, 1}, {1, 6}, 31},
        LayoutCase{"ShortFebruary", {10, 2, 2026}, {0, 1}, {6, 4}, 28}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonthlyWindowTest, AnotherFirstWeekDayMovesTheNamesAndTheDays) {
    Calc::FirstWeekDay[Calc::Gregorian] = 1; // Monday
    ChangeCals::SetWeekFacts(Calc::Gregorian);
    Window().ReSetForm();
    EXPECT_EQ(Window().MSFlexGrid1[2].TextMatrix(0, 0), "Mo");
    EXPECT_EQ(CellOf(2, "1"), std::pair(4, 1));                // 1 March 2024 is a Friday
    EXPECT_EQ(Window().MSFlexGrid1[4].TextMatrix(0, 0), "Sa"); // the Moslem column's own
}

struct ClickCase {
    const char *name;
    int pos;
    Qt::MouseButton button;
    const char *day;
    CalendarDay expected; // Gregorian
};

class DayClickTest : public MonthlyWindowTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(DayClickTest, SelectsTheDayWithoutRebuildingItsOwnGrid) {
    const ClickCase &c = GetParam();
    // Marks in a blank cell: a rebuilt grid loses them.
    Window().MSFlexGrid1[c.pos].SetTextMatrix(6, 6, "mark");
    const int other = c.pos == 1 ? 2 : 1;
    Window().MSFlexGrid1[other].SetTextMatrix(6, 6, "mark");

    const auto cell = CellOf(c.pos, c.day);
    ASSERT_TRUE(cell);
    QTest::mouseClick(&Window().MSFlexGrid1[c.pos], c.button, {},
                      CellCenter(Window().MSFlexGrid1[c.pos], cell->first, cell->second));

    ExpectWindowShows(Gregorian(c.expected.Day, c.expected.Month, c.expected.Year));
    EXPECT_EQ(Window().MSFlexGrid1[c.pos].TextMatrix(6, 6), "mark");
    EXPECT_EQ(Window().MSFlexGrid1[other].TextMatrix(6, 6), "");
    EXPECT_EQ(ChangeCals::MonthlySourceColumn, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, DayClickTest,
    testing::Values(ClickCase{"LeftButtonGregorian", 2, Qt::LeftButton, "20", {20, 3, 2024}},
                    ClickCase{"RightButtonGregorian", 2, Qt::RightButton, "2", {2, 3, 2024}},
                    // 20 March of the Julian calendar is 2 April of the Gregorian one.
                    ClickCase{"JulianColumn", 1, Qt::LeftButton, "20", {2, 4, 2024}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonthlyWindowTest, ClicksOnNoDaySelectNothing) {
    platform::MSFlexGrid &grid = Window().MSFlexGrid1[2];
    const auto today = CellOf(2, "14");
    ASSERT_TRUE(today);
    const std::pair<int, int> cells[] = {{3, 0}, {0, 1}, *today}; // week day, blank, the day
    for (const auto &[row, col] : cells) {
        QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCenter(grid, row, col));
        EXPECT_EQ(Calc::CurrentJD, Gregorian(14, 3, 2024)) << row << "," << col;
    }
    ExpectWindowShows(Gregorian(14, 3, 2024));
}

TEST_F(MonthlyWindowTest, ADisabledColumnTakesNoDayClick) {
    GoTo(Calc::MaxJD[Calc::Jewish]);
    platform::MSFlexGrid &grid = Window().MSFlexGrid1[2]; // Gregorian, past 3000
    ASSERT_TRUE(grid.isVisible());
    const auto cell = CellOf(2, "1");
    ASSERT_TRUE(cell);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCenter(grid, cell->first, cell->second));
    EXPECT_EQ(Calc::CurrentJD, Calc::MaxJD[Calc::Jewish]);
}

TEST_F(MonthlyWindowTest, DoubleClickOpensTheYearWindowOfTheColumnsCalendar) {
    platform::MSFlexGrid &grid = Window().MSFlexGrid1[3];
    const auto cell = CellOf(3, "4");
    ASSERT_TRUE(cell);
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, CellCenter(grid, cell->first, cell->second));
    YearForm &jewish = *YearWindowOf(Calc::Jewish);
    EXPECT_TRUE(jewish.Visible());
    EXPECT_EQ(jewish.WindowState(), 0);
    ASSERT_FALSE(Log.YearRefreshes.empty());
    EXPECT_EQ(Log.YearRefreshes.back(), Calc::Jewish);
    // Two windows are shown now: the exit button tells both ways to leave.
    EXPECT_TRUE(Window().ExitButton().ToolTipText().contains("Right"));
}

} // namespace
