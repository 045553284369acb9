// The program's settings in the per-user store: every section, key and
// default is declared once, in one table, each bound to the variable that
// holds its value while the program runs.
// - ReadSettings(): the first two steps of start-up: what a killed write left
//   behind cleaned away, the store read once and every setting taken into its
//   variable (in the table's order), then ColumnCals checked
// - WriteOptions(options): what Apply in the options window stores, in its order
// - WriteWindowPositions(): "Top" and "Left" of the six windows from WinTop
//   and WinLeft, in the order of the exit
// - WriteColumnCals(): "Calendar1".."Calendar4" from ColumnCals
//   Each of the three writes its values in one replacement of the store.
// - SettingOf(variable), ReadSetting(setting), WriteSetting(setting, value):
//   one setting through the table
//
// Numbers are stored as plain decimal text. A stored number may carry blanks
// around it, a sign and a decimal fraction; it is rounded to the nearest
// integer, ties to the even one. Anything else, a number outside -32768..32767,
// and a first week day outside 1..7 or a startup window outside 0..4 read as
// the setting's default.
#pragma once

#include <QString>
#include <cstdint>
#include <limits>

namespace Start {

struct Setting {
    const char *Section;
    const char *Key;
    const char *Default;
    int16_t *Number; // the variable of a numeric setting
    QString *Text;   // the variable of a text setting
    int16_t Low = std::numeric_limits<int16_t>::min();
    int16_t High = std::numeric_limits<int16_t>::max();
};

// What Apply stores; FirstWeekDay by CalendarId 1..4.
struct StoredOptions {
    int16_t MoslemType;
    int16_t FirstWeekDay[5];
    QString Language;
    int16_t StartupWindow;
    int16_t ShowTips;
};

void ReadSettings();
void WriteOptions(const StoredOptions &options);
void WriteWindowPositions();
void WriteColumnCals();

// The setting held in a variable of the application state; the variable must
// be one the table binds.
const Setting &SettingOf(const int16_t &variable);
const Setting &SettingOf(const QString &variable);

// The stored text, or the default when absent.
QString ReadSetting(const Setting &setting);
// The stored number by the rules above.
int16_t ReadNumber(const Setting &setting);
void WriteSetting(const Setting &setting, int16_t value);
void WriteSetting(const Setting &setting, const QString &value);

} // namespace Start
