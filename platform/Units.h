// Units: the windows' measures (twips) and packed colours in Qt's terms.
//  - TwipsPerPixel: 15 twips to one device-independent pixel (1440 twips per inch
//    at 96 logical dots per inch); Qt's high-DPI scaling maps pixels to the screen
//  - TwipsToPixels / PixelsToTwips: the one conversion each way
//  - ToQColor: a colour packed with red in the low byte, green in the middle byte
//    and blue in the high byte, as a QColor
#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel, ties to the even neighbour.
int TwipsToPixels(double twips);
int PixelsToTwips(int pixels);

QColor ToQColor(int32_t packed);

} // namespace platform
