#include "Units.h"

#include <cmath>

namespace platform {

int TwipsToPixels(double twips) {
    return static_cast<int>(std::nearbyint(twips / TwipsPerPixel));
}

int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

QColor ToQColor(int32_t packed) {
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

} // namespace platform
