// The program's own artwork, measured on its pixels: the moon bitmap the build
// writes, the moon-phase buttons, and the button and calendar pictures.
#include "Artwork.h"

#include <QFile>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage Pixels(const QPixmap &pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

double Luminance(QRgb colour) {
    return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
}

// The smallest rectangle holding every pixel that keep accepts, and how many there are.
std::pair<QRect, double> BoundsAndShare(const QImage &image,
                                        const std::function<bool(QRgb)> &keep) {
    QRect bounds;
    long kept = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (keep(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
                ++kept;
            }
    return {bounds, static_cast<double>(kept) / (image.width() * image.height())};
}

bool Opaque(QRgb c) {
    return qAlpha(c) >= 128;
}

TEST(MoonBmp, TheBuildWritesTheDrawnMoonAsA24BitBmpAndASharpCopy) {
    QFile file(ORVANTA_MOON_BMP);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(header[28], 24) << "bits per pixel";
    const QImage small = QImage(ORVANTA_MOON_BMP).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(small == Artwork::MoonBitmap(Artwork::MoonBitmapSide));

    // Halved, the high-density copy matches but for the rounding of the smoothing.
    const QImage large(ORVANTA_MOON_2X_BMP);
    ASSERT_EQ(large.size(), small.size() * 2);
    const QImage halved =
        large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            difference += std::abs(qGray(halved.pixel(x, y)) - qGray(small.pixel(x, y)));
    EXPECT_LT(difference / (small.width() * small.height()), 6.0);
}

// The moon window's shadows assume a disc centred in the picture and spanning it, on
// the sky colour, sunlit to the limb, with maria and highlands that differ clearly.
TEST(MoonBitmap, IsADetailedFullMoonSpanningThePicture) {
    for (const int side : {64, 240}) {
        SCOPED_TRACE(side);
        const QImage moon = Artwork::MoonBitmap(side);
        ASSERT_EQ(moon.size(), QSize(side, side));
        const QRect disc =
            BoundsAndShare(moon, [](QRgb c) { return c != Artwork::MoonBackground; }).first;
        EXPECT_LE(disc.left(), side / 40 + 1);
        EXPECT_GE(disc.left(), 1);
        EXPECT_EQ(disc.left(), side - 1 - disc.right());
        EXPECT_EQ(disc.top(), side - 1 - disc.bottom());
        EXPECT_EQ(disc.width(), disc.height());
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
}

// The sunlit part of a phase button: the disc's pixels bright enough for sunlight
// rather than earthshine; its share of the disc is (1 - cos(phase x 45 degrees)) / 2.
struct PhaseCase {
    int phase;
    double litShare;
    int litSide; // +1 right, -1 left, 0 none or balanced
};

constexpr PhaseCase Phases[] = {
    {0, 0.0, 0},    {1, 0.146, +1}, {2, 0.5, +1},   {3, 0.854, +1}, {4, 1.0, 0},
    {5, 0.854, -1}, {6, 0.5, -1},   {7, 0.146, -1}, {8, 0.0, 0},
};

class MoonPhases : public testing::TestWithParam<std::tuple<PhaseCase, qreal>> {};

TEST_P(MoonPhases, LitShareAndSideFollowTheMoonsAge) {
    const auto [c, dpr] = GetParam();
    const QImage image = Pixels(Artwork::MoonPhaseButton(c.phase, QSize(56, 56), dpr));
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
    EXPECT_NEAR(static_cast<double>(lit) / disc, c.litShare, 0.04);
    const double centreX = lit ? sumX / lit : 0;
    const double tolerance = 56 * dpr * 0.02;
    if (c.litSide == 0) {
        EXPECT_NEAR(centreX, 0, tolerance);
    } else {
        EXPECT_GT(centreX * c.litSide, tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPhases, MoonPhases,
                         testing::Combine(testing::ValuesIn(Phases), testing::Values(1.0, 2.0)),
                         [](const auto &info) {
                             return "Phase" + std::to_string(std::get<0>(info.param).phase) +
                                    (std::get<1>(info.param) > 1 ? "At200" : "At100");
                         });

using Painter = std::function<QPixmap(QSize, qreal)>;
using Artwork::ButtonKind;

Painter Button(ButtonKind kind) {
    return [kind](QSize s, qreal dpr) { return Artwork::ButtonPicture(kind, s, dpr); };
}

const std::pair<const char *, Painter> Pictures[] = {
    {"PreviousYear", Button(ButtonKind::PreviousYear)},
    {"NextYear", Button(ButtonKind::NextYear)},
    {"Today", Button(ButtonKind::Today)},
    {"YearCalendars", Button(ButtonKind::YearCalendars)},
    {"Options", Button(ButtonKind::Options)},
    {"About", Button(ButtonKind::About)},
    {"Exit", Button(ButtonKind::Exit)},
    {"Julian", [](QSize s, qreal dpr) { return Artwork::CalendarPicture(1, s, dpr); }},
    {"Moslem", [](QSize s, qreal dpr) { return Artwork::CalendarPicture(4, s, dpr); }},
    {"MoonPhase2", [](QSize s, qreal dpr) { return Artwork::MoonPhaseButton(2, s, dpr); }},
    {"Program", Artwork::ProgramPicture},
};

// Each picture has the logical size at any pixel ratio, covers the same logical area
// at twice the ratio, and stands centred in a box that is not square.
TEST(EveryPicture, ScalesWithThePixelRatioAndStaysCentred) {
    for (const auto &[name, paint] : Pictures) {
        SCOPED_TRACE(name);
        for (qreal dpr : {1.0, 1.5}) {
            const QPixmap pixmap = paint(QSize(48, 32), dpr);
            EXPECT_EQ(pixmap.size(), QSize(48, 32) * dpr);
            EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(48, 32));
        }
        const QRect once = BoundsAndShare(Pixels(paint(QSize(40, 40), 1)), Opaque).first;
        const QRect twice = BoundsAndShare(Pixels(paint(QSize(40, 40), 2)), Opaque).first;
        ASSERT_FALSE(once.isEmpty());
        EXPECT_NEAR(twice.left(), 2 * once.left(), 2);
        EXPECT_NEAR(twice.width(), 2 * once.width(), 3);
        EXPECT_NEAR(twice.height(), 2 * once.height(), 3);
        const QImage wide = Pixels(paint(QSize(60, 30), 1));
        const QImage tall = Pixels(paint(QSize(30, 60), 1));
        const QRect w = BoundsAndShare(wide, Opaque).first, t = BoundsAndShare(tall, Opaque).first;
        EXPECT_NEAR(w.left(), wide.width() - 1 - w.right(), 1.5);
        EXPECT_NEAR(t.top(), tall.height() - 1 - t.bottom(), 1.5);
    }
}

TEST(ButtonPicture, EachKindIsAVisiblePictogramOfItsOwnAndTheYearArrowsPointApart) {
    std::vector<QImage> seen;
    for (int kind = 0; kind < 7; ++kind) {
        const QImage image = Pixels(Artwork::ButtonPicture(ButtonKind(kind), QSize(24, 24), 1));
        EXPECT_GT(BoundsAndShare(image, Opaque).second, 0.12) << kind;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the button face shows round it";
        for (const QImage &other : seen)
            EXPECT_FALSE(image == other) << kind;
        seen.push_back(image);
    }
    // The column where an arrow is tallest is its head.
    const auto head = [](ButtonKind kind) {
        const QImage image = Pixels(Artwork::ButtonPicture(kind, QSize(24, 24), 1));
        std::vector<int> heights(image.width());
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                heights[x] += Opaque(image.pixel(x, y));
        return std::max_element(heights.begin(), heights.end()) - heights.begin();
    };
    EXPECT_LT(head(ButtonKind::PreviousYear), 12);
    EXPECT_GE(head(ButtonKind::NextYear), 12);
}

TEST(CalendarPicture, AnEmblemStandsOnEachCalendarsColour) {
    const QRgb backgrounds[] = {qRgb(255, 255, 255), qRgb(192, 255, 255), qRgb(255, 255, 192),
                                qRgb(192, 255, 192)};
    for (int id = 1; id <= 4; ++id) {
        const QRgb background = backgrounds[id - 1];
        const QImage image = Pixels(Artwork::CalendarPicture(id, QSize(121, 121), 2));
        for (QPoint corner : {QPoint(0, 0), QPoint(241, 0), QPoint(0, 241), QPoint(241, 241)})
            EXPECT_EQ(image.pixel(corner), background) << id;
        const double emblem = BoundsAndShare(image, [background](QRgb c) {
                                  return std::abs(Luminance(c) - Luminance(background)) > 60;
                              }).second;
        EXPECT_GT(emblem, 0.05) << id;
    }
}

} // namespace
