#include "monthly/MonthGrid.h"

#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/Texts.h"
#include "frame/AppState.h"

namespace Monthly {

namespace {

bool Drawable(int16_t cal) {
    if (Calc::CurrentJD < Calc::MinJD[cal]) return false;
    const int32_t month = Calc::CalDates[cal][Calc::Month];
    if (month < 1 || month > 13) return false;
    const int16_t days = Calc::MonthDays(cal, month);
    const int16_t start = Calc::MonthStartWeekDay(cal, month);
    const int16_t first = Calc::FirstWeekDay[cal];
    return days >= 1 && days <= 31 && start >= 1 && start <= 7 && first >= 1 && first <= 7;
}

// Cells before day 1 in its week column.
int LeadingBlanks(int16_t cal) {
    const int32_t month = Calc::CalDates[cal][Calc::Month];
    return Calc::Arith::Mod(Calc::MonthStartWeekDay(cal, month) + 7 - Calc::FirstWeekDay[cal], 7);
}

} // namespace

platform::CellStyle DayStyle(int16_t cal, bool selected) {
    if (selected)
        return {Start::BackColors[Start::SelectedDayBack],
                Start::ForeColors[Start::SelectedDayText], true, true};
    return {Start::BackColors[cal], Start::ForeColors[Start::DayText], false, false};
}

std::pair<int, int> DayCellOf(int16_t cal, int32_t day) {
    const int place = LeadingBlanks(cal) + day - 1;
    return {place % MonthGridRows, place / MonthGridRows + 1};
}

std::optional<platform::GridContent> MonthGridOf(int16_t cal) {
    if (!Drawable(cal)) return std::nullopt;
    platform::GridContent grid(MonthGridRows, MonthGridCols, DayStyle(cal, false));
    for (int row = 0; row < MonthGridRows; ++row)
        grid.At(row, 0).Text =
            Texts::WeekDayAbbrs[Calc::Arith::Mod(row + Calc::FirstWeekDay[cal] - 1, 7) + 1];
    const int32_t month = Calc::CalDates[cal][Calc::Month];
    for (int32_t day = 1; day <= Calc::MonthDays(cal, month); ++day) {
        const auto [row, col] = DayCellOf(cal, day);
        platform::GridCell &cell = grid.At(row, col);
        cell.Text = std::to_string(day);
        if (day == Calc::CalDates[cal][Calc::Day]) cell.Style = DayStyle(cal, true);
    }
    return grid;
}

} // namespace Monthly
