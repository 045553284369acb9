#include "frame/SettingsTable.h"

#include "engine/Calc.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "platform/core/Settings.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <type_traits>
#include <vector>

namespace Start {

namespace {

// The default position, NoPosition, in the store's decimal text.
static_assert(NoPosition >= 10000 && NoPosition <= 99999);
constexpr std::array<char, 6> UnsavedText = [] {
    std::array<char, 6> text{};
    int value = NoPosition;
    for (int i = 4; i >= 0; --i, value /= 10)
        text[i] = static_cast<char>('0' + value % 10);
    return text;
}();
constexpr const char *Unsaved = UnsavedText.data();

// In the order start-up reads them.
const Setting Table[] = {
    {"Startup", "Calendar1", "1", &ColumnCals[1], nullptr},
    {"Startup", "Calendar2", "2", &ColumnCals[2], nullptr},
    {"Startup", "Calendar3", "3", &ColumnCals[3], nullptr},
    {"Startup", "Calendar4", "4", &ColumnCals[4], nullptr},
    {"Julian", "FirstWeekDay", "7", &Calc::FirstWeekDay[Calc::Julian], nullptr, 1, 7},
    {"Julian", "Top", Unsaved, &WinTop[Calc::Julian], nullptr},
    {"Julian", "Left", Unsaved, &WinLeft[Calc::Julian], nullptr},
    {"Gregorian", "FirstWeekDay", "7", &Calc::FirstWeekDay[Calc::Gregorian], nullptr, 1, 7},
    {"Gregorian", "Top", Unsaved, &WinTop[Calc::Gregorian], nullptr},
    {"Gregorian", "Left", Unsaved, &WinLeft[Calc::Gregorian], nullptr},
    {"Jewish", "FirstWeekDay", "7", &Calc::FirstWeekDay[Calc::Jewish], nullptr, 1, 7},
    {"Jewish", "Top", Unsaved, &WinTop[Calc::Jewish], nullptr},
    {"Jewish", "Left", Unsaved, &WinLeft[Calc::Jewish], nullptr},
    {"Moslem", "FirstWeekDay", "6", &Calc::FirstWeekDay[Calc::Moslem], nullptr, 1, 7},
    {"Moslem", "Top", Unsaved, &WinTop[Calc::Moslem], nullptr},
    {"Moslem", "Left", Unsaved, &WinLeft[Calc::Moslem], nullptr},
    {"Monthly", "Top", Unsaved, &WinTop[MonthlyWindowIndex], nullptr},
    {"Monthly", "Left", Unsaved, &WinLeft[MonthlyWindowIndex], nullptr},
    {"Moon", "Top", Unsaved, &WinTop[MoonWindowIndex], nullptr},
    {"Moon", "Left", Unsaved, &WinLeft[MoonWindowIndex], nullptr},
    {"Moslem", "Type", "1", &Calc::MoslemType, nullptr},
    // Any other window number would open no window at all.
    {"Startup", "Window", "0", &StartupWindow, nullptr, 0, 4},
    {"Startup", "Language", Texts::EnglishDefault, nullptr, &LanguageName},
    {"Startup", "ShowTips", "1", &ShowTips, nullptr},
};

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// [sign] digits [. digits], at least one digit, blanks around allowed;
// rounded to the nearest integer, ties to the even one.
std::optional<int16_t> ParseNumber(const QString &stored) {
    const QString text = stored.trimmed();
    qsizetype at = 0;
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+')) ++at;
    int32_t magnitude = 0; // capped just above the 16-bit range
    bool anyDigit = false;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        magnitude = std::min(magnitude * 10 + (text[at].unicode() - u'0'), 100000);
        anyDigit = true;
    }
    int firstDecimal = 0;
    bool restNonZero = false;
    if (at < text.size() && text[at] == u'.') {
        for (qsizetype first = ++at; at < text.size() && IsDigit(text[at]); ++at) {
            const int digit = text[at].unicode() - u'0';
            if (at == first)
                firstDecimal = digit;
            else
                restNonZero = restNonZero || digit != 0;
            anyDigit = true;
        }
    }
    if (!anyDigit || at != text.size()) return std::nullopt;
    const bool tie = firstDecimal == 5 && !restNonZero;
    if (firstDecimal > 5 || (firstDecimal == 5 && restNonZero) || (tie && magnitude % 2 == 1))
        ++magnitude;
    const int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(value);
}

template <typename Variable> const Setting &Bound(const Variable &variable) {
    const auto bound = std::find_if(std::begin(Table), std::end(Table), [&](const Setting &s) {
        if constexpr (std::is_same_v<Variable, QString>)
            return s.Text == &variable;
        else
            return s.Number == &variable;
    });
    if (bound == std::end(Table)) std::abort();
    return *bound;
}

// Unless the four columns show four different calendars, they show all four
// in their natural order.
void CheckColumnCals() {
    const int16_t *begin = std::begin(ColumnCals) + 1;
    const int16_t *end = std::end(ColumnCals);
    const bool inRange = std::all_of(
        begin, end, [](int16_t cal) { return cal >= Calc::Julian && cal <= Calc::Moslem; });
    int16_t sorted[4];
    std::copy(begin, end, sorted);
    std::sort(std::begin(sorted), std::end(sorted));
    if (!inRange || std::adjacent_find(std::begin(sorted), std::end(sorted)) != std::end(sorted)) {
        for (int16_t column = 1; column <= 4; ++column)
            ColumnCals[column] = column;
    }
}

// The stored number by the rules of the header, or the default.
int16_t NumberOf(const Setting &setting, const QString &stored) {
    const std::optional<int16_t> number = ParseNumber(stored);
    if (number && *number >= setting.Low && *number <= setting.High) return *number;
    return *ParseNumber(setting.Default);
}

// Values written together replace the store's file once.
struct Batch {
    std::vector<platform::SettingValue> Values;
    void Add(const Setting &setting, const QString &value) {
        Values.push_back({setting.Section, setting.Key, value});
    }
    void Add(const Setting &setting, int16_t value) { Add(setting, QString::number(value)); }
};

} // namespace

