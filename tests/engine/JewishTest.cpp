// The Jewish month layout: a leap year's Adar I and Adar II, with the months
// after them one place on. The lengths follow the year (the whole-range walk
// checks them); the names follow the year and the language.
#include "EngineTestSupport.h"

#include <sstream>
#include <string>

using namespace Calc;
using namespace EngineTestSupport;

namespace {

// Months 1 .. 13 of the Jewish column, comma-separated.
template <class Month> std::string Joined(Month month) {
    std::string text = month(1);
    for (int m = 2; m <= 13; ++m) {
        text += ',';
        text += month(m);
    }
    return text;
}

// What the language loader does: English first, then the twelve common-year
// names, the new Adar, month 13 emptied, then the layout of the current year.
void ReloadNames() {
    Texts::LoadEnglish();
    for (int month = 1; month <= 12; ++month)
        Texts::MonthNames[Jewish][month] = std::string("M").append(std::to_string(month));
    Texts::AdarName = Texts::MonthNames[Jewish][6];
    Texts::MonthNames[Jewish][13].clear();
    SetJewishYear();
}

// A language may leave a name blank: an empty Elul must not read as names
// still in the common-year layout.
void BlankElul() {
    Texts::MonthNames[Jewish][12].clear();
    SetJewishYear();
}

// A language loaded earlier must leave nothing behind, not even the entries
// English leaves empty.
void EnglishAfterAnotherLanguage() {
    Texts::MonthNames[Jewish][13] = "Elul";
    Texts::AdarName = "Adar*";
    Texts::JewishNamesLeap = true;
    Texts::LoadEnglish();
}

void Nothing() {}

// 5784 is a deficient leap year, 5785 a complete common one.
const char *const Leap5784 = "30,29,29,29,30,30,29,30,29,30,29,30,29";
const char *const Common5785 = "30,30,30,29,30,29,30,29,30,29,30,29,0";
const char *const EnglishLeap =
    "Tishri,Heshvan,Kislev,Tevet,Shevat,Adar I,Adar II,Nisan,Iyar,Sivan,Tammuz,Av,Elul";
const char *const EnglishCommon =
    "Tishri,Heshvan,Kislev,Tevet,Shevat,Adar,Nisan,Iyar,Sivan,Tammuz,Av,Elul,";

struct Layout {
    const char *name;
    void (*before)();
    const char *steps; // 1 Tishri of each year in turn, or a reload of the names
    const char *names;
    const char *lengths;
};

const Layout Layouts[] = {
    {"LeapYear", Nothing, "5784", EnglishLeap, Leap5784},
    {"CommonAfterLeap", Nothing, "5784 5785", EnglishCommon, Common5785},
    {"EnglishReplacesAnEarlierLanguage", EnglishAfterAnotherLanguage, "5785", EnglishCommon,
     Common5785},
    {"EnglishReplacesAnEarlierAdar", EnglishAfterAnotherLanguage, "5784", EnglishLeap, Leap5784},
    {"LanguageChangeInALeapYearMovesOnlyTheNames", Nothing, "5784 reload",
     "M1,M2,M3,M4,M5,M6 I,M6 II,M7,M8,M9,M10,M11,M12", Leap5784},
    {"LanguageChangeThenCommonYear", Nothing, "5784 reload 5785",
     "M1,M2,M3,M4,M5,M6,M7,M8,M9,M10,M11,M12,", Common5785},
    {"BlankElulMovesNoOtherName", BlankElul, "5784",
     "Tishri,Heshvan,Kislev,Tevet,Shevat,Adar I,Adar II,Nisan,Iyar,Sivan,Tammuz,Av,", Leap5784},
};

TEST(JewishTest, NamesAndLengthsFollowTheYear) {
    for (const Layout &layout : Layouts) {
        SCOPED_TRACE(layout.name);
        StartEngine();
        layout.before();
        std::istringstream steps(layout.steps);
        for (std::string step; steps >> step;) {
            if (step == "reload")
                ReloadNames();
            else
                ChangeTo(Jewish, {1, 1, std::stoi(step)});
        }
        EXPECT_EQ(Joined([](int m) { return Texts::MonthNames[Jewish][m]; }), layout.names);
        EXPECT_EQ(Joined([](int m) { return std::to_string(MonthDays(Jewish, m)); }),
                  layout.lengths);
    }
}

} // namespace
