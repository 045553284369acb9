#include "MoonFixture.h"

#include "artwork/Artwork.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace MoonTest {
namespace {

constexpr float S = 29.530588f;
constexpr int Rectangle = 0;
constexpr int Circle = 3;
constexpr int Solid = 0;
constexpr int Transparent = 1;

float Above(float age) {
    return std::nextafter(age, 100.0f);
}

enum class Phase {
    NewMoon,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    FullMoon,
    WaningGibbous,
    LastQuarter,
    WaningCrescent
};

// Which shadow each phase takes: whether it is a circle, how it is filled and,
// for the rectangles, which part of the picture's width it covers. Where the
// circles fall is left to the pixels WhatIsLit looks at.
struct Expected {
    int Kind;
    std::optional<int> Fill; // empty: not checked
    double Left, Width;      // fractions of the picture's width; rectangles only
};

Expected ExpectedShadow(Phase phase) {
    switch (phase) {
    case Phase::NewMoon:
        return {Rectangle, Solid, 0, 1};
    case Phase::FirstQuarter:
        return {Rectangle, Solid, 0, 0.5};
    case Phase::LastQuarter:
        return {Rectangle, Solid, 0.5, 0.5};
    case Phase::FullMoon:
        return {Rectangle, std::nullopt, 0, 0};
    case Phase::WaxingCrescent:
    case Phase::WaningCrescent:
        return {Circle, Solid, 0, 0};
    case Phase::WaxingGibbous:
    case Phase::WaningGibbous:
        return {Circle, Transparent, 0, 0};
    }
    return {};
}

struct ShapeRow {
    const char *Name;
    float Age;
    Phase Case;
};

const ShapeRow ShapeRows[] = {
    {"Zero", 0.0f, Phase::NewMoon},
    {"HalfADay", 0.5f, Phase::NewMoon},
    {"JustPastHalfADay", Above(0.5f), Phase::WaxingCrescent},
    {"LastCrescentBeforeFirstQuarter", S / 4 - 0.5f, Phase::WaxingCrescent},
    {"FirstQuarterBegins", Above(S / 4 - 0.5f), Phase::FirstQuarter},
    {"FirstQuarterEnds", S / 4 + 0.5f, Phase::FirstQuarter},
    {"WaxingGibbousBegins", Above(S / 4 + 0.5f), Phase::WaxingGibbous},
    {"WaxingGibbousEnds", S / 2 - 0.5f, Phase::WaxingGibbous},
    {"FullMoonBegins", Above(S / 2 - 0.5f), Phase::FullMoon},
    {"FullMoonEnds", S / 2 + 0.5f, Phase::FullMoon},
    {"WaningGibbousBegins", Above(S / 2 + 0.5f), Phase::WaningGibbous},
    {"WaningGibbousEnds", 0.75f * S - 0.5f, Phase::WaningGibbous},
    {"LastQuarterBegins", Above(0.75f * S - 0.5f), Phase::LastQuarter},
    {"LastQuarterEnds", 0.75f * S + 0.5f, Phase::LastQuarter},
    {"WaningCrescentBegins", Above(0.75f * S + 0.5f), Phase::WaningCrescent},
    {"WaningCrescentEnds", S - 0.5f, Phase::WaningCrescent},
    {"NewMoonAgain", Above(S - 0.5f), Phase::NewMoon},
    {"LastAgeOfTheMonth", std::nextafter(S, 0.0f), Phase::NewMoon},
};

void PrintTo(const ShapeRow &row, std::ostream *os) {
    *os << row.Name << " at " << row.Age;
}

class ShadowShape : public MoonWindowTest, public testing::WithParamInterface<ShapeRow> {};

TEST_P(ShadowShape, FollowsThePhaseOfTheAge) {
    const ShapeRow &row = GetParam();
    ShowAge(row.Age);
    const platform::Shape &shadow = Moon().Shape1;
    const Expected want = ExpectedShadow(row.Case);
    EXPECT_EQ(shadow.ShapeKind(), want.Kind);
    if (want.Fill) {
        EXPECT_EQ(shadow.FillStyle(), *want.Fill);
    }
    if (want.Kind == Circle) {
        EXPECT_EQ(shadow.Width(), shadow.Height()) << "a circle's box is square";
    } else if (want.Width > 0) {
        // The shape keeps whole pixels: 15 twips, so never more than half of one away.
        constexpr double halfPixel = 7.6;
        const double W = Moon().Picture1.Width() + 60;
        EXPECT_NEAR(shadow.Left(), want.Left * W, halfPixel);
        EXPECT_NEAR(shadow.Width(), want.Width * W, halfPixel);
    }
}

INSTANTIATE_TEST_SUITE_P(Ages, ShadowShape, testing::ValuesIn(ShapeRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST_F(MoonWindowTest, ThinCrescentJustPastHalfADayReachesFarRightOfTheCentre) {
    ShowAge(Above(0.5f));
    const float W = static_cast<float>(Moon().Picture1.Width() + 60);
    const platform::Shape &shadow = Moon().Shape1;
    const double x = shadow.Left() + shadow.Width() - W / 2;
    EXPECT_NEAR(x / (W / 2), 0.93, 0.01);
}

TEST_F(MoonWindowTest, FullMoonKeepsTheFillItFinds) {
    for (const float before : {10.0f, 3.0f}) {
        ShowAge(before);
        const int fill = Moon().Shape1.FillStyle();
        ShowAge(S / 2);
        EXPECT_EQ(Moon().Shape1.FillStyle(), fill) << "after " << before << " days";
    }
}

// What the user sees, on a plain white test moon: points given as fractions of the
// picture, lit ones bright, dark ones exactly the sky colour.
struct LightRow {
    const char *Name;
    float Age;
    std::vector<QPointF> Lit;
    std::vector<QPointF> Dark;
};

const LightRow LightRows[] = {
    {"NewMoon", 0.3f, {}, {{0.5, 0.5}, {0.25, 0.5}, {0.75, 0.5}, {0.5, 0.2}}},
    {"WaxingCrescent", 3.0f, {{0.9, 0.5}}, {{0.5, 0.5}, {0.25, 0.5}}},
    {"FirstQuarter", 7.4f, {{0.75, 0.5}, {0.6, 0.2}}, {{0.25, 0.5}, {0.4, 0.2}}},
    {"WaxingGibbous", 10.0f, {{0.5, 0.5}, {0.75, 0.5}, {0.5, 0.15}}, {{0.1, 0.5}}},
    {"FullMoon", 14.8f, {{0.5, 0.5}, {0.1, 0.5}, {0.9, 0.5}, {0.5, 0.1}}, {}},
    {"WaningGibbous", 20.0f, {{0.5, 0.5}, {0.25, 0.5}, {0.5, 0.15}}, {{0.9, 0.5}}},
    {"LastQuarter", 22.2f, {{0.25, 0.5}, {0.4, 0.2}}, {{0.75, 0.5}, {0.6, 0.2}}},
    {"WaningCrescent", 26.0f, {{0.12, 0.5}}, {{0.5, 0.5}, {0.75, 0.5}}},
    {"NewMoonAgain", 29.3f, {}, {{0.5, 0.5}, {0.1, 0.5}, {0.9, 0.5}}},
};

void PrintTo(const LightRow &row, std::ostream *os) {
    *os << row.Name << " at " << row.Age;
}

class WhatIsLit : public MoonWindowTest, public testing::WithParamInterface<LightRow> {};

TEST_P(WhatIsLit, MatchesThePhase) {
    const LightRow &row = GetParam();
    ShowAge(row.Age);
    const QImage drawn = Drawn();
    const auto at = [&](QPointF p) {
        return drawn.pixel(static_cast<int>(p.x() * drawn.width()),
                           static_cast<int>(p.y() * drawn.height()));
    };
    for (QPointF p : row.Lit)
        EXPECT_GT(qGray(at(p)), 200) << "lit at " << p.x() << ", " << p.y();
    for (QPointF p : row.Dark)
        EXPECT_EQ(at(p), Artwork::MoonBackground) << "dark at " << p.x() << ", " << p.y();
    EXPECT_EQ(at({0.03, 0.03}), Artwork::MoonBackground) << "the sky stays one colour";
    EXPECT_EQ(at({0.97, 0.03}), Artwork::MoonBackground) << "the sky stays one colour";
}

INSTANTIATE_TEST_SUITE_P(Phases, WhatIsLit, testing::ValuesIn(LightRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST_F(MoonWindowTest, NewMoonShowsNothingButSkyAndTheAge) {
    ShowAge(0.0f);
    const QImage drawn = Drawn();
    const QRect label = Moon().Label1.geometry();
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (label.contains(x, y)) continue;
            ASSERT_EQ(drawn.pixel(x, y), Artwork::MoonBackground) << "at " << x << ", " << y;
        }
    }
}

struct AgeRow {
    const char *Name;
    float Age;
    const char *Text;
};

const AgeRow AgeRows[] = {
    {"BelowAHalfTenth", 0.04f, "0.0"},
    {"WholeDaysKeepTheirDecimal", 7.0f, "7.0"},
    {"RoundsUpToAWholeDay", 14.96f, "15.0"},
    {"LastAge", std::nextafter(S, 0.0f), "29.5"},
};

void PrintTo(const AgeRow &row, std::ostream *os) {
    *os << row.Name << " at " << row.Age;
}

class AgeLabel : public MoonWindowTest, public testing::WithParamInterface<AgeRow> {};

TEST_P(AgeLabel, ShowsOneDecimalWithAPoint) {
    // A point even where the language writes a comma.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ShowAge(GetParam().Age);
    QLocale::setDefault(before);
    EXPECT_EQ(Moon().Label1.Caption(), QString::fromLatin1(GetParam().Text));
}

INSTANTIATE_TEST_SUITE_P(Ages, AgeLabel, testing::ValuesIn(AgeRows),
                         [](const auto &info) { return std::string(info.param.Name); });

} // namespace
} // namespace MoonTest
