#include "engine/Texts.h"

#include "engine/Calc.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace Texts {

std::string CalendarNames[6];
std::string MonthNames[5][14];
std::string AdarName;
bool JewishNamesLeap;
std::string WeekDayNames[8];
std::string WeekDayAbbrs[8];
std::string LabelTexts[13];
std::string StringTexts[26];

namespace {

constexpr std::array<const char *, 5> EnglishCalendarNames = {
    "Julian calendar", "Gregorian calendar", "Jewish calendar", "Moslem calendar",
    "Monthly calendars"};

constexpr std::array<const char *, 12> EnglishJulianMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::array<const char *, 12> EnglishJewishMonths = {
    "Tishri", "Heshvan", "Kislev", "Tevet",  "Shevat", "Adar",
    "Nisan",  "Iyar",    "Sivan",  "Tammuz", "Av",     "Elul"};

constexpr std::array<const char *, 12> EnglishMoslemMonths = {
    "Muharram", "Safar",   "Rabi I",  "Rabi II", "Jumada I",     "Jumada II",
    "Rajab",    "Sha‘ban", "Ramadan", "Shawwal", "Dhuґl-Qa‘dah", "Dhuґl-Hijjah"};

constexpr std::array<const char *, 7> EnglishWeekDayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

constexpr std::array<const char *, 7> EnglishWeekDayAbbrs = {"Mo", "Tu", "We", "Th",
                                                             "Fr", "Sa", "Su"};

constexpr std::array<const char *, 12> EnglishLabelTexts = {
    "Options",
    "Moslem calendar",
    "This program version support two types of Moslem calendar with 30 years (Arab) cycle:",
    "Hegira — July 15, 622 A.D.",
    "Leap years of the cycle: 2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29",
    "Hegira — July 16, 622 A.D.",
    "Leap years of the cycle: 2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29",
    "First day of the week",
    "Language",
    "Startup window",
    "Show tips",
    "Moon"};

constexpr std::array<const char *, 25> EnglishStringTexts = {
    "Calendar",
    "Year",
    "Year month number/Number of months in the year. Month",
    "Monthly calendar (Double-click to show year calendar)",
    "Year day number/Number of days in the year",
    "Year week number/Number of weeks in the year",
    "Week day",
    "Moon age (in days)",
    "Julian Day",
    "Moon",
    "Year calendars",
    "Today",
    "Options",
    "About",
    "Exit",
    "Left$ mouse button — Close window. Right$ mouse button — Exit",
    "Previous year",
    "Next year",
    "Year calendar (Double-click to show monthly calendars)",
    "Moon (Double-click to show monthly calendars)",
    "Apply",
    "Close",
    "File not found",
    "Julian Days admissible range:",
    "Select language"};

// Entries 1 .. N of a table from the N built-in texts; the rest emptied.
template <std::size_t N, std::size_t Size>
void Fill(std::string (&table)[Size], const std::array<const char *, N> &texts) {
    static_assert(N < Size);
    std::copy(texts.begin(), texts.end(), std::begin(table) + 1);
    std::fill(std::begin(table) + 1 + N, std::end(table), std::string());
}

} // namespace

void LoadEnglish() {
    Fill(CalendarNames, EnglishCalendarNames);
    Fill(MonthNames[Calc::Julian], EnglishJulianMonths);
    std::copy(std::begin(MonthNames[Calc::Julian]), std::end(MonthNames[Calc::Julian]),
              MonthNames[Calc::Gregorian]);
    Fill(MonthNames[Calc::Jewish], EnglishJewishMonths);
    AdarName = MonthNames[Calc::Jewish][6];
    JewishNamesLeap = false;
    Fill(MonthNames[Calc::Moslem], EnglishMoslemMonths);
    Fill(WeekDayNames, EnglishWeekDayNames);
    Fill(WeekDayAbbrs, EnglishWeekDayAbbrs);
    Fill(LabelTexts, EnglishLabelTexts);
    Fill(StringTexts, EnglishStringTexts);
}

} // namespace Texts
