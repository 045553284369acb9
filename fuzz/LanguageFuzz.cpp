// The language-file reader through the real loading: whatever a language file
// holds, LoadLanguage takes it without a message, every text it sets is at
// most 254 characters, and the Jewish months keep their lengths.
#include "FuzzFolder.h"

#include "engine/Calc.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "frame/Language.h"
#include "platform/core/AlertRecorder.h"
#include "platform/core/IniFile.h"
#include "platform/core/Program.h"

#include <cstdint>
#include <string>

namespace {

void CheckLength(const std::string &text) {
    FUZZ_CHECK(QString::fromStdString(text).size() <= 2 * platform::IniFile::MaxValueLength);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    platform::SetProgramFolder(FuzzFolder());
    WriteFuzzFile(QStringLiteral("Fuzz.lng"), data, size);
    Calc::StartEngine({});
    const platform::AlertRecorder alerts;
    QString name = QStringLiteral("Fuzz");
    Start::LoadLanguage(name);

    const bool loadable = size <= size_t(platform::IniFile::MaxFileBytes);
    FUZZ_CHECK(alerts.Messages.empty() == loadable);
    FUZZ_CHECK(name == (loadable ? QStringLiteral("Fuzz") : QString(Texts::EnglishDefault)));
    for (const std::string &text : Texts::StringTexts)
        CheckLength(text);
    for (const auto &column : Texts::MonthNames) {
        for (const std::string &text : column)
            CheckLength(text);
    }
    CheckLength(Texts::AdarName);
    FUZZ_CHECK(Calc::MonthDays(Calc::Jewish, 13) == 0);
    FUZZ_CHECK(Start::LanguageNames().contains(QStringLiteral("Fuzz")) == loadable);
    return 0;
}
