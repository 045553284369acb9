#include "Artwork.h"
#include "ImageMeasures.h"

#include <gtest/gtest.h>

using ArtworkTest::MeasureLitPart;
using ArtworkTest::Pixels;

namespace {

struct PhaseCase {
    int phase;
    double litShare; // of the disc's area: (1 − cos(phase × 45°)) / 2
    int litSide;     // +1 right, −1 left, 0 none or balanced
};

constexpr PhaseCase Phases[] = {
    {0, 0.0, 0},    {1, 0.146, +1}, {2, 0.5, +1},   {3, 0.854, +1}, {4, 1.0, 0},
    {5, 0.854, -1}, {6, 0.5, -1},   {7, 0.146, -1}, {8, 0.0, 0},
};

void PrintTo(const PhaseCase &c, std::ostream *out) {
    *out << "phase " << c.phase;
}

class MoonPhases : public testing::TestWithParam<std::tuple<PhaseCase, qreal>> {};

TEST_P(MoonPhases, LitShareAndSideFollowTheMoonsAge) {
    const auto [phaseCase, dpr] = GetParam();
    const QPixmap pixmap = Artwork::MoonPhaseButton(phaseCase.phase, QSize(56, 56), dpr);
    const auto lit = MeasureLitPart(Pixels(pixmap));

    EXPECT_NEAR(lit.share, phaseCase.litShare, 0.04);
    const double tolerance = 56 * dpr * 0.02;
    if (phaseCase.litSide > 0) {
        EXPECT_GT(lit.centreX, tolerance);
    } else if (phaseCase.litSide < 0) {
        EXPECT_LT(lit.centreX, -tolerance);
    } else {
        EXPECT_NEAR(lit.centreX, 0, tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPhases, MoonPhases,
                         testing::Combine(testing::ValuesIn(Phases), testing::Values(1.0, 2.0)),
                         [](const auto &info) {
                             return "Phase" + std::to_string(std::get<0>(info.param).phase) +
                                    (std::get<1>(info.param) > 1 ? "At200" : "At100");
                         });

TEST(MoonPhaseButton, NewMoonStillShowsTheDisc) {
    const QImage newMoon = Pixels(Artwork::MoonPhaseButton(0, QSize(40, 40), 1));
    EXPECT_GT(ArtworkTest::OpaqueShare(newMoon), 0.5);
}

TEST(MoonPhaseButton, FitsAWideButtonAsACentredDisc) {
    const QImage wide = Pixels(Artwork::MoonPhaseButton(4, QSize(29, 21), 2));
    ASSERT_EQ(wide.size(), QSize(58, 42));
    const QRect disc = ArtworkTest::OpaqueBounds(wide);
    EXPECT_NEAR(disc.width(), disc.height(), 1);
    EXPECT_NEAR(disc.left(), wide.width() - 1 - disc.right(), 1);
    EXPECT_LE(disc.height(), 42);
}

TEST(MoonPhaseButton, PhaseOutsideTheMonthIsTakenAsTheNearestEnd) {
    const QSize size(24, 24);
    EXPECT_TRUE(Pixels(Artwork::MoonPhaseButton(-3, size, 1)) ==
                Pixels(Artwork::MoonPhaseButton(0, size, 1)));
    EXPECT_TRUE(Pixels(Artwork::MoonPhaseButton(12, size, 1)) ==
                Pixels(Artwork::MoonPhaseButton(8, size, 1)));
}

} // namespace
