// The calendars' emblems, drawn in a 100 × 100 design box on a medallion in a deeper
// tint of the calendar's own colour: a laurel wreath round a column for the Roman
// calendar, a clock tower for the reformed one, a seven-branched lamp for the Jewish and a
// crescent with a star for the Moslem calendar.
#include "Artwork.h"
#include "Canvas.h"
#include "Palette.h"

#include <QPainterPath>
#include <QTransform>
#include <array>
#include <cmath>
#include <numbers>

namespace Artwork {
namespace {

constexpr qreal DesignSide = 100;
constexpr QPointF Centre(50, 50);

QPen Pen(QColor colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

qreal Radians(qreal degrees) {
    return degrees * std::numbers::pi / 180;
}

void DrawMedallion(QPainter &p, QColor background) {
    p.setPen(Pen(background.darker(122), 1.4));
    p.setBrush(background.darker(105));
    p.drawEllipse(Centre, 45, 45);
    p.setPen(Pen(background.darker(112), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(Centre, 41.5, 41.5);
}

// A pointed leaf from base to tip along +x, its widest point a little before the middle.
QPainterPath Leaf(qreal length, qreal width) {
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    leaf.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    return leaf;
}

// One branch of the wreath, rising along the right of a circle from the bottom.
void DrawLaurelBranch(QPainter &p) {
    constexpr qreal Radius = 35;
    const auto onCircle = [](qreal phi) {
        return Centre + QPointF(Radius * std::sin(Radians(phi)), Radius * std::cos(Radians(phi)));
    };
    QPainterPath stem;
    stem.moveTo(onCircle(8));
    for (qreal phi = 8; phi <= 148; phi += 4)
        stem.lineTo(onCircle(phi));
    p.strokePath(stem, Pen(Palette::Laurel.darker(125), 1.6));

    p.setPen(Qt::NoPen);
    for (int k = 0; k < 9; ++k) {
        const qreal phi = 18 + k * 15;
        const qreal heading = 90 - phi; // the stem's direction, in screen degrees
        const qreal length = 13 - k * 0.55, width = 3.6 - k * 0.12;
        for (int side : {-1, 1}) {
            QTransform t;
            t.translate(onCircle(phi - 4).x(), onCircle(phi - 4).y());
            t.rotate(-(heading + side * 38));
            p.setBrush(side > 0 ? Palette::Laurel : Palette::Laurel.lighter(118));
            p.drawPath(t.map(Leaf(length, width)));
        }
    }
    QTransform tip;
    tip.translate(onCircle(150).x(), onCircle(150).y());
    tip.rotate(-(90 - 150));
    p.setBrush(Palette::Laurel);
    p.drawPath(tip.map(Leaf(10, 3)));
}

void DrawIonicColumn(QPainter &p) {
    const QColor stone(238, 232, 216);
    p.setPen(Pen(Palette::Ink, 1.5));
    p.setBrush(stone);
    p.drawRect(QRectF(36.5, 71.5, 27, 4));                // plinth
    p.drawRoundedRect(QRectF(39, 68, 22, 3.5), 1.5, 1.5); // torus
    QPolygonF shaft({QPointF(42.5, 36), QPointF(57.5, 36), QPointF(58.5, 68), QPointF(41.5, 68)});
    p.drawPolygon(shaft);
    p.setPen(Pen(Palette::InkLight, 1));
    for (qreal x : {46.0, 50.0, 54.0})
        p.drawLine(QPointF(x, 39), QPointF(x + (x - 50) * 0.07, 65));
    p.setPen(Pen(Palette::Ink, 1.5));
    p.drawRect(QRectF(40, 31.5, 20, 4.5)); // echinus
    for (qreal x : {38.5, 61.5}) {
        p.drawEllipse(QPointF(x, 35), 3.6, 3.6);
        p.drawEllipse(QPointF(x, 35), 1.1, 1.1);
    }
    p.drawRect(QRectF(35, 27, 30, 4.5)); // abacus
}

void DrawJulian(QPainter &p) {
    DrawLaurelBranch(p);
    p.save();
    p.translate(DesignSide, 0);
    p.scale(-1, 1);
    DrawLaurelBranch(p);
    p.restore();
    // The ribbon that ties the two branches.
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Marker);
    for (int side : {-1, 1})
        p.drawPolygon(QPolygonF({QPointF(50 + side * 1.5, 85.5), QPointF(50 + side * 6.5, 92),
                                 QPointF(50 + side * 3.5, 92.8), QPointF(50, 87.5)}));
    p.drawEllipse(QPointF(50, 85.5), 2.8, 2.2);
    DrawIonicColumn(p);
}

void DrawClockFace(QPainter &p, QPointF centre, qreal radius) {
    p.setPen(Pen(Palette::Ink, 1.6));
    p.setBrush(Palette::Paper);
    p.drawEllipse(centre, radius, radius);
    for (int h = 0; h < 12; ++h) {
        const qreal a = Radians(h * 30);
        const QPointF dir(std::sin(a), -std::cos(a));
        const qreal inner = h % 3 == 0 ? radius - 4.2 : radius - 2.6;
        p.setPen(Pen(Palette::Ink, h % 3 == 0 ? 1.6 : 1));
        p.drawLine(centre + dir * inner, centre + dir * (radius - 1.3));
    }
    const auto hand = [&](qreal degrees, qreal length, qreal width) {
        const qreal a = Radians(degrees);
        p.setPen(Pen(Palette::Ink, width));
        p.drawLine(centre, centre + QPointF(std::sin(a), -std::cos(a)) * length);
    };
    hand(305, radius * 0.52, 2);
    hand(60, radius * 0.78, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Marker);
    p.drawEllipse(centre, 1.5, 1.5);
}

void DrawGregorian(QPainter &p) {
    const QColor wall(240, 248, 252);
    p.setPen(Pen(Palette::Ink, 1.6));
    p.setBrush(wall);
    p.drawRect(QRectF(34, 38, 32, 46));
    p.setBrush(Palette::Accent);
    p.drawPolygon(QPolygonF({QPointF(30, 38), QPointF(70, 38), QPointF(50, 13)}));
    p.drawLine(QPointF(50, 13), QPointF(50, 8.5));
    p.setBrush(Palette::Gold);
    p.drawEllipse(QPointF(50, 8), 1.8, 1.8);
    DrawClockFace(p, QPointF(50, 55), 12.5);
    QPainterPath door;
    door.moveTo(45, 84);
    door.lineTo(45, 75);
    door.arcTo(QRectF(45, 70, 10, 10), 180, -180);
    door.lineTo(55, 84);
    p.setPen(Pen(Palette::Ink, 1.4));
    p.setBrush(Palette::Ink);
    p.drawPath(door);
    p.setPen(Pen(Palette::Ink, 1.8));
    p.drawLine(QPointF(27, 84), QPointF(73, 84));
}

// Seven lamps on three nested arms around a central stem.
void DrawSevenBranchedLamp(QPainter &p) {
    constexpr qreal CupTop = 33;
    constexpr std::array ArmRadii{8.0, 16.0, 24.0};
    QPainterPath metal;
    metal.moveTo(50, CupTop);
    metal.lineTo(50, 73);
    for (qreal r : ArmRadii) {
        metal.moveTo(50 - r, CupTop);
        metal.arcTo(QRectF(50 - r, CupTop - r, 2 * r, 2 * r), 180, 180);
    }
    p.strokePath(metal, Pen(Palette::Bronze, 3.6));
    p.strokePath(metal, Pen(Palette::Gold.lighter(125), 1.1));

    p.setPen(Pen(Palette::Bronze, 1.2));
    p.setBrush(Palette::Gold);
    p.drawPolygon(QPolygonF({QPointF(44, 72), QPointF(56, 72), QPointF(63, 80), QPointF(37, 80)}));
    p.drawRoundedRect(QRectF(33, 79.5, 34, 4), 1.5, 1.5);

    for (qreal x : {26.0, 34.0, 42.0, 50.0, 58.0, 66.0, 74.0}) {
        p.setPen(Pen(Palette::Bronze, 1));
        p.setBrush(Palette::Gold);
        p.drawPolygon(QPolygonF({QPointF(x - 3.2, CupTop - 3.5), QPointF(x + 3.2, CupTop - 3.5),
                                 QPointF(x + 1.6, CupTop + 0.5), QPointF(x - 1.6, CupTop + 0.5)}));
        QPainterPath flame;
        flame.moveTo(x, CupTop - 15);
        flame.cubicTo(x + 1.5, CupTop - 10, x + 3.4, CupTop - 7.5, x, CupTop - 4.5);
        flame.cubicTo(x - 3.4, CupTop - 7.5, x - 1.5, CupTop - 10, x, CupTop - 15);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(232, 110, 44));
        p.drawPath(flame);
        p.setBrush(QColor(255, 214, 92));
        p.drawPath(QTransform()
                       .translate(x, CupTop - 5)
                       .scale(0.5, 0.5)
                       .translate(-x, -(CupTop - 5))
                       .map(flame));
    }
}

QPainterPath Star(QPointF centre, qreal outer, qreal inner, qreal turnDegrees) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = Radians(turnDegrees + i * 36);
        const QPointF pt = centre + QPointF(r * std::sin(a), -r * std::cos(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

void DrawCrescentAndStar(QPainter &p) {
    QPainterPath outer, bite;
    outer.addEllipse(QPointF(45, 50), 28, 28);
    bite.addEllipse(QPointF(55, 45.5), 23.5, 23.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::DeepGreen);
    p.drawPath(outer.subtracted(bite));
    p.setPen(Pen(Palette::Bronze, 0.8));
    p.setBrush(Palette::Gold);
    p.drawPath(Star(QPointF(64, 44), 10, 4, -18));
}

} // namespace

QPixmap CalendarPicture(int calendarId, QSize logicalSize, qreal devicePixelRatio) {
    if (calendarId < 1 || calendarId > static_cast<int>(Palette::CalendarBacks.size())) return {};
    const QColor background = Palette::CalendarBacks[calendarId - 1];
    return Detail::Design(logicalSize, devicePixelRatio, background, DesignSide,
                          [calendarId, background](QPainter &p) {
                              DrawMedallion(p, background);
                              switch (calendarId) {
                              case 1:
                                  DrawJulian(p);
                                  break;
                              case 2:
                                  DrawGregorian(p);
                                  break;
                              case 3:
                                  DrawSevenBranchedLamp(p);
                                  break;
                              case 4:
                                  DrawCrescentAndStar(p);
                                  break;
                              }
                          });
}

} // namespace Artwork
