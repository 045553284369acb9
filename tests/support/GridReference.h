// How a grid of the program must look, drawn the plain, slow way from what the grid
// reports of itself (sizes, texts, merged spans, each cell's format): every cell's
// lines along its left and top edges, its inside filled, its text placed from the
// font's metrics and drawn with QPainter::drawText, cut at the cell's edges only when
// it does not fit, always centred from top to bottom; a number right-aligned and other
// text left-aligned unless the cell is centred (the program's grids use no other
// alignment). The grid itself may paint however it likes, as long as the pixels are
// these.
//
// A cell colour of 0 reads back the same as no colour of its own, so a cell coloured
// black is drawn in the grid's colours here: pictures compared with it use no black
// cells.
#pragma once

#include "platform/MSFlexGrid.h"

#include <QImage>

QImage ReferenceGrid(platform::MSFlexGrid &grid);
// The grid as it paints itself, in the same format.
QImage GrabbedGrid(platform::MSFlexGrid &grid);
