// The texts the fields show and the numbers read back from them.
#include "monthly/FieldTexts.h"
#include "EngineState.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using Monthly::MoonAgeText;
using Monthly::Val;

struct AgeCase {
    float age;
    const char *text;
};

TEST(FieldTexts, MoonAgeShowsTenthsWithAPointAndNoTrailingZeroTenth) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const AgeCase cases[] = {{0.0f, "0"},   {0.04f, "0"},     {0.05f, "0.1"}, {0.25f, "0.3"},
                             {14.0f, "14"}, {12.34f, "12.3"}, {9.96f, "10"},  {29.53f, "29.5"}};
    for (const AgeCase &c : cases)
        EXPECT_EQ(MoonAgeText(c.age), c.text) << c.age;
    QLocale::setDefault(before);
}

struct ValCase {
    const char *text;
    double value;
};

TEST(FieldTexts, ValReadsTheLeadingNumber) {
    const ValCase cases[] = {
        {"", 0},      {"45/366", 45}, {"1/12  January", 1},        {"12.5", 12.5},
        {"12,5", 12}, {"abc", 0},     {"4297418841", 4297418841.0}};
    for (const ValCase &c : cases)
        EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(FieldTexts, AJulianDayIsAdmittedOnlyInsideTheRangeAsTyped) {
    StartEngine();
    const std::pair<const char *, std::optional<int32_t>> cases[] = {
        {"1721319", 1721319},
        {"2817404", 2817404},
        {"1721318", std::nullopt},
        {"2817405", std::nullopt},
        {"", std::nullopt},
        {"0", std::nullopt},
        // 2^32 + 2451545: a 32-bit conversion would make it a day in the range.
        {"4297418841", std::nullopt},
        {"99999999999999999999", std::nullopt}};
    for (const auto &[text, day] : cases)
        EXPECT_EQ(Monthly::AdmissibleJulianDay(text), day) << text;
}

} // namespace
