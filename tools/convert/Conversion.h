// The converter's use of the engine: a start like the program's own (tables,
// English texts, the chosen Moslem variant and first week days, no windows),
// and the checks that keep every input inside what the engine accepts.
#pragma once

#include "Arguments.h"

namespace Convert {

// The engine as the program starts it, with no windows.
void StartEngine(const Settings &settings);

// Converts the requested day into all four calendars (the results stay in the
// engine's tables). A date outside its calendar's years, a month or day out
// of range or a Julian Day outside the accepted range throws UsageError; a
// day beyond its month's end is corrected by the engine.
void ConvertDay(const Request &request);

// Throws UsageError unless both ends lie in the accepted range, in order.
void CheckTableRange(int32_t firstJD, int32_t lastJD);

} // namespace Convert
