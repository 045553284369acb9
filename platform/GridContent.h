// GridContent: what a calendar grid shows, cell by cell, worked out apart from the
// grid control so that plain code can compute it and tests can read it.
//  - CellStyle: background and text colour (packed), bold, and whether the cell is the
//    window's chosen day (what assistive technology reports as the selected cell)
//  - GridCell: a cell's text (UTF-8) and style
//  - GridContent: Rows x Cols cells, row by row; At(row, col)
//  - ShowGridContent(grid, content): copies every text and style onto the grid with
//    its painting suspended, then repaints it once (the current cell stays put)
//  - ShowCellStyle(grid, row, col, style): one cell's style (the grid's current cell
//    ends there)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class MSFlexGrid;

struct CellStyle {
    int32_t BackColor = 0;
    int32_t ForeColor = 0;
    bool Bold = false;
    bool Selected = false;
    bool operator==(const CellStyle &) const = default;
};

struct GridCell {
    std::string Text;
    CellStyle Style;
    bool operator==(const GridCell &) const = default;
};

struct GridContent {
    GridContent(int rows, int cols, const CellStyle &style)
        : Rows(rows), Cols(cols), Cells(static_cast<std::size_t>(rows * cols), {{}, style}) {}

    GridCell &At(int row, int col) { return Cells[static_cast<std::size_t>(row * Cols + col)]; }
    const GridCell &At(int row, int col) const {
        return Cells[static_cast<std::size_t>(row * Cols + col)];
    }

    int Rows;
    int Cols;
    std::vector<GridCell> Cells;
};

void ShowGridContent(MSFlexGrid &grid, const GridContent &content);
void ShowCellStyle(MSFlexGrid &grid, int row, int col, const CellStyle &style);

} // namespace platform
