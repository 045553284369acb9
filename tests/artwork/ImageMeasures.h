// Measurements the artwork tests take on pictures, in device pixels.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRgb>

namespace ArtworkTest {

// The picture's pixels, straight (not premultiplied) ARGB.
QImage Pixels(const QPixmap &pixmap);

// Perceived brightness 0..255 of a straight colour.
double Luminance(QRgb colour);

// The smallest rectangle holding every pixel that is at least half opaque.
QRect OpaqueBounds(const QImage &image);

// The smallest rectangle holding every pixel that differs from the colour.
QRect BoundsOfAllBut(const QImage &image, QRgb colour);

// Share of the image's pixels that are at least half opaque.
double OpaqueShare(const QImage &image);

struct LitPart {
    double share;   // lit pixels over the disc's pixels
    double centreX; // mean x of the lit pixels, relative to the image's centre line
};

// The sunlit part of a moon picture: disc pixels (at least half opaque) bright enough to
// be in sunlight rather than in earthshine.
LitPart MeasureLitPart(const QImage &image);

} // namespace ArtworkTest
