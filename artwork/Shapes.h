// Shapes that more than one picture is built from.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace Artwork::Detail {

// A rounded calendar sheet filled with paper, its top band of the given height in the
// header colour. Returns the sheet's outline for a border or a shadow.
QPainterPath FillCalendarSheet(QPainter &p, QRectF sheet, qreal radius, qreal headerHeight,
                               QColor paper, QColor header);

} // namespace Artwork::Detail
