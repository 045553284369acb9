#include "GridContent.h"

#include "MSFlexGrid.h"

namespace platform {

void ShowCellStyle(MSFlexGrid &grid, int row, int col, const CellStyle &style) {
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetCellBackColor(style.BackColor);
    grid.SetCellForeColor(style.ForeColor);
    grid.SetCellFontBold(style.Bold);
    grid.SetCellSelected(style.Selected);
}

void ShowGridContent(MSFlexGrid &grid, const GridContent &content) {
    grid.SetRedraw(false);
    for (int row = 0; row < content.Rows; ++row) {
        for (int col = 0; col < content.Cols; ++col) {
            const GridCell &cell = content.At(row, col);
            grid.SetTextMatrix(row, col, QString::fromStdString(cell.Text));
            ShowCellStyle(grid, row, col, cell.Style);
        }
    }
    grid.SetRedraw(true);
    grid.Refresh();
}

} // namespace platform
