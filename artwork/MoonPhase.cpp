#include "Artwork.h"
#include "Canvas.h"
#include "MoonSurface.h"

#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace Artwork {
namespace {

constexpr int NewMoon = 0;
constexpr int FullMoon = 4;
constexpr int NextNewMoon = 8;

// The lit part of a disc of the given radius centred on the origin. The terminator is
// half an ellipse through the poles whose half-width is radius × cos(phase angle), so
// the lit share of the disc's area is (1 − cos)/2, as on the real moon.
QPainterPath LitPart(qreal radius, int phase) {
    QPainterPath lit;
    if (phase == NewMoon || phase == NextNewMoon) return lit;
    const qreal squeeze = std::cos(phase * std::numbers::pi / 4);
    const qreal halfWidth = radius * std::abs(squeeze);
    lit.moveTo(0, -radius);
    lit.arcTo(QRectF(-radius, -radius, 2 * radius, 2 * radius), 90, -180);
    lit.arcTo(QRectF(-halfWidth, -radius, 2 * halfWidth, 2 * radius), 270,
              squeeze > 0 ? 180 : -180);
    lit.closeSubpath();
    return phase > FullMoon ? QTransform::fromScale(-1, 1).map(lit) : lit;
}

// The moon's night side, lit faintly by the Earth: the same face, dim and cool.
QImage Earthshine(QImage face) {
    for (int y = 0; y < face.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            const QRgb c = line[x];
            line[x] =
                qRgba(qRed(c) * 26 / 100, qGreen(c) * 29 / 100, qBlue(c) * 38 / 100, qAlpha(c));
        }
    }
    return face;
}

struct Faces {
    QImage day, night;
};

// A window shows the nine phases at one size, so the face is shaded once per size.
// Pictures are made on the GUI thread only, which is all this cache needs.
const Faces &FacesOf(int diameterPx) {
    static std::map<int, Faces> made;
    auto found = made.find(diameterPx);
    if (found == made.end()) {
        QImage day = Detail::MoonDisc(diameterPx);
        found = made.emplace(diameterPx, Faces{day, Earthshine(day)}).first;
    }
    return found->second;
}

} // namespace

QPixmap MoonPhaseButton(int phase, QSize logicalSize, qreal devicePixelRatio) {
    phase = std::clamp(phase, NewMoon, NextNewMoon);
    QPixmap pixmap = Detail::BlankPixmap(logicalSize, devicePixelRatio, Qt::transparent);
    if (pixmap.isNull()) return pixmap;

    const qreal side = std::min(logicalSize.width(), logicalSize.height());
    const qreal diameter = side * 0.9;
    const QPointF centre(logicalSize.width() / 2.0, logicalSize.height() / 2.0);
    const QRectF disc(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
    const Faces &faces =
        FacesOf(std::max(1, static_cast<int>(std::lround(diameter * devicePixelRatio))));

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(disc, faces.night);
    // A textured fill rather than a clip, so the terminator is antialiased too.
    QBrush sunlit(faces.day);
    const qreal scale = diameter / faces.day.width();
    sunlit.setTransform(QTransform::fromTranslate(disc.x(), disc.y()).scale(scale, scale));
    painter.fillPath(LitPart(diameter / 2, phase).translated(centre), sunlit);
    return pixmap;
}

} // namespace Artwork
