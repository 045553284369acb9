// The language tables: every text that depends on the language, as UTF-8.
// Indexed from 1 like the other tables; element 0 is unused. The frame's
// language loader fills them from a language file over the built-in English.
#pragma once

#include <string>

namespace Texts {

extern std::string CalendarNames[6];
extern std::string MonthNames[5][14];
extern std::string AdarName;
extern std::string WeekDayNames[8];
extern std::string WeekDayAbbrs[8];
extern std::string LabelTexts[13];
extern std::string StringTexts[26];

// The name of the built-in language.
inline constexpr const char *EnglishDefault = "English (Default)";

// Every table set to the built-in English texts (month 13 of every calendar
// empty, AdarName taken from the Jewish month 6).
void LoadEnglish();

} // namespace Texts