const Setting &SettingOf(const int16_t &variable) {
    return Bound(variable);
}
const Setting &SettingOf(const QString &variable) {
    return Bound(variable);
}

QString ReadSetting(const Setting &setting) {
    return platform::ReadSetting(setting.Section, setting.Key, setting.Default);
}

int16_t ReadNumber(const Setting &setting) {
    return NumberOf(setting, ReadSetting(setting));
}

void WriteSetting(const Setting &setting, const QString &value) {
    platform::WriteSetting(setting.Section, setting.Key, value);
}

void WriteSetting(const Setting &setting, int16_t value) {
    WriteSetting(setting, QString::number(value));
}

void ReadSettings() {
    platform::CleanSettingsFolder();
    const platform::StoredSettings store = platform::LoadSettings();
    for (const Setting &setting : Table) {
        const QString stored = store.Value(setting.Section, setting.Key, setting.Default);
        if (setting.Number != nullptr)
            *setting.Number = NumberOf(setting, stored);
        else
            *setting.Text = stored;
    }
    CheckColumnCals();
}

void WriteOptions(const StoredOptions &options) {
    Batch batch;
    batch.Add(SettingOf(Calc::MoslemType), options.MoslemType);
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal)
        batch.Add(SettingOf(Calc::FirstWeekDay[cal]), options.FirstWeekDay[cal]);
    batch.Add(SettingOf(LanguageName), options.Language);
    batch.Add(SettingOf(StartupWindow), options.StartupWindow);
    batch.Add(SettingOf(ShowTips), options.ShowTips);
    platform::WriteSettings(batch.Values);
}

void WriteWindowPositions() {
    Batch batch;
    for (int16_t window = 1; window <= WindowCount; ++window) {
        batch.Add(SettingOf(WinTop[window]), WinTop[window]);
        batch.Add(SettingOf(WinLeft[window]), WinLeft[window]);
    }
    platform::WriteSettings(batch.Values);
}

void WriteColumnCals() {
    Batch batch;
    for (int16_t column = 1; column <= 4; ++column)
        batch.Add(SettingOf(ColumnCals[column]), ColumnCals[column]);
    platform::WriteSettings(batch.Values);
}

} // namespace Start
