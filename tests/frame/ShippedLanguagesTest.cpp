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

// Each section and the table its keys 1..size land in, once the language is loaded.
const struct {
    const char *name;
    int size;
    const std::string *table;
} Sections[] = {{"CALENDARS", 5, Texts::CalendarNames},
                {"JGMONTHS", 12, Texts::MonthNames[Calc::Julian]},
                {"JGMONTHS", 12, Texts::MonthNames[Calc::Gregorian]},
                {"JMONTHS", 12, Texts::MonthNames[Calc::Jewish]},
                {"MMONTHS", 12, Texts::MonthNames[Calc::Moslem]},
                {"WEEKDAYS", 7, Texts::WeekDayNames},
                {"WEEKDAYSABBR", 7, Texts::WeekDayAbbrs},
                {"LABELS", 12, Texts::LabelTexts},
                {"STRINGS", 25, Texts::StringTexts}};

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
    for (const auto &section : Sections) {
        for (int key = 1; key <= section.size; ++key) {
            const QString text = file->Value(section.name, QString::number(key));
            SCOPED_TRACE(std::string(section.name) + " " + std::to_string(key));
            ASSERT_FALSE(text.isEmpty());
            EXPECT_EQ(section.table[key], text.toStdString());
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
