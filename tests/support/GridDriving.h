// A grid as the user reaches it and as a screen reader reads it.
#pragma once

#include "platform/MSFlexGrid.h"
#include "platform/Units.h"

#include <QAccessible>
#include <QStringList>

// The middle of a cell, in the grid's own pixels.
inline QPoint CellCentre(const platform::MSFlexGrid &grid, int row, int col) {
    return {platform::TwipsToPixels(grid.ColPos(col) + grid.ColWidth(col) / 2.0),
            platform::TwipsToPixels(grid.RowPos(row) + grid.RowHeight(row) / 2.0)};
}

// The texts of the cells the grid tells a screen reader are selected.
inline QStringList SelectedCellNames(platform::MSFlexGrid &grid) {
    QStringList names;
    for (QAccessibleInterface *cell :
         QAccessible::queryAccessibleInterface(&grid)->tableInterface()->selectedCells())
        names.append(cell->text(QAccessible::Name));
    return names;
}
