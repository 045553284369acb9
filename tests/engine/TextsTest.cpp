#include "EngineTestSupport.h"

using namespace Texts;

namespace {

// A language loaded earlier must leave nothing behind, not even the entries
// English leaves empty.
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
