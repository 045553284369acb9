// The year grid on its window: the designed geometry, the full redraw, the highlight
// move and the day picked with the mouse.
#include "yearwindows/YearCals.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/WindowManagement.h"
#include "platform/GridContent.h"
#include "platform/MSFlexGrid.h"
#include "platform/Screen.h"
#include "yearwindows/YearGrid.h"
#include "yearwindows/YearWindow.h"

namespace YearCals {

namespace {

constexpr int DayRowHeight = 195;
constexpr int HeaderRowHeight = 360;
// Merge neighbouring cells within the marked rows only.
constexpr int MergeWithinRows = 2;
// Room below the last row and beside the last week column, so that the spare row and
// column stay out of sight.
constexpr int GridBottomMargin = 8 + 60;
constexpr int GridRightMargin = 8 + 30;
// The Jewish grid's room beside its last week column, in a leap and a common year.
constexpr int JewishLeapMargin = 30;
constexpr int JewishCommonMargin = 60;

void PaintDay(platform::MSFlexGrid &grid, CellPlace at, bool selected, int16_t cal) {
    const platform::CellStyle style =
        selected ? platform::CellStyle{Start::BackColors[Start::SelectedDayBack],
                                       Start::ForeColors[Start::SelectedDayText], true, true}
                 : platform::CellStyle{Start::BackColors[cal], Start::ForeColors[Start::DayText],
                                       false, false};
    platform::ShowCellStyle(grid, at.row, at.col, style);
}

CellPlace Highlighted(int16_t cal) {
    return {Start::GridSel[cal][1], Start::GridSel[cal][2]};
}

// Two cells change: the day at `at` takes the highlight from the one that had it.
void MoveHighlightTo(YearWindow &window, int16_t cal, CellPlace at) {
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    grid.SetRedraw(false);
    PaintDay(grid, at, true, cal);
    PaintDay(grid, Highlighted(cal), false, cal);
    grid.SetRedraw(true);
    grid.Refresh();
    Start::GridSel[cal][1] = static_cast<int16_t>(at.row);
    Start::GridSel[cal][2] = static_cast<int16_t>(at.col);
}

void MoveHighlight(YearWindow &window, int16_t cal) {
    const CellPlace at =
        DayCell(cal, Calc::CalDates[cal][Calc::Month], Calc::CalDates[cal][Calc::Day]);
    if (at != Highlighted(cal)) MoveHighlightTo(window, cal, at);
}

} // namespace

int16_t OtherCalendar(int16_t cal, int index) {
    const auto other = static_cast<int16_t>(index - 6);
    return other < cal ? other : static_cast<int16_t>(other + 1);
}

void LoadYearForm(YearWindow &window, int16_t cal) {
    window.SetCaption(QString::fromStdString(Texts::CalendarNames[cal]));
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    grid.SetColWidth(0, Start::WeekDayColWidth);
    for (int col = 1; col < grid.Cols(); ++col)
        grid.SetColWidth(col, Start::WeekColWidth);
    for (int row = 0; row < DrawnRows; ++row)
        grid.SetRowHeight(row, DayRowHeight);
    grid.SetMergeCells(MergeWithinRows);
    for (int row = 0; row < DrawnRows; row += BandRows) {
        grid.SetMergeRow(row, true);
        grid.SetRowHeight(row, HeaderRowHeight);
    }
    grid.SetBackColor(Start::BackColors[cal]);
    grid.SetForeColor(Start::ForeColors[Start::DayText]);
    grid.SetGridColor(Start::GridLineColor);
    const int lastRow = grid.Rows() - 2;
    const int lastCol = grid.Cols() - 2;
    grid.SetHeight(grid.RowPos(lastRow) + grid.RowHeight(lastRow) + GridBottomMargin);
    grid.SetWidth(grid.ColPos(lastCol) + grid.ColWidth(lastCol) + GridRightMargin);
    // The inner area ends at the grid's edges, as they land on the screen's pixels.
    window.SetHeight(window.Height() - window.ScaleHeight() + grid.Top() + grid.Height());
    window.SetWidth(window.Width() - window.ScaleWidth() + grid.Left() + grid.Width());
}

void SetYearForm(YearWindow &window, int16_t cal) {
    Start::Updating = true;
    for (int index = 7; index <= 9; ++index)
        window.Command1[index].SetCaption(
            QString::fromStdString(Texts::CalendarNames[OtherCalendar(cal, index)]).left(3));
    const int front = ChangeCals::MoonPhase;
    for (int phase = 0; phase <= 8; ++phase)
        window.Command2[phase].SetTabStop(phase == front);
    window.Command2[front].ZOrder(0);
    // After Command1(7..9) in the tab order.
    window.Command2[front].SetTabIndex(3);

    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    const int32_t year = Calc::CalDates[cal][Calc::Year];
    if (Calc::CurrentJD < Calc::MinJD[cal]) {
        grid.SetVisible(false);
        window.Combo1.Clear();
        window.Combo1.SetEnabled(false);
        window.Command1[1].SetEnabled(false);
        window.Command1[2].SetEnabled(false);
        Start::Updating = false;
        return;
    }
    grid.SetVisible(true);
    if (window.Combo1.ListIndex() == -1) KeepYearList(window, cal);
    window.Command1[1].SetEnabled(year != Calc::MinYear[cal]);
    const bool inRange = Calc::CurrentJD <= Calc::MaxJD[cal];
    grid.SetEnabled(inRange);
    window.Combo1.SetEnabled(inRange);
    window.Command1[2].SetEnabled(inRange && year != Calc::MaxYear[cal]);

    if (Start::GridYearBounds[cal][1] <= Calc::CurrentJD &&
        Calc::CurrentJD <= Start::GridYearBounds[cal][2])
        MoveHighlight(window, cal);
    else
        SetYearGrid(window, cal);
    Start::Updating = false;
}

void SetYearGrid(YearWindow &window, int16_t cal) {
    platform::SetMousePointer(platform::MousePointerHourglass);
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    grid.SetRedraw(false);
    KeepYearList(window, cal);
    Start::GridYearBounds[cal][1] = Calc::YearBounds[cal][1];
    Start::GridYearBounds[cal][2] = Calc::YearBounds[cal][2];
    PaintDay(grid, Highlighted(cal), false, cal);

    const YearGrid year = YearGridOf(cal);
    for (int row = 0; row < DrawnRows; ++row) {
        for (int col = 0; col < year.cols - 1; ++col) {
            const YearCell &cell = year.At(row, col);
            grid.SetTextMatrix(row, col, cell.text);
            if (cell.kind != CellKind::Header) continue;
            grid.SetRow(row);
            grid.SetCol(col);
            grid.SetCellAlignment(platform::MSFlexGrid::AlignCentreCentre);
            grid.SetCellFontBold(true);
            grid.SetCellForeColor(Start::ForeColors[Start::HeaderText]);
        }
    }
    PaintDay(grid, year.selected, true, cal);
    Start::GridSel[cal][1] = static_cast<int16_t>(year.selected.row);
    Start::GridSel[cal][2] = static_cast<int16_t>(year.selected.col);

    if (cal == Calc::Jewish && window.WindowState() != platform::WindowMinimised)
        JewishWidth(window);
    grid.SetRedraw(true);
    grid.Refresh();
    platform::SetMousePointer(platform::MousePointerDefault);
}

void SelectDay(YearWindow &window, int16_t cal) {
    const CellPlace at{window.MSFlexGrid1.Row(), window.MSFlexGrid1.Col()};
    const std::optional<MonthDay> picked = DayAt(cal, at.row, at.col);
    if (!picked || at == Highlighted(cal)) return;
    Start::Updating = true;
    MoveHighlightTo(window, cal, at);
    Calc::CalDates[cal][Calc::Day] = picked->day;
    Calc::CalDates[cal][Calc::Month] = picked->month;
    ChangeCals::ChangeSource = cal;
    ChangeCals::ChangeCal(cal);
    Start::Updating = false;
}

void UnloadYearForm(YearWindow &window, int16_t cal) {
    Start::GridYearBounds[cal][1] = 0;
    Start::GridYearBounds[cal][2] = 0;
    window.Hide();
    Frame::UpdateExitTips();
}

void JewishWidth(YearWindow &window) {
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    const int margin = Calc::JewishLeap ? JewishLeapMargin : JewishCommonMargin;
    grid.SetWidth(grid.ColWidth(0) + grid.ColWidth(1) * WeekColumns(Calc::Jewish) + margin);
    window.SetWidth(window.Width() - window.ScaleWidth() + grid.Left() + grid.Width());
}

} // namespace YearCals
