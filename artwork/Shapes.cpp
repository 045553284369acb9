#include "Shapes.h"

namespace Artwork::Detail {

QPainterPath FillCalendarSheet(QPainter &p, QRectF sheet, qreal radius, qreal headerHeight,
                               QColor paper, QColor header) {
    QPainterPath outline;
    outline.addRoundedRect(sheet, radius, radius);
    QPainterPath band;
    band.addRect(sheet.x(), sheet.y(), sheet.width(), headerHeight);
    p.fillPath(outline, paper);
    p.fillPath(outline.intersected(band), header);
    return outline;
}

} // namespace Artwork::Detail
