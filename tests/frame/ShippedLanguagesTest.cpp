// The language files we ship, read where the build puts them: beside the program.
#include "engine/Calc.h"
#include "engine/Texts.h"
#include "frame/Language.h"
#include "platform/core/AlertRecorder.h"
#include "platform/core/IniFile.h"
#include "platform/core/Program.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Section {
    const char *name;
    int size;
};

constexpr Section Sections[] = {{"CALENDARS", 5}, {"JGMONTHS", 12}, {"JMONTHS", 12},
                                {"MMONTHS", 12},  {"WEEKDAYS", 7},  {"WEEKDAYSABBR", 7},
                                {"LABELS", 12},   {"STRINGS", 25}};

// The table entry a section's key lands in, once the language is loaded.
const std::string &Loaded(const char *section, int key) {
    const std::string name = section;
    if (name == "CALENDARS") return Texts::CalendarNames[key];
    if (name == "JGMONTHS") return Texts::MonthNames[Calc::Gregorian][key];
    if (name == "JMONTHS") return Texts::MonthNames[Calc::Jewish][key];
    if (name == "MMONTHS") return Texts::MonthNames[Calc::Moslem][key];
    if (name == "WEEKDAYS") return Texts::WeekDayNames[key];
    if (name == "WEEKDAYSABBR") return Texts::WeekDayAbbrs[key];
    if (name == "LABELS") return Texts::LabelTexts[key];
    return Texts::StringTexts[key];
}

bool RightToLeft(QChar c) {
    return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
}

// Our windows lay text out left to right; there a right-to-left text reads right
// only when it begins with a letter and ends with a letter or a number.
bool ReadsRightInLeftToRightWindows(const QString &text) {
    const QChar::Direction last = text.back().direction();
    return RightToLeft(text.front()) &&
           (RightToLeft(text.back()) || last == QChar::DirEN || last == QChar::DirAN);
}

class ShippedLanguage : public testing::TestWithParam<const char *> {
  protected:
    void SetUp() override {
        platform::SetProgramFolder(ORVANTA_PROGRAM_DIR);
        Calc::Reset();
    }
    void TearDown() override { platform::SetProgramFolder({}); }

    platform::AlertRecorder alerts_;
};

TEST_P(ShippedLanguage, IsCompleteAndLoadsWithoutEnglish) {
    const QString name = GetParam();
    EXPECT_TRUE(Start::LanguageNames().contains(name));
    const auto file = platform::IniFile::Load(QStringLiteral(ORVANTA_PROGRAM_DIR "/") + name +
                                              QStringLiteral(".lng"));
    ASSERT_TRUE(file.has_value());
    QString loaded = name;
    Start::LoadLanguage(loaded);
    EXPECT_EQ(loaded, name);
    EXPECT_TRUE(alerts_.Messages.empty());
    const bool rightToLeft = RightToLeft(file->Value("CALENDARS", "1").front());
    for (const Section &section : Sections) {
        for (int key = 1; key <= section.size; ++key) {
            const QString text = file->Value(section.name, QString::number(key));
            SCOPED_TRACE(std::string(section.name) + " " + std::to_string(key));
            ASSERT_FALSE(text.isEmpty());
            EXPECT_EQ(Loaded(section.name, key), text.toStdString());
            if (rightToLeft) {
                EXPECT_TRUE(ReadsRightInLeftToRightWindows(text)) << text.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguage,
                         testing::Values("Arabic", "French", "German", "Hebrew", "Russian",
                                         "Spanish"));

} // namespace
