#include "EngineTestSupport.h"

#include <array>
#include <string>

using namespace Calc;
using namespace EngineTestSupport;

namespace {

std::array<int16_t, 13> JewishMonthLengths() {
    std::array<int16_t, 13> lengths{};
    for (int month = 1; month <= 13; ++month)
        lengths[month - 1] = MonthDays(Jewish, month);
    return lengths;
}

std::array<std::string, 13> JewishMonthNames() {
    std::array<std::string, 13> names;
    for (int month = 1; month <= 13; ++month)
        names[month - 1] = Texts::MonthNames[Jewish][month];
    return names;
}

// 5784 is a deficient leap year, 5785 a complete common one.
const std::array<int16_t, 13> DeficientLeapYear = {30, 29, 29, 29, 30, 30, 29,
                                                   30, 29, 30, 29, 30, 29};
const std::array<int16_t, 13> CompleteCommonYear = {30, 30, 30, 29, 30, 29, 30,
                                                    29, 30, 29, 30, 29, 0};

const std::array<std::string, 13> EnglishLeapNames = {
    "Tishri", "Heshvan", "Kislev", "Tevet",  "Shevat", "Adar I", "Adar II",
    "Nisan",  "Iyar",    "Sivan",  "Tammuz", "Av",     "Elul"};
const std::array<std::string, 13> EnglishCommonNames = {
    "Tishri", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Nisan",
    "Iyar",   "Sivan",   "Tammuz", "Av",    "Elul",   ""};

using JewishTest = EngineTest;

TEST_F(JewishTest, LeapYearGetsThirteenMonthsAndTwoAdars) {
    ChangeTo(Jewish, {1, 1, 5784});
    EXPECT_EQ(YearDays(Jewish), 383);
    EXPECT_TRUE(JewishLeap);
    EXPECT_EQ(JewishMonthLengths(), DeficientLeapYear);
    EXPECT_EQ(JewishMonthNames(), EnglishLeapNames);

    ChangeTo(Jewish, {1, 1, 5785});
    EXPECT_EQ(YearDays(Jewish), 355);
    EXPECT_FALSE(JewishLeap);
    EXPECT_EQ(JewishMonthLengths(), CompleteCommonYear);
    EXPECT_EQ(JewishMonthNames(), EnglishCommonNames);
}

TEST_F(JewishTest, DatesMissingFromACommonYearAreClamped) {
    ChangeTo(Jewish, {30, 6, 5784}); // 30 Adar I
    ChangeTo(Jewish, {30, 6, 5785});
    EXPECT_EQ(DateIn(Jewish), (Date{29, 6, 5785}));
    ChangeTo(Jewish, {5, 13, 5785});
    EXPECT_EQ(DateIn(Jewish), (Date{5, 12, 5785}));
}

// What the language loader does: English first, then the twelve common-year
// names, the new Adar, month 13 emptied, then the layout of the current year.
void ReloadJewishNames() {
    Texts::LoadEnglish();
    for (int month = 1; month <= 12; ++month)
        Texts::MonthNames[Jewish][month] = std::string("M").append(std::to_string(month));
    Texts::AdarName = Texts::MonthNames[Jewish][6];
    Texts::MonthNames[Jewish][13].clear();
    SetJewishYear();
}

TEST_F(JewishTest, LanguageChangeInALeapYearMovesOnlyTheNames) {
    ChangeTo(Jewish, {1, 1, 5784});
    ReloadJewishNames();
    EXPECT_EQ(JewishMonthNames(),
              (std::array<std::string, 13>{"M1", "M2", "M3", "M4", "M5", "M6 I", "M6 II", "M7",
                                           "M8", "M9", "M10", "M11", "M12"}));
    EXPECT_EQ(JewishMonthLengths(), DeficientLeapYear);

    ChangeTo(Jewish, {1, 1, 5785});
    EXPECT_EQ(JewishMonthNames(),
              (std::array<std::string, 13>{"M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8", "M9",
                                           "M10", "M11", "M12", ""}));
    EXPECT_EQ(JewishMonthLengths(), CompleteCommonYear);
}

TEST_F(JewishTest, LanguageChangeInACommonYearKeepsTheLayout) {
    ChangeTo(Jewish, {1, 1, 5785});
    ReloadJewishNames();
    EXPECT_EQ(Texts::MonthNames[Jewish][6], "M6");
    EXPECT_EQ(Texts::MonthNames[Jewish][13], "");
    EXPECT_EQ(JewishMonthLengths(), CompleteCommonYear);
}

// A language may leave a name blank: an empty Elul in a leap year must not
// read as names still in the common-year layout and move them all again.
TEST_F(JewishTest, BlankElulLeavesTheOtherNamesInPlace) {
    Texts::MonthNames[Jewish][12].clear();
    SetJewishYear();
    ChangeTo(Jewish, {1, 1, 5787});
    ChangeTo(Jewish, {3, 8, 5787});
    EXPECT_EQ(DateIn(Jewish), (Date{3, 8, 5787}));
    EXPECT_EQ(JewishMonthNames(), (std::array<std::string, 13>{
                                      "Tishri", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar I",
                                      "Adar II", "Nisan", "Iyar", "Sivan", "Tammuz", "Av", ""}));
}

// With no month names loaded (a program may run the engine without texts)
// month 13 is empty in both layouts; the month lengths must still return to
// a common year.
TEST_F(JewishTest, LengthsFollowTheYearWithoutMonthNames) {
    for (std::string &name : Texts::MonthNames[Jewish])
        name.clear();
    Texts::AdarName.clear();
    ChangeTo(Jewish, {1, 1, 5784});
    ChangeTo(Jewish, {1, 1, 5785});
    EXPECT_EQ(JewishMonthLengths(), CompleteCommonYear);
    ChangeTo(Jewish, {1, 1, 5784});
    EXPECT_EQ(JewishMonthLengths(), DeficientLeapYear);
}

} // namespace
