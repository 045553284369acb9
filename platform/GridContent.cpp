#include "GridContent.h"

#include "MSFlexGrid.h"

#include <algorithm>

namespace platform {

namespace {

// A refresh rewrites every cell and most keep their text: an ASCII text is compared as
// it stands, without a QString made of it.
bool ShowsText(const MSFlexGrid &grid, int row, int col, const std::string &text) {
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    return std::all_of(text.begin(), text.end(), ascii) &&
           grid.TextMatrix(row, col) == QLatin1String(text.data(), std::ssize(text));
}

} // namespace

void ShowCellStyle(MSFlexGrid &grid, int row, int col, const CellStyle &style) {
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetCellFormat(row, col, style.BackColor, style.ForeColor, style.Bold, style.Selected);
}

void ShowGridContent(MSFlexGrid &grid, const GridContent &content) {
    grid.SetRedraw(false);
    for (int row = 0; row < content.Rows; ++row) {
        for (int col = 0; col < content.Cols; ++col) {
            const GridCell &cell = content.At(row, col);
            if (!ShowsText(grid, row, col, cell.Text))
                grid.SetTextMatrix(row, col, QString::fromStdString(cell.Text));
            const CellStyle &style = cell.Style;
            grid.SetCellFormat(row, col, style.BackColor, style.ForeColor, style.Bold,
                               style.Selected);
        }
    }
    grid.SetRedraw(true);
    grid.Refresh();
}

} // namespace platform
