// Starting the engine: the one sequence the program, the converter and the
// tests share.
#pragma once

#include <array>
#include <cstdint>

namespace Calc {

// What the engine takes from the settings.
struct EngineSettings {
    int16_t moslemType = 1;
    // By CalendarId 1..4, 1 Monday .. 7 Sunday.
    std::array<int16_t, 4> firstWeekDay{7, 7, 7, 6};
};

// Every table back to zero, then the constant tables, the built-in English
// texts, the Moslem variant and the first week days. The selected day is the
// caller's to convert; the windows and the day facts (ChangeCals) are left
// as they are.
void StartEngine(const EngineSettings &settings);

} // namespace Calc
