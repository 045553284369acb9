// The program's picture: a calendar sheet whose four columns wear the four calendars'
// colours, under a full moon on a night-blue tile. It is the About picture and, at the
// usual icon sizes, the windows' icon.
#include "Artwork.h"
#include "Canvas.h"
#include "MoonSurface.h"
#include "Palette.h"
#include "Shapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace Artwork {
namespace {

constexpr qreal DesignSide = 100;

void DrawTile(QPainter &p) {
    QLinearGradient sky(0, 4, 0, 96);
    sky.setColorAt(0, Palette::NightHigh);
    sky.setColorAt(1, Palette::Night);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 20, 20);
}

void DrawMoon(QPainter &p, QPointF centre, qreal radius) {
    QRadialGradient glow(centre, radius * 1.6);
    glow.setColorAt(0.55, QColor(255, 244, 214, 90));
    glow.setColorAt(1, QColor(255, 244, 214, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.6, radius * 1.6);
    // The face at the device's own resolution, so it stays sharp at any scale.
    const qreal devicePerUnit = p.deviceTransform().m11();
    const QImage face =
        Detail::MoonDisc(std::max(1, static_cast<int>(std::lround(2 * radius * devicePerUnit))));
    p.drawImage(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), face);
}

void DrawSheet(QPainter &p) {
    const QRectF sheet(13, 36, 60, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(sheet.translated(1.5, 2.5), 6, 6);

    Detail::FillCalendarSheet(p, sheet, 6, 12, Palette::PaperShade, Palette::Marker);

    constexpr qreal Gap = 2, Left = 17, Top = 51;
    const qreal width = (sheet.width() - 8 - 3 * Gap) / 4;
    const qreal height = sheet.bottom() - 4 - Top;
    for (int c = 0; c < 4; ++c) {
        const qreal x = Left + c * (width + Gap);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::CalendarBacks[c]);
        p.drawRoundedRect(QRectF(x, Top, width, height), 2, 2);
        for (int r = 0; r < 4; ++r) {
            const bool chosen = c == 1 && r == 2;
            p.setBrush(chosen ? Palette::Marker : Palette::InkLight);
            const qreal dot = chosen ? 2.6 : 1.7;
            p.drawEllipse(QPointF(x + width / 2, Top + 5 + r * 8.5), dot, dot);
        }
    }

    p.setPen(QPen(Palette::Paper, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 32), QPointF(28, 41));
    p.drawLine(QPointF(58, 32), QPointF(58, 41));
}

} // namespace

QPixmap ProgramPicture(QSize logicalSize, qreal devicePixelRatio) {
    return Detail::Design(logicalSize, devicePixelRatio, Qt::transparent, DesignSide,
                          [](QPainter &p) {
                              DrawTile(p);
                              DrawMoon(p, QPointF(68, 31), 18);
                              DrawSheet(p);
                          });
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ProgramPicture(QSize(side, side), 1));
    return icon;
}

} // namespace Artwork
