// The month grids: a press on a day selects it, a double click opens the year
// window of the column's calendar.
#include "monthly/MonthlyWindow.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/WindowManagement.h"
#include "monthly/FieldTexts.h"
#include "monthly/MonthGrid.h"

using namespace Monthly;

void MonthlyWindow::MSFlexGrid1_MouseDown(int pos) {
    platform::MSFlexGrid &grid = MSFlexGrid1[pos];
    const int row = grid.Row();
    const int col = grid.Col();
    int16_t cal = Start::ColumnCals[pos];
    if (col == 0 || grid.TextMatrix(row, col).isEmpty() ||
        grid.CellBackColor() == Start::BackColors[Start::SelectedDayBack])
        return;
    // A column shown disabled takes no edits: its calendar cannot reach the day.
    if (Calc::CurrentJD < Calc::MinJD[cal] || Calc::CurrentJD > Calc::MaxJD[cal]) return;
    EditStarted = true;
    ChangeCals::MonthlySourceColumn = static_cast<int16_t>(pos);

    // Only the two cells change here; the refresh leaves this grid alone. The new day
    // is styled last, so that it stays the grid's current cell.
    const auto [oldRow, oldCol] = DayCellOf(cal, Calc::CalDates[cal][Calc::Day]);
    grid.SetRedraw(false);
    platform::ShowCellStyle(grid, oldRow, oldCol, DayStyle(cal, false));
    platform::ShowCellStyle(grid, row, col, DayStyle(cal, true));
    grid.SetRedraw(true);
    grid.Refresh();

    Calc::CalDates[cal][Calc::Day] = ToLong(Val(grid.TextMatrix(row, col)));
    ChangeCals::ChangeCal(cal);
    ChangeCals::MonthlySourceColumn = 0;
}

void MonthlyWindow::MSFlexGrid1_DblClick(int pos) {
    YearForm &window = *YearWindowOf(Start::ColumnCals[pos]);
    window.SetYearForm();
    window.Show();
    window.SetWindowState(platform::WindowNormal);
    Frame::SetExitTips();
}
