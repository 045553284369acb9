#include "frame/Language.h"

#include "engine/Calc.h"
#include "engine/Texts.h"
#include "platform/core/Alerts.h"
#include "platform/core/Files.h"
#include "platform/core/Program.h"

#include <string>

namespace Start {

namespace {

const QString Extension = QStringLiteral(".lng");

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
        if (file.isEmpty()) {
            const QString fileNotFound =
                QString::fromStdString(Texts::StringTexts[Texts::TextFileNotFound]);
            platform::MsgBox(folder + u'/' + name + Extension + QStringLiteral("\n\n") +
                                 fileNotFound,
                             platform::ProgramTitle());
            name = QLatin1String(Texts::EnglishDefault);
        } else {
            ReadLanguageFile(platform::IniFile::Load(file));
        }
    }
    // The names were just written in the common-year layout; a leap year
    // needs its Adar I and Adar II formed from the new Adar name.
    Calc::SetJewishYear();
}

QStringList LanguageNames() {
    QStringList names{QLatin1String(Texts::EnglishDefault)};
    for (const QString &file : platform::ListFiles(platform::ProgramFolder(), u'*' + Extension)) {
        const QString base = file.chopped(Extension.size());
        if (base.isEmpty()) continue;
        const QString name = base.first(1).toUpper() + base.sliced(1).toLower();
        if (!names.contains(name)) names.append(name);
    }
    return names;
}

} // namespace Start
