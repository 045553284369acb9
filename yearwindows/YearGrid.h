// The year grid of a year window as plain values, computed from the engine's tables
// (CalDates, MonthTable, FirstWeekDay, JewishLeap) and the language tables
// (MonthNames, WeekDayAbbrs); no widgets.
//  - four bands of eight rows: a header row, then seven day rows, one per week day
//    in the order of the calendar's first week day; column 0 holds the week-day
//    labels; a month block is six week columns under one header "(m)  Name"
//  - months 1..12 three to a band; a Jewish leap year puts months 4..7 in the second
//    band (month 7 in a fourth block) and shifts the bands below by one month
//  - GridCols: the grid's columns (20, or 26 for the Jewish window; the last one and
//    row 32 stay empty and out of sight); WeekColumns: the week columns in view
//  - BlockOf / DayCell: where a month's block and one of its days lie
//  - DayAt: the inverse, the month and day a click on a cell selects (none for week-day
//    labels, headers and blanks)
//  - YearGridOf: every cell of the current year with what it shows, and the cell of
//    the selected day
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace YearCals {

constexpr int GridRows = 33;
constexpr int BandRows = 8;
constexpr int Bands = 4;
constexpr int WeekDays = 7;
constexpr int BlockColumns = 6;
// The rows and columns the layout fills: row 32 and the last column are spare.
constexpr int DrawnRows = Bands * BandRows;

int GridCols(int16_t cal);
int WeekColumns(int16_t cal);
// 12, or 13 in a Jewish leap year.
int32_t MonthsInYear(int16_t cal);

struct CellPlace {
    int row = 0;
    int col = 0;
    friend bool operator==(const CellPlace &, const CellPlace &) = default;
};

// The header row and the first column of a month's block.
CellPlace BlockOf(int16_t cal, int32_t month);
CellPlace DayCell(int16_t cal, int32_t month, int32_t day);

struct MonthDay {
    int32_t month = 0;
    int32_t day = 0;
    friend bool operator==(const MonthDay &, const MonthDay &) = default;
};

std::optional<MonthDay> DayAt(int16_t cal, int row, int col);

enum class CellKind : uint8_t { Blank, WeekDayLabel, Header, Day };

struct YearCell {
    QString text;
    CellKind kind = CellKind::Blank;
};

struct YearGrid {
    int cols = 0;
    // Rows 0 .. DrawnRows - 1, columns 0 .. cols - 2, row by row.
    std::vector<YearCell> cells;
    CellPlace selected;

    const YearCell &At(int row, int col) const { return cells[row * (cols - 1) + col]; }
};

// A common Jewish year blanks the fourth block of the second band, so that no month of
// an earlier leap year lingers there out of sight.
YearGrid YearGridOf(int16_t cal);

} // namespace YearCals
