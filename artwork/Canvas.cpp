#include "Canvas.h"

#include <QtMath>
#include <algorithm>

namespace Artwork::Detail {

QPixmap BlankPixmap(QSize logicalSize, qreal devicePixelRatio, QColor background) {
    if (logicalSize.isEmpty() || !(devicePixelRatio > 0)) return {};
    QPixmap pixmap(qCeil(logicalSize.width() * devicePixelRatio),
                   qCeil(logicalSize.height() * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(background);
    return pixmap;
}

void PaintDesign(QPixmap &pixmap, qreal designSide, const std::function<void(QPainter &)> &draw) {
    if (pixmap.isNull()) return;
    const QSizeF logical = pixmap.deviceIndependentSize();
    const qreal side = std::min(logical.width(), logical.height());
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate((logical.width() - side) / 2, (logical.height() - side) / 2);
    painter.scale(side / designSide, side / designSide);
    draw(painter);
}

QPixmap Design(QSize logicalSize, qreal devicePixelRatio, QColor background, qreal designSide,
               const std::function<void(QPainter &)> &draw) {
    QPixmap pixmap = BlankPixmap(logicalSize, devicePixelRatio, background);
    PaintDesign(pixmap, designSide, draw);
    return pixmap;
}

} // namespace Artwork::Detail
