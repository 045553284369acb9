// The year grid's layout against the calendar as Qt's dates and the engine's tables
// give it, and the click mapping as the layout's inverse.
#include "yearwindows/YearGrid.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

using YearCals::CellKind;
using YearCals::CellPlace;

// Every day of the year sits in the row of its week day, and the click mapping gives
// it back; every other cell gives nothing. Leap and common years, weeks from Sunday,
// Monday and Saturday.
TEST(WholeYears, EveryDayInItsWeekDayRowAndClickedBack) {
    const struct {
        int16_t cal;
        int year;
        int16_t first;
    } cases[] = {{Calc::Gregorian, 2024, 7},
                 {Calc::Julian, 1582, 1},
                 {Calc::Jewish, 5787, 7},
                 {Calc::Jewish, 5786, 7},
                 {Calc::Moslem, 1445, 6}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "calendar " << c.cal << ", year " << c.year);
        // The engine on the year's first day, every calendar's weeks from the case's first day.
        ChangeCals::Reset();
        Calc::StartEngine({.firstWeekDay = {c.first, c.first, c.first, c.first}});
        Calc::CalDates[c.cal][Calc::Day] = Calc::CalDates[c.cal][Calc::Month] = 1;
        Calc::CalDates[c.cal][Calc::Year] = c.year;
        ChangeCals::ChangeCal(c.cal);
        const YearCals::YearGrid grid = YearCals::YearGridOf(c.cal);
        int32_t julianDay = Calc::YearBounds[c.cal][1];
        for (int month = 1; month <= YearCals::MonthsInYear(c.cal); ++month) {
            const CellPlace block = YearCals::BlockOf(c.cal, month);
            EXPECT_EQ(
                grid.At(block.row, block.col + 5).text,
                QStringLiteral("(%1)  %2").arg(month).arg(Texts::MonthNames[c.cal][month].c_str()));
            for (int day = 1; day <= Calc::MonthDays(c.cal, month); ++day, ++julianDay) {
                const CellPlace at = YearCals::DayCell(c.cal, month, day);
                const int weekDay = QDate::fromJulianDay(julianDay).dayOfWeek();
                ASSERT_EQ(grid.At(at.row, at.col).text, QString::number(day));
                ASSERT_EQ(grid.At(at.row, 0).text, Texts::WeekDayAbbrs[weekDay].c_str())
                    << month << "/" << day;
                ASSERT_EQ(YearCals::DayAt(c.cal, at.row, at.col), (YearCals::MonthDay{month, day}));
            }
        }
        EXPECT_EQ(julianDay, Calc::YearBounds[c.cal][2] + 1);
        int days = 0;
        for (int row = 0; row < YearCals::DrawnRows; ++row) {
            for (int col = 0; col < grid.cols - 1; ++col) {
                const bool isDay = grid.At(row, col).kind == CellKind::Day;
                ASSERT_EQ(YearCals::DayAt(c.cal, row, col).has_value(), isDay)
                    << row << ", " << col;
                days += isDay;
            }
        }
        EXPECT_EQ(days, Calc::YearDays(c.cal));
        EXPECT_EQ(grid.selected, YearCals::DayCell(c.cal, 1, 1));
    }
}

} // namespace
