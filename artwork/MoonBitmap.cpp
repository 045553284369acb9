#include "Artwork.h"
#include "MoonSurface.h"

#include <QPainter>
#include <algorithm>

namespace Artwork {

QImage MoonBitmap(int sidePx) {
    if (sidePx <= 0) return {};
    // A narrow dark border keeps the limb from touching the window's edge while the moon
    // still spans the picture, as the moon window's shadow geometry assumes.
    const int margin = std::max(1, sidePx / 70);
    QImage image(sidePx, sidePx, QImage::Format_RGB32);
    image.fill(MoonBackground);
    QPainter painter(&image);
    painter.drawImage(margin, margin, Detail::MoonDisc(sidePx - 2 * margin));
    return image;
}

} // namespace Artwork
