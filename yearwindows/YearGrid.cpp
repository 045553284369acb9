#include "yearwindows/YearGrid.h"

#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/Texts.h"

#include <array>

namespace YearCals {

namespace {

constexpr int BlocksPerBand = 3;
// The Jewish window has room for a fourth block in every band; a leap year fills the
// second band's.
constexpr int JewishGridCols = 1 + 4 * BlockColumns + 1;
constexpr int GridColsOthers = 1 + BlocksPerBand * BlockColumns + 1;

bool LeapLayout(int16_t cal) {
    return cal == Calc::Jewish && Calc::JewishLeap;
}

// Blank cells before day 1 of the month in its first week column, 0..6.
int LeadingBlanks(int16_t cal, int32_t month) {
    return Calc::Arith::FloorMod(
        Calc::MonthStartWeekDay(cal, month) + WeekDays - Calc::FirstWeekDay[cal], WeekDays);
}

const QString &DayText(int32_t day) {
    static const std::array<QString, 32> texts = [] {
        std::array<QString, 32> numbers;
        for (int d = 1; d < 32; ++d)
            numbers[d] = QString::number(d);
        return numbers;
    }();
    return texts[day];
}

QString WeekDayLabel(int16_t cal, int k) {
    const int weekDay = Calc::Arith::FloorMod(k + Calc::FirstWeekDay[cal] - 1, WeekDays) + 1;
    return QString::fromStdString(Texts::WeekDayAbbrs[weekDay]);
}

QString MonthTitle(int16_t cal, int32_t month) {
    return QStringLiteral("(%1)  %2")
        .arg(month)
        .arg(QString::fromStdString(Texts::MonthNames[cal][month]));
}

} // namespace

int GridCols(int16_t cal) {
    return cal == Calc::Jewish ? JewishGridCols : GridColsOthers;
}

int WeekColumns(int16_t cal) {
    return (LeapLayout(cal) ? BlocksPerBand + 1 : BlocksPerBand) * BlockColumns;
}

int32_t MonthsInYear(int16_t cal) {
    return LeapLayout(cal) ? 13 : 12;
}

CellPlace BlockOf(int16_t cal, int32_t month) {
    // A leap year's month 7 takes the fourth block of the second band; the months
    // after it sit one block further back than their number says.
    const bool leap = LeapLayout(cal);
    const int32_t place = month - 1 - (leap && month > 6 ? 1 : 0);
    const int extra = leap && month == 7 ? BlockColumns : 0;
    return {place / BlocksPerBand * BandRows, place % BlocksPerBand * BlockColumns + extra + 1};
}

CellPlace DayCell(int16_t cal, int32_t month, int32_t day) {
    const CellPlace block = BlockOf(cal, month);
    const int n = LeadingBlanks(cal, month) + day - 1; // [0, 36]
    return {block.row + 1 + n % WeekDays, block.col + n / WeekDays};
}

std::optional<MonthDay> DayAt(int16_t cal, int row, int col) {
    if (row < 0 || row >= DrawnRows || row % BandRows == 0 || col < 1) return std::nullopt;
    const int band = row / BandRows;
    const int block = (col - 1) / BlockColumns;
    const bool leap = LeapLayout(cal);
    int32_t month = 0;
    if (block < BlocksPerBand)
        month = band * BlocksPerBand + block + 1 + (leap && band > 1 ? 1 : 0);
    else if (leap && band == 1 && block == BlocksPerBand)
        month = 7;
    else
        return std::nullopt;
    const CellPlace first = BlockOf(cal, month);
    const int n = (col - first.col) * WeekDays + (row - first.row - 1);
    const int32_t day = n - LeadingBlanks(cal, month) + 1;
    if (day < 1 || day > Calc::MonthDays(cal, month)) return std::nullopt;
    return MonthDay{month, day};
}

YearGrid YearGridOf(int16_t cal) {
    YearGrid grid;
    grid.cols = GridCols(cal);
    const int width = grid.cols - 1;
    grid.cells.resize(static_cast<std::size_t>(DrawnRows) * width);
    const auto cell = [&](int row, int col) -> YearCell & { return grid.cells[row * width + col]; };

    for (int band = 0; band < Bands; ++band) {
        for (int k = 0; k < WeekDays; ++k)
            cell(band * BandRows + 1 + k, 0) = {WeekDayLabel(cal, k), CellKind::WeekDayLabel};
    }
    for (int32_t month = 1; month <= MonthsInYear(cal); ++month) {
        const CellPlace block = BlockOf(cal, month);
        const QString title = MonthTitle(cal, month);
        for (int k = 0; k < BlockColumns; ++k)
            cell(block.row, block.col + k) = {title, CellKind::Header};
        for (int32_t day = 1; day <= Calc::MonthDays(cal, month); ++day) {
            const CellPlace at = DayCell(cal, month, day);
            cell(at.row, at.col) = {DayText(day), CellKind::Day};
        }
    }
    grid.selected = DayCell(cal, Calc::CalDates[cal][Calc::Month], Calc::CalDates[cal][Calc::Day]);
    return grid;
}

} // namespace YearCals
