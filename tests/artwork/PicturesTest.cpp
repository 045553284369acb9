#include "Artwork.h"
#include "ImageMeasures.h"

#include <functional>
#include <gtest/gtest.h>

using ArtworkTest::OpaqueBounds;
using ArtworkTest::Pixels;

namespace {

using Artwork::ButtonKind;
using Painter = std::function<QPixmap(QSize, qreal)>;

struct Named {
    const char *name;
    Painter paint;
};

Painter Button(ButtonKind kind) {
    return [kind](QSize s, qreal dpr) { return Artwork::ButtonPicture(kind, s, dpr); };
}
Painter Calendar(int id) {
    return [id](QSize s, qreal dpr) { return Artwork::CalendarPicture(id, s, dpr); };
}
Painter Phase(int phase) {
    return [phase](QSize s, qreal dpr) { return Artwork::MoonPhaseButton(phase, s, dpr); };
}

const Named Pictures[] = {
    {"PreviousYear", Button(ButtonKind::PreviousYear)},
    {"NextYear", Button(ButtonKind::NextYear)},
    {"Today", Button(ButtonKind::Today)},
    {"YearCalendars", Button(ButtonKind::YearCalendars)},
    {"Options", Button(ButtonKind::Options)},
    {"About", Button(ButtonKind::About)},
    {"Exit", Button(ButtonKind::Exit)},
    {"Julian", Calendar(1)},
    {"Gregorian", Calendar(2)},
    {"Jewish", Calendar(3)},
    {"Moslem", Calendar(4)},
    {"MoonPhase2", Phase(2)},
    {"Program", Artwork::ProgramPicture},
};

void PrintTo(const Named &picture, std::ostream *out) {
    *out << picture.name;
}

class EveryPicture : public testing::TestWithParam<Named> {};

TEST_P(EveryPicture, HasTheLogicalSizeAtThePixelRatio) {
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        const QPixmap pixmap = GetParam().paint(QSize(48, 32), dpr);
        EXPECT_EQ(pixmap.size(), QSize(48, 32) * dpr) << "ratio " << dpr;
        EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(48, 32));
    }
}

TEST_P(EveryPicture, AtDoubleRatioCoversTheSameLogicalArea) {
    const QRect once = OpaqueBounds(Pixels(GetParam().paint(QSize(40, 40), 1)));
    const QRect twice = OpaqueBounds(Pixels(GetParam().paint(QSize(40, 40), 2)));
    ASSERT_FALSE(once.isEmpty());
    EXPECT_NEAR(twice.left(), 2 * once.left(), 2);
    EXPECT_NEAR(twice.top(), 2 * once.top(), 2);
    EXPECT_NEAR(twice.width(), 2 * once.width(), 3);
    EXPECT_NEAR(twice.height(), 2 * once.height(), 3);
}

TEST_P(EveryPicture, IsCentredInANonSquareBox) {
    const QImage wide = Pixels(GetParam().paint(QSize(60, 30), 1));
    const QImage tall = Pixels(GetParam().paint(QSize(30, 60), 1));
    const QRect w = OpaqueBounds(wide), t = OpaqueBounds(tall);
    EXPECT_NEAR(w.left(), wide.width() - 1 - w.right(), 1.5);
    EXPECT_NEAR(t.top(), tall.height() - 1 - t.bottom(), 1.5);
}

TEST_P(EveryPicture, EmptySizeOrBadRatioGivesNoPicture) {
    EXPECT_TRUE(GetParam().paint(QSize(0, 20), 1).isNull());
    EXPECT_TRUE(GetParam().paint(QSize(20, 20), 0).isNull());
}

INSTANTIATE_TEST_SUITE_P(Artwork, EveryPicture, testing::ValuesIn(Pictures),
                         [](const auto &info) { return std::string(info.param.name); });

constexpr ButtonKind Buttons[] = {
    ButtonKind::PreviousYear, ButtonKind::NextYear, ButtonKind::Today, ButtonKind::YearCalendars,
    ButtonKind::Options,      ButtonKind::About,    ButtonKind::Exit};

TEST(ButtonPicture, EachKindIsAVisiblePictogramOfItsOwn) {
    std::vector<QImage> seen;
    for (ButtonKind kind : Buttons) {
        const QImage image = Pixels(Artwork::ButtonPicture(kind, QSize(24, 24), 1));
        EXPECT_GT(ArtworkTest::OpaqueShare(image), 0.12) << static_cast<int>(kind);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the button face shows round it";
        for (const QImage &other : seen)
            EXPECT_FALSE(image == other) << static_cast<int>(kind);
        seen.push_back(image);
    }
}

// The column where the arrow is tallest is its head.
int HeadColumn(ButtonKind kind) {
    const QImage image = Pixels(Artwork::ButtonPicture(kind, QSize(24, 24), 1));
    int head = -1, tallest = 0;
    for (int x = 0; x < image.width(); ++x) {
        int height = 0;
        for (int y = 0; y < image.height(); ++y)
            height += qAlpha(image.pixel(x, y)) >= 128;
        if (height > tallest) {
            tallest = height;
            head = x;
        }
    }
    return head;
}

TEST(ButtonPicture, PreviousYearPointsLeftAndNextYearRight) {
    EXPECT_LT(HeadColumn(ButtonKind::PreviousYear), 12);
    EXPECT_GE(HeadColumn(ButtonKind::NextYear), 12);
}

struct CalendarCase {
    int id;
    QRgb background;
};

void PrintTo(const CalendarCase &c, std::ostream *out) {
    *out << "calendar " << c.id;
}

class CalendarPictures : public testing::TestWithParam<CalendarCase> {};

TEST_P(CalendarPictures, EmblemStandsOnTheCalendarsColour) {
    const auto [id, background] = GetParam();
    const QImage image = Pixels(Artwork::CalendarPicture(id, QSize(121, 121), 2));
    for (QPoint corner : {QPoint(0, 0), QPoint(241, 0), QPoint(0, 241), QPoint(241, 241)})
        EXPECT_EQ(image.pixel(corner), background) << corner.x() << "," << corner.y();

    long emblem = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::abs(ArtworkTest::Luminance(image.pixel(x, y)) -
                         ArtworkTest::Luminance(background)) > 60)
                ++emblem;
    EXPECT_GT(emblem, image.width() * image.height() / 20) << "an emblem, not a blank tile";
}

INSTANTIATE_TEST_SUITE_P(
    Calendars, CalendarPictures,
    testing::Values(CalendarCase{1, qRgb(255, 255, 255)}, CalendarCase{2, qRgb(192, 255, 255)},
                    CalendarCase{3, qRgb(255, 255, 192)}, CalendarCase{4, qRgb(192, 255, 192)}),
    [](const auto &info) { return "Calendar" + std::to_string(info.param.id); });

TEST(CalendarPicture, UnknownCalendarGivesNoPicture) {
    EXPECT_TRUE(Artwork::CalendarPicture(0, QSize(40, 40), 1).isNull());
    EXPECT_TRUE(Artwork::CalendarPicture(5, QSize(40, 40), 1).isNull());
}

TEST(ProgramIcon, OffersSmallAndLargeSizes) {
    const QIcon icon = Artwork::ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
    EXPECT_GT(ArtworkTest::OpaqueShare(icon.pixmap(QSize(32, 32)).toImage()), 0.7);
}

} // namespace
