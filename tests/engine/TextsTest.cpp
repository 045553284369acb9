#include "EngineTestSupport.h"

using namespace Texts;
using EngineTestSupport::RowName;

namespace {

struct Typography {
    const char *name;
    const std::string &text;
    const char *bytes;
};

// U+2018 is E2 80 98, U+0491 is D2 91, U+2014 is E2 80 94 in UTF-8.
const Typography Typographies[] = {
    {"ShaBanTurnedComma", MonthNames[Calc::Moslem][8],
     "Sha\xE2\x80\x98"
     "ban"},
    {"DhuAlQadah", MonthNames[Calc::Moslem][11],
     "Dhu\xD2\x91l-Qa\xE2\x80\x98"
     "dah"},
    {"DhuAlHijjah", MonthNames[Calc::Moslem][12], "Dhu\xD2\x91l-Hijjah"},
    {"Hegira15JulyDash", LabelTexts[4], "Hegira \xE2\x80\x94 July 15, 622 A.D."},
    {"Hegira16JulyDash", LabelTexts[6], "Hegira \xE2\x80\x94 July 16, 622 A.D."},
    {"ExitButtonDashes", StringTexts[16],
     "Left$ mouse button \xE2\x80\x94 Close window. Right$ mouse button \xE2\x80\x94 Exit"},
};

class TypographyTest : public ::testing::TestWithParam<Typography> {
  protected:
    void SetUp() override { LoadEnglish(); }
};

TEST_P(TypographyTest, EnglishTextIsUtf8) {
    EXPECT_EQ(GetParam().text, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Engine, TypographyTest, ::testing::ValuesIn(Typographies), RowName);

TEST(TextsTest, EnglishFillsEveryTableFromItsFirstEntry) {
    LoadEnglish();
    EXPECT_EQ(CalendarNames[1], "Julian calendar");
    EXPECT_EQ(CalendarNames[5], "Monthly calendars");
    EXPECT_EQ(WeekDayNames[1], "Monday");
    EXPECT_EQ(WeekDayAbbrs[7], "Su");
    EXPECT_EQ(LabelTexts[12], "Moon");
    EXPECT_EQ(StringTexts[1], "Calendar");
    EXPECT_EQ(StringTexts[25], "Select language");
    EXPECT_EQ(AdarName, "Adar");
    for (int month = 1; month <= 13; ++month)
        EXPECT_EQ(MonthNames[Calc::Gregorian][month], MonthNames[Calc::Julian][month]);
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal)
        EXPECT_EQ(MonthNames[cal][13], "") << cal;
}

TEST(TextsTest, EnglishReplacesEveryEarlierText) {
    LoadEnglish();
    MonthNames[Calc::Jewish][6] = "Adar I";
    MonthNames[Calc::Jewish][13] = "Elul";
    AdarName = "Adar*";
    StringTexts[23] = "Datei nicht gefunden";
    LoadEnglish();
    EXPECT_EQ(MonthNames[Calc::Jewish][6], "Adar");
    EXPECT_EQ(MonthNames[Calc::Jewish][13], "");
    EXPECT_EQ(AdarName, "Adar");
    EXPECT_EQ(StringTexts[23], "File not found");
}

} // namespace
