#include "ImageMeasures.h"

namespace ArtworkTest {
namespace {

constexpr int HalfOpaque = 128;
// Earthshine stays well below this, the moon's darkest sunlit plains well above.
constexpr double SunlitLuminance = 80;

template <typename Keep> QRect BoundsOf(const QImage &image, Keep keep) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (keep(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

QImage Pixels(const QPixmap &pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

double Luminance(QRgb colour) {
    return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
}

QRect OpaqueBounds(const QImage &image) {
    return BoundsOf(image, [](QRgb c) { return qAlpha(c) >= HalfOpaque; });
}

QRect BoundsOfAllBut(const QImage &image, QRgb colour) {
    return BoundsOf(image, [colour](QRgb c) { return c != colour; });
}

double OpaqueShare(const QImage &image) {
    long opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= HalfOpaque) ++opaque;
    return static_cast<double>(opaque) / (image.width() * image.height());
}

LitPart MeasureLitPart(const QImage &image) {
    long disc = 0, lit = 0;
    double sumX = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < HalfOpaque) continue;
            ++disc;
            if (Luminance(c) < SunlitLuminance) continue;
            ++lit;
            sumX += x + 0.5 - image.width() / 2.0;
        }
    return {disc ? static_cast<double>(lit) / disc : 0, lit ? sumX / lit : 0};
}

} // namespace ArtworkTest
