// Toolbar pictograms, drawn in a 24 × 24 design box: a calendar page stands for the
// calendar buttons, the rest are the familiar signs for settings, information and leaving.
#include "Artwork.h"
#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace Artwork {
namespace {

constexpr qreal DesignSide = 24;

QPen InkPen(qreal width, QColor colour = Palette::Ink) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A wall-calendar sheet with a coloured header and two binder rings; returns the area
// left for the sheet's contents.
QRectF CalendarPage(QPainter &p) {
    const QRectF sheet(3, 4.5, 18, 17);
    const QPainterPath outline =
        Detail::FillCalendarSheet(p, sheet, 2.4, 4.6, Palette::Paper, Palette::Accent);
    p.strokePath(outline, InkPen(1.4));
    p.setPen(InkPen(1.8));
    p.drawLine(QPointF(8, 2.6), QPointF(8, 6.2));
    p.drawLine(QPointF(16, 2.6), QPointF(16, 6.2));
    return QRectF(sheet.x() + 2, sheet.y() + 6.4, sheet.width() - 4, sheet.height() - 8.2);
}

// The twelve months of a year as a 4 × 3 grid on the page.
void DrawYearCalendars(QPainter &p) {
    const QRectF area = CalendarPage(p);
    constexpr int Columns = 4, Rows = 3;
    constexpr qreal Gap = 1.1;
    const qreal w = (area.width() - (Columns - 1) * Gap) / Columns;
    const qreal h = (area.height() - (Rows - 1) * Gap) / Rows;
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::InkLight);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            p.drawRoundedRect(QRectF(area.x() + c * (w + Gap), area.y() + r * (h + Gap), w, h), 0.5,
                              0.5);
}

// One day singled out on the page.
void DrawToday(QPainter &p) {
    const QRectF area = CalendarPage(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Marker);
    p.drawEllipse(area.center(), 3.4, 3.4);
}

void DrawGear(QPainter &p) {
    constexpr int Teeth = 8;
    constexpr qreal Outer = 10.2, Root = 7.6;
    const QPointF centre(12, 12);
    QPainterPath gear;
    for (int i = 0; i < Teeth; ++i) {
        const qreal step = 2 * std::numbers::pi / Teeth;
        const qreal a = i * step;
        const auto at = [&](qreal radius, qreal angle) {
            return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        };
        const QPointF points[] = {at(Root, a - 0.5 * step), at(Root, a - 0.3 * step),
                                  at(Outer, a - 0.18 * step), at(Outer, a + 0.18 * step),
                                  at(Root, a + 0.3 * step)};
        if (i == 0) gear.moveTo(points[0]);
        for (const QPointF &pt : points)
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 3.3, 3.3);
    p.setPen(InkPen(0.8));
    p.setBrush(Palette::Ink);
    p.drawPath(gear.subtracted(hole));
}

void DrawAbout(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Accent);
    p.drawEllipse(QPointF(12, 12), 10.2, 10.2);
    p.setBrush(Palette::Paper);
    p.drawEllipse(QPointF(12, 7.2), 1.75, 1.75);
    p.drawRoundedRect(QRectF(10.4, 10.2, 3.2, 8.4), 1, 1);
}

// An open door with an arrow leaving through it.
void DrawExit(QPainter &p) {
    QPainterPath frame;
    frame.moveTo(14, 8);
    frame.lineTo(14, 3);
    frame.lineTo(4, 3);
    frame.lineTo(4, 21);
    frame.lineTo(14, 21);
    frame.lineTo(14, 16);
    p.strokePath(frame, InkPen(1.8));

    QPainterPath door;
    door.moveTo(4, 2.6);
    door.lineTo(10, 4.4);
    door.lineTo(10, 22.4);
    door.lineTo(4, 21.4);
    door.closeSubpath();
    p.setPen(InkPen(1.2));
    p.setBrush(Palette::InkLight);
    p.drawPath(door);

    p.setPen(InkPen(2.4, Palette::Marker));
    p.drawLine(QPointF(11.5, 12), QPointF(20, 12));
    p.drawPolyline(QPolygonF({QPointF(16.6, 8.6), QPointF(20, 12), QPointF(16.6, 15.4)}));
}

// A tick: the choices are taken.
void DrawApply(QPainter &p) {
    p.setPen(InkPen(3.2, Palette::Accent));
    p.drawPolyline(QPolygonF({QPointF(4.5, 12.5), QPointF(10, 18), QPointF(19.5, 6)}));
}

// A cross: the window goes away.
void DrawClose(QPainter &p) {
    p.setPen(InkPen(3, Palette::Marker));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void DrawArrow(QPainter &p, bool forward) {
    if (!forward) {
        p.translate(DesignSide, 0);
        p.scale(-1, 1);
    }
    p.setPen(InkPen(2.6));
    p.drawLine(QPointF(5, 12), QPointF(18.5, 12));
    p.drawPolyline(QPolygonF({QPointF(13, 6.5), QPointF(18.5, 12), QPointF(13, 17.5)}));
}

} // namespace

QPixmap ButtonPicture(ButtonKind kind, QSize logicalSize, qreal devicePixelRatio) {
    return Detail::Design(logicalSize, devicePixelRatio, Qt::transparent, DesignSide,
                          [kind](QPainter &p) {
                              switch (kind) {
                              case ButtonKind::PreviousYear:
                                  DrawArrow(p, false);
                                  break;
                              case ButtonKind::NextYear:
                                  DrawArrow(p, true);
                                  break;
                              case ButtonKind::Today:
                                  DrawToday(p);
                                  break;
                              case ButtonKind::YearCalendars:
                                  DrawYearCalendars(p);
                                  break;
                              case ButtonKind::Options:
                                  DrawGear(p);
                                  break;
                              case ButtonKind::About:
                                  DrawAbout(p);
                                  break;
                              case ButtonKind::Exit:
                                  DrawExit(p);
                                  break;
                              case ButtonKind::Apply:
                                  DrawApply(p);
                                  break;
                              case ButtonKind::Close:
                                  DrawClose(p);
                                  break;
                              }
                          });
}

} // namespace Artwork
