// Units: the windows' measures (twips) and packed colours in Qt's terms.
//  - TwipsPerPixel: 15 twips to one device-independent pixel (1440 twips per inch
//    at 96 logical dots per inch); Qt's high-DPI scaling maps pixels to the screen
//  - TwipsToPixels / PixelsToTwips: the one conversion each way
//  - Rgb(red, green, blue), Packed(QRgb): a colour packed as every colour table and
//    control keeps it, red in the low byte, green in the middle byte and blue in
//    the high byte; ToQColor: such a colour as a QColor
#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel, ties to the even neighbour.
int TwipsToPixels(double twips);
int PixelsToTwips(int pixels);

constexpr int32_t Rgb(int red, int green, int blue) {
    return red | green << 8 | blue << 16;
}
constexpr int32_t Packed(QRgb rgb) {
    return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
QColor ToQColor(int32_t packed);

} // namespace platform
