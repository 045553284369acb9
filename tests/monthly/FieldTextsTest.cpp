// The texts the fields show and the numbers read back from them.
#include "monthly/FieldTexts.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using Monthly::IsJulianDayText;
using Monthly::MoonAgeText;
using Monthly::MyVal;
using Monthly::Val;

TEST(FieldTexts, ItemsCarryNumberSlashCountAndTwoBlanksBeforeTheMonthName) {
    EXPECT_EQ(Monthly::CountItem(45, 366), "45/366");
    EXPECT_EQ(Monthly::MonthItem(1, 12, "January"), "1/12  January");
    EXPECT_EQ(Monthly::MonthItem(13, 13, "Elul"), "13/13  Elul");
}

struct AgeCase {
    const char *name;
    float age;
    const char *text;
};

class MoonAgeTextTest : public testing::TestWithParam<AgeCase> {};

TEST_P(MoonAgeTextTest, ShowsTenthsWithAPointAndCutsAWholeNumbersTenth) {
    EXPECT_EQ(MoonAgeText(GetParam().age), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Ages, MoonAgeTextTest,
                         testing::Values(AgeCase{"Zero", 0.0f, "0"},
                                         AgeCase{"BelowAHalfTenth", 0.04f, "0"},
                                         AgeCase{"AHalfTenthRoundsUp", 0.05f, "0.1"},
                                         AgeCase{"ExactQuarterRoundsAwayFromZero", 0.25f, "0.3"},
                                         AgeCase{"Fourteen", 14.0f, "14"},
                                         AgeCase{"Tenths", 12.34f, "12.3"},
                                         AgeCase{"RoundsUpToAWholeNumber", 9.96f, "10"},
                                         AgeCase{"LastDayOfTheLunation", 29.53f, "29.5"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(MoonAgeText, IgnoresALocaleWithADecimalComma) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(MoonAgeText(12.34f), "12.3");
    QLocale::setDefault(before);
}

struct ValCase {
    const char *name;
    const char *text;
    double value;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(ValCase{"Empty", "", 0}, ValCase{"YearDayItem", "45/366", 45},
                    ValCase{"MonthItem", "1/12  January", 1},
                    ValCase{"JulianDay", "2451545", 2451545}, ValCase{"Fraction", "12.5", 12.5},
                    ValCase{"LeadingBlanks", "  7", 7}, ValCase{"Negative", "-3x", -3},
                    ValCase{"NoNumber", "abc", 0}, ValCase{"SignAlone", "-", 0},
                    ValCase{"PointAlone", ".", 0}, ValCase{"Exponent", "1e3", 1000},
                    ValCase{"IncompleteExponent", "2e", 2},
                    ValCase{"CommaEndsTheNumber", "12,5", 12}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MyVal, ReadsACommaByTheLocaleAndAPointAlways) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_FLOAT_EQ(MyVal("12,3"), 12.3f);
    EXPECT_FLOAT_EQ(MyVal("12.3"), 12.3f);
    EXPECT_FLOAT_EQ(MyVal("x,y"), 0.0f);
    QLocale::setDefault(before);
}

struct TypedCase {
    const char *name;
    const char *text;
    bool accepted;
};

class JulianDayTextTest : public testing::TestWithParam<TypedCase> {};

TEST_P(JulianDayTextTest, LetsOnlyDigitsThrough) {
    EXPECT_EQ(IsJulianDayText(GetParam().text), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, JulianDayTextTest,
    testing::Values(TypedCase{"Empty", "", true}, TypedCase{"Digits", "2451545", true},
                    TypedCase{"DecimalPoint", "12.", false},
                    TypedCase{"DecimalComma", "12,", false}, TypedCase{"Letter", "24a", false},
                    TypedCase{"Minus", "-5", false}, TypedCase{"Blank", "24 5", false},
                    TypedCase{"Exponent", "1e3", false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
