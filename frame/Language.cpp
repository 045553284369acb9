#include "frame/Language.h"

#include "engine/Calc.h"
#include "engine/Texts.h"
#include "platform/core/Alerts.h"
#include "platform/core/Files.h"
#include "platform/core/Program.h"

#include <QDir>
#include <optional>
#include <string>

namespace Start {

namespace {

const QString Extension = QStringLiteral(".lng");

// A stored name can be megabytes long; the message shows enough of it to be
// recognised, not a text no message box can lay out.
QString ShownName(const QString &name) {
    constexpr qsizetype Shown = 255;
    return name.size() <= Shown ? name : name.first(Shown) + QChar(0x2026);
}

// Only names that LoadLanguage accepts, and that read as a name, are offered.
bool LoadableName(const QString &file) {
    return file.size() > Extension.size() && !file.contains(u"..") && !file.contains(u'\\') &&
           !file.contains(u'/');
}

// An entry keeps its current text when the file has none for it.
void ReadEntry(const platform::IniFile &file, const char *section, int entry, std::string &text) {
    text =
        ReadIni(file, section, QString::number(entry), QString::fromStdString(text)).toStdString();
}

void ReadEntries(const platform::IniFile &file, const char *section, std::string *table,
                 int count) {
    for (int entry = 1; entry <= count; ++entry)
        ReadEntry(file, section, entry, table[entry]);
}

template <std::size_t N>
void ReadTable(const platform::IniFile &file, const char *section, std::string (&table)[N]) {
    ReadEntries(file, section, table, static_cast<int>(N) - 1);
}

void ReadLanguageFile(const platform::IniFile &file) {
    constexpr int Months = 12;
    ReadTable(file, "CALENDARS", Texts::CalendarNames);
    for (int month = 1; month <= Months; ++month) {
        ReadEntry(file, "JGMONTHS", month, Texts::MonthNames[Calc::Julian][month]);
        Texts::MonthNames[Calc::Gregorian][month] = Texts::MonthNames[Calc::Julian][month];
    }
    ReadEntries(file, "JMONTHS", Texts::MonthNames[Calc::Jewish], Months);
    Texts::AdarName = Texts::MonthNames[Calc::Jewish][6];
    ReadEntries(file, "MMONTHS", Texts::MonthNames[Calc::Moslem], Months);
    ReadTable(file, "WEEKDAYS", Texts::WeekDayNames);
    ReadTable(file, "WEEKDAYSABBR", Texts::WeekDayAbbrs);
    ReadTable(file, "LABELS", Texts::LabelTexts);
    ReadTable(file, "STRINGS", Texts::StringTexts);
}

} // namespace

QString ReadIni(const platform::IniFile &file, const QString &section, const QString &key,
                const QString &defaultValue) {
    QString value = file.Value(section, key);
    if (value.isEmpty()) return defaultValue;
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0) value.truncate(nul);
    while (value.endsWith(u' '))
        value.chop(1);
    return value;
}

void LoadLanguage(QString &name) {
    Texts::LoadEnglish();
    if (name != QLatin1String(Texts::EnglishDefault)) {
        const QString folder = platform::ProgramFolder();
        const QString file =
            name.contains(u"..") ? QString() : platform::FindFile(folder, name + Extension);
        const std::optional<platform::IniFile> ini =
            file.isEmpty() ? std::nullopt : platform::IniFile::Load(file);
        if (ini) {
            ReadLanguageFile(*ini);
        } else {
            const QString fileNotFound =
                QString::fromStdString(Texts::StringTexts[Texts::TextFileNotFound]);
            platform::MsgBox(folder + u'/' + ShownName(name) + Extension + QStringLiteral("\n\n") +
                                 fileNotFound,
                             platform::ProgramTitle());
            name = QLatin1String(Texts::EnglishDefault);
        }
    }
    // The names were just written in the common-year layout; a leap year
    // needs its Adar I and Adar II formed from the new Adar name.
    Calc::SetJewishYear();
}

QStringList LanguageNames() {
    QStringList names{QLatin1String(Texts::EnglishDefault)};
    const QDir folder(platform::ProgramFolder());
    for (const QString &file : platform::ListFiles(folder.path(), u'*' + Extension)) {
        if (!LoadableName(file) || !platform::IniFile::Load(folder.filePath(file))) continue;
        const QString base = file.chopped(Extension.size());
        const QString name = base.first(1).toUpper() + base.sliced(1).toLower();
        if (!names.contains(name)) names.append(name);
    }
    return names;
}

} // namespace Start
