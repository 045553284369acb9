// The converter's command line, parsed without the engine: words, numbers and
// option values. Whether a number is an admissible year, month or Julian Day
// is decided by the engine's ranges (Conversion.h).
#pragma once

#include "engine/StartEngine.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace Convert {

enum class Command { Help, Version, Day, Table };

using Settings = Calc::EngineSettings;

struct Request {
    Command command = Command::Help;
    Settings settings;
    // Day: the CalendarId of the given date, or 0 when a Julian Day was given.
    int16_t calendar = 0;
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    // Day with calendar 0.
    int32_t jd = 0;
    // Table: the Julian Days of its first and last line.
    int32_t firstJD = 0;
    int32_t lastJD = 0;
};

// The words after the program's name; throws UsageError.
Request ParseArguments(const std::vector<std::string_view> &args);

} // namespace Convert
