// The human-readable answer for one day: its Julian Day, week day and moon
// age, then one line per calendar with the date (English month names), the
// year day of the year's days and the week of the year's weeks.
#pragma once

#include "DayFacts.h"

#include <string>

namespace Convert {

// Month names come from the engine's language tables, which describe the
// year of the latest conversion: call this right after the conversion that
// produced the facts.
std::string FormatDay(const DayFacts &facts);

} // namespace Convert
