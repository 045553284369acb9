// The converter's table: tab-separated values, one header line and one line
// per Julian Day, for other programs to read.
//
// Columns: jd weekday moon_age moon_phase, then for each of jul_, gre_, jew_,
// mos_ the fields year month day year_day week year_days year_weeks, each "-"
// where the day lies outside that calendar's range.
#pragma once

#include "DayFacts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace Convert {

void AppendTableHeader(std::string &out);
void AppendTableLine(std::string &out, const DayFacts &facts);

// Converts every day of firstJD..lastJD (a range CheckTableRange accepted)
// and hands the table to write in pieces of about a megabyte.
void WriteTable(int32_t firstJD, int32_t lastJD,
                const std::function<void(std::string_view)> &write);

} // namespace Convert
