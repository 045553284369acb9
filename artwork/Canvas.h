// Where every pictogram is drawn: a pixmap at the asked logical size and pixel ratio,
// and a painter whose coordinates are a square design box centred in it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <functional>

namespace Artwork::Detail {

// A pixmap of logicalSize × devicePixelRatio pixels with that ratio set, filled with
// background; null when the size is empty or the ratio not positive.
QPixmap BlankPixmap(QSize logicalSize, qreal devicePixelRatio, QColor background);

// Runs draw with an antialiasing painter whose unit square [0, designSide]² is centred in
// the pixmap and scaled to its shorter side. Does nothing on a null pixmap.
void PaintDesign(QPixmap &pixmap, qreal designSide, const std::function<void(QPainter &)> &draw);

// A blank pixmap with a design painted on it, in one step.
QPixmap Design(QSize logicalSize, qreal devicePixelRatio, QColor background, qreal designSide,
               const std::function<void(QPainter &)> &draw);

} // namespace Artwork::Detail
