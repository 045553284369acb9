// The language tables: every text that depends on the language, as UTF-8.
// Indexed from 1 like the other tables; element 0 is unused. The frame's
// language loader fills them from a language file over the built-in English.
#pragma once

#include <string>

namespace Texts {

// Names of the StringTexts entries; the numbers are the keys of a language file's
// [STRINGS] section.
enum StringText : int {
    TipCalendar = 1,
    TipYear,
    TipMonth,
    TipMonthGrid,
    TipYearDay,
    TipWeek,
    TipWeekDay,
    TipMoonAge,
    TipJulianDay,
    TipMoon,
    TipYearCalendars,
    TipToday,
    TipOptions,
    TipAbout,
    TipExit,
    TipExitTwoButtons,
    TipPreviousYear,
    TipNextYear,
    TipYearGrid,
    TipMoonPicture,
    TextApply,
    TextClose,
    TextFileNotFound,
    TextJulianDayRange,
    TextSelectLanguage,
};

// Names of the LabelTexts entries, the keys of a language file's [LABELS] section.
enum LabelText : int {
    LabelOptionsCaption = 1,
    LabelMoslemFrame,
    LabelMoslemExplanation,
    LabelMoslemType1Line1,
    LabelMoslemType1Line2,
    LabelMoslemType2Line1,
    LabelMoslemType2Line2,
    LabelFirstWeekDayFrame,
    LabelLanguageFrame,
    LabelStartupFrame,
    LabelShowTips,
    LabelMoonCaption,
};
static_assert(TextSelectLanguage == 25 && LabelMoonCaption == 12);

extern std::string CalendarNames[6];
extern std::string MonthNames[5][14];
extern std::string AdarName;
// The layout MonthNames of the Jewish calendar are in: false for the twelve
// names of a common year (as a language is loaded), true once the engine has
// laid them out for a leap year (Adar I, Adar II, then Nisan .. Elul one
// month on). Kept apart from the names, so that an empty name never reads as
// a layout.
extern bool JewishNamesLeap;
extern std::string WeekDayNames[8];
extern std::string WeekDayAbbrs[8];
extern std::string LabelTexts[13];
extern std::string StringTexts[26];

// The name of the built-in language.
inline constexpr const char *EnglishDefault = "English (Default)";

// Every table set to the built-in English texts (month 13 of every calendar
// empty, AdarName taken from the Jewish month 6, the Jewish names in the
// common-year layout).
void LoadEnglish();

} // namespace Texts
