// The month grid of one calendar, worked out from the engine's tables: week-day
// abbreviations in column 0 from the calendar's first week day; the days running down
// the week columns 1..6 and on at the top of the next; blank cells before and after;
// the current day highlighted (selected-day background and text colour, bold), every
// other cell in the calendar's background and the day text colour.
//  - MonthGridOf(cal): that grid, or nothing when the tables describe no month the
//    grid could show (the date lies before the calendar's first day)
//  - DayCellOf(cal, day): row and column of a day of the current month
//  - DayStyle(cal, selected): the style of an ordinary or the highlighted day
#pragma once

#include "platform/GridContent.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace Monthly {

constexpr int MonthGridRows = 7;
constexpr int MonthGridCols = 7;

std::optional<platform::GridContent> MonthGridOf(int16_t cal);
std::pair<int, int> DayCellOf(int16_t cal, int32_t day);
platform::CellStyle DayStyle(int16_t cal, bool selected);

} // namespace Monthly
