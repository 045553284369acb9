// Straight seams on the moon's surface, such as the faint lines where a rayed
// crater's rays once ended abruptly from one spoke to the next. Drawn four times as
// large, the surface's own detail changes four times more slowly from pixel to pixel,
// while a seam stays a jump between two neighbouring pixels.
#include "Artwork.h"

#include <QImage>
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace {

// How far the step in perceived brightness from a pixel to the next exceeds the
// steps on either side.
double Jump(const QImage &image, QPoint at, QPoint step) {
    const auto brightness = [&](QPoint p) {
        const QRgb colour = image.pixel(p);
        return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
    };
    const auto stepFrom = [&](QPoint p) { return std::abs(brightness(p + step) - brightness(p)); };
    return stepFrom(at) - (stepFrom(at - step) + stepFrom(at + step)) / 2;
}

// The most pixels of a sharp jump, across a row or a column, that lie on one straight
// line (a Hough count, in whole degrees and whole pixels), inside the disc but away
// from its curved edge.
int MostJumpsOnOneLine(const QImage &moon) {
    constexpr double SharpJump = 2.0; // luminance levels
    constexpr int Angles = 180;
    const int side = moon.width();
    const double centre = (side - 1) / 2.0;
    std::vector<int> votes(Angles * 2 * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            if (std::hypot(x - centre, y - centre) > 0.85 * side / 2) continue;
            const QPoint at(x, y);
            if (Jump(moon, at, {1, 0}) < SharpJump && Jump(moon, at, {0, 1}) < SharpJump) continue;
            for (int angle = 0; angle < Angles; ++angle) {
                const double theta = angle * std::numbers::pi / Angles;
                const double offset =
                    (x - centre) * std::cos(theta) + (y - centre) * std::sin(theta);
                ++votes[angle * 2 * side + side + static_cast<int>(std::lround(offset))];
            }
        }
    return *std::max_element(votes.begin(), votes.end());
}

// Measured: the seams of the old generator put 127 jumps on one line, the surface
// without them at most 43.
TEST(MoonSurface, HasNoStraightSeams) {
    EXPECT_LT(MostJumpsOnOneLine(Artwork::MoonBitmap(4 * Artwork::MoonBitmapSide)), 80);
}

} // namespace
