// The program's own artwork, measured on its pixels: the moon bitmap the build
// writes and its surface, the moon-phase buttons, and the button and calendar pictures.
#include "Artwork.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace {

QImage Pixels(const QPixmap &pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

double Luminance(QRgb colour) {
    return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
}

bool Opaque(QRgb c) {
    return qAlpha(c) >= 128;
}

// The smallest rectangle holding every pixel that keep accepts.
QRect Bounds(const QImage &image, const std::function<bool(QRgb)> &keep = Opaque) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (keep(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The build writes the drawn moon as 24-bit BMPs, at the picture's size and twice it.
// The moon window's shadows assume a disc centred in the picture and spanning it, on
// the sky colour, sunlit to the limb, with maria and highlands that differ clearly.
TEST(MoonBitmap, TheBuildWritesADetailedFullMoonSpanningThePicture) {
    QFile file(ORVANTA_MOON_BMP);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(header[28], 24) << "bits per pixel";
    const int side = Artwork::MoonBitmapSide;
    const QImage moon = QImage(ORVANTA_MOON_BMP).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(moon == Artwork::MoonBitmap(side));
    EXPECT_TRUE(QImage(ORVANTA_MOON_2X_BMP).convertToFormat(QImage::Format_RGB32) ==
                Artwork::MoonBitmap(2 * side));

    const QRect disc = Bounds(moon, [](QRgb c) { return c != Artwork::MoonBackground; });
    EXPECT_TRUE(disc.left() >= 1 && disc.left() <= side / 40 + 1) << disc.left();
    EXPECT_EQ(disc,
              QRect(disc.left(), disc.left(), side - 2 * disc.left(), side - 2 * disc.left()));
    const int c = side / 2, limb = side * 42 / 100;
    for (QPoint p :
         {QPoint(c - limb, c), QPoint(c + limb, c), QPoint(c, c - limb), QPoint(c, c + limb)})
        EXPECT_GT(Luminance(moon.pixel(p)), 60) << p.x() << "," << p.y();
    double darkest = 255, brightest = 0;
    for (int y = c - side / 3; y <= c + side / 3; ++y)
        for (int x = c - side / 3; x <= c + side / 3; ++x) {
            darkest = std::min(darkest, Luminance(moon.pixel(x, y)));
            brightest = std::max(brightest, Luminance(moon.pixel(x, y)));
        }
    EXPECT_GT(brightest - darkest, 60);
}

// The sunlit part of a phase button, the disc's pixels bright enough for sunlight
// rather than earthshine, as on the real moon: its share of the disc is
// (1 - cos(phase x 45 degrees)) / 2, its centre right of the middle while waxing, left
// while waning.
TEST(MoonPhaseButton, LitShareAndSideFollowTheMoonsAge) {
    for (int phase = 0; phase <= 8; ++phase) {
        for (const qreal dpr : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << "phase " << phase << " at " << dpr);
            const QImage image = Pixels(Artwork::MoonPhaseButton(phase, QSize(56, 56), dpr));
            long disc = 0, lit = 0;
            double sumX = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    if (!Opaque(image.pixel(x, y))) continue;
                    ++disc;
                    if (Luminance(image.pixel(x, y)) < 80) continue;
                    ++lit;
                    sumX += x + 0.5 - image.width() / 2.0;
                }
            EXPECT_GT(disc, image.width() * image.height() / 2) << "the disc shows at new moon too";
            const double angle = phase * std::numbers::pi / 4;
            EXPECT_NEAR(static_cast<double>(lit) / disc, (1 - std::cos(angle)) / 2, 0.04);
            const double centreX = lit ? sumX / lit : 0, tolerance = 56 * dpr * 0.02;
            if (phase % 4 == 0) {
                EXPECT_NEAR(centreX, 0, tolerance);
            } else {
                EXPECT_GT(centreX * std::sin(angle), tolerance * std::abs(std::sin(angle)));
            }
        }
    }
}

// Each picture (the program's, two calendars', a moon button's and the seven buttons')
// has the logical size at any pixel ratio, covers the same logical area at twice the
// ratio, and differs from every other (no two buttons look alike).
TEST(EveryPicture, ScalesWithThePixelRatioAndIsItsOwn) {
    using Painter = std::function<QPixmap(QSize, qreal)>;
    std::vector<Painter> pictures{
        Artwork::ProgramPicture,
        [](QSize s, qreal dpr) { return Artwork::CalendarPicture(1, s, dpr); },
        [](QSize s, qreal dpr) { return Artwork::CalendarPicture(4, s, dpr); },
        [](QSize s, qreal dpr) { return Artwork::MoonPhaseButton(2, s, dpr); }};
    for (int kind = 0; kind < 7; ++kind)
        pictures.push_back([kind](QSize s, qreal dpr) {
            return Artwork::ButtonPicture(Artwork::ButtonKind(kind), s, dpr);
        });
    std::vector<QImage> seen;
    for (const Painter &paint : pictures) {
        SCOPED_TRACE(seen.size());
        const QPixmap pixmap = paint(QSize(48, 32), 1.5);
        EXPECT_EQ(pixmap.size(), QSize(72, 48));
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(48, 32));
        const QImage image = Pixels(paint(QSize(40, 40), 1));
        const QRect once = Bounds(image), twice = Bounds(Pixels(paint(QSize(40, 40), 2)));
        EXPECT_GT(once.width() * once.height(), 40 * 40 / 8) << "a visible picture";
        EXPECT_NEAR(twice.left(), 2 * once.left(), 2);
        EXPECT_NEAR(twice.width(), 2 * once.width(), 3);
        EXPECT_NEAR(twice.height(), 2 * once.height(), 3);
        for (const QImage &other : seen)
            EXPECT_FALSE(image == other);
        seen.push_back(image);
    }
}

// Straight seams on the moon's surface, such as the faint lines where a rayed
// crater's rays once ended abruptly from one spoke to the next. Drawn four times as
// large, the surface's own detail changes four times more slowly from pixel to pixel,
// while a seam stays a jump between two neighbouring pixels.

// How far the step in perceived brightness from a pixel to the next exceeds the
// steps on either side.
double Jump(const QImage &image, QPoint at, QPoint step) {
    const auto stepFrom = [&](QPoint p) {
        return std::abs(Luminance(image.pixel(p + step)) - Luminance(image.pixel(p)));
    };
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
