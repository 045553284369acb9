#include "Artwork.h"
#include "ImageMeasures.h"

#include <QFile>
#include <cstdlib>
#include <gtest/gtest.h>

using ArtworkTest::Luminance;

namespace {

QImage LoadGeneratedMoon() {
    return QImage(QStringLiteral(ORVANTA_MOON_BMP));
}

TEST(MoonBmp, BuildWritesAStandard24BitBmpOfTheBitmapSide) {
    QFile file(QStringLiteral(ORVANTA_MOON_BMP));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(header[28]), 24) << "bits per pixel";
    EXPECT_EQ(header[29], 0);

    const QImage moon = LoadGeneratedMoon();
    ASSERT_FALSE(moon.isNull());
    EXPECT_EQ(moon.size(), QSize(Artwork::MoonBitmapSide, Artwork::MoonBitmapSide));
}

TEST(MoonBmp, FileHoldsExactlyTheDrawnMoon) {
    const QImage loaded = LoadGeneratedMoon().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = Artwork::MoonBitmap(Artwork::MoonBitmapSide);
    EXPECT_TRUE(loaded == drawn);
}

// The high-density copy is the same moon: halved, it matches "Moon.bmp" but for the
// rounding of the smoothing.
TEST(MoonBmp, SharpCopyIsTheSameMoonAtTwiceTheSide) {
    const QImage small = LoadGeneratedMoon().convertToFormat(QImage::Format_RGB32);
    const QImage large = QImage(QStringLiteral(ORVANTA_MOON_2X_BMP));
    ASSERT_EQ(large.size(), small.size() * 2);
    const QImage halved =
        large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    double difference = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            difference += std::abs(qGray(halved.pixel(x, y)) - qGray(small.pixel(x, y)));
    EXPECT_LT(difference / (small.width() * small.height()), 6.0);
}

class MoonBitmapSides : public testing::TestWithParam<int> {};

TEST_P(MoonBitmapSides, IsABrightDiscSpanningThePictureOnTheBackground) {
    const int side = GetParam();
    const QImage moon = Artwork::MoonBitmap(side);
    ASSERT_EQ(moon.size(), QSize(side, side));

    for (int i = 0; i < side; ++i) {
        ASSERT_EQ(moon.pixel(i, 0), Artwork::MoonBackground) << "top edge at " << i;
        ASSERT_EQ(moon.pixel(i, side - 1), Artwork::MoonBackground) << "bottom edge at " << i;
        ASSERT_EQ(moon.pixel(0, i), Artwork::MoonBackground) << "left edge at " << i;
        ASSERT_EQ(moon.pixel(side - 1, i), Artwork::MoonBackground) << "right edge at " << i;
    }

    // The moon window's shadow shapes assume the disc spans the picture and is centred.
    const QRect disc = ArtworkTest::BoundsOfAllBut(moon, Artwork::MoonBackground);
    EXPECT_LE(disc.left(), side / 40 + 1);
    EXPECT_LE(side - 1 - disc.right(), side / 40 + 1);
    EXPECT_EQ(disc.left(), side - 1 - disc.right());
    EXPECT_EQ(disc.top(), side - 1 - disc.bottom());
    EXPECT_EQ(disc.width(), disc.height());

    // A full moon: bright in the middle and still lit close to the limb all round.
    EXPECT_GT(Luminance(moon.pixel(side / 2, side / 2)), 90);
    const int c = side / 2, reach = side * 42 / 100;
    for (QPoint p :
         {QPoint(c - reach, c), QPoint(c + reach, c), QPoint(c, c - reach), QPoint(c, c + reach)})
        EXPECT_GT(Luminance(moon.pixel(p)), 60) << p.x() << "," << p.y();
}

TEST_P(MoonBitmapSides, ShowsSurfaceDetailRatherThanAFlatDisc) {
    const int side = GetParam();
    const QImage moon = Artwork::MoonBitmap(side);
    double darkest = 255, brightest = 0;
    const int c = side / 2, reach = side / 3;
    for (int y = c - reach; y <= c + reach; ++y)
        for (int x = c - reach; x <= c + reach; ++x) {
            const double l = Luminance(moon.pixel(x, y));
            darkest = std::min(darkest, l);
            brightest = std::max(brightest, l);
        }
    EXPECT_GT(brightest - darkest, 60) << "maria and highlands should differ clearly";
}

INSTANTIATE_TEST_SUITE_P(Sides, MoonBitmapSides, testing::Values(64, 200, 220, 240));

TEST(MoonBitmap, SameSideGivesTheSamePixels) {
    EXPECT_TRUE(Artwork::MoonBitmap(150) == Artwork::MoonBitmap(150));
}

TEST(MoonBitmap, NoSideGivesNoImage) {
    EXPECT_TRUE(Artwork::MoonBitmap(0).isNull());
    EXPECT_TRUE(Artwork::MoonBitmap(-5).isNull());
}

} // namespace
