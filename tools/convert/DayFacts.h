// One converted day as plain numbers, read from the engine's tables right
// after a conversion, for both output formats.
#pragma once

#include <array>
#include <cstdint>

namespace Convert {

struct CalendarFacts {
    // False where the day lies outside the calendar's MinJD..MaxJD: the other
    // fields then hold whatever the engine computed and mean nothing.
    bool inRange;
    int32_t year;
    int32_t month;
    int32_t day;
    int32_t yearDay;
    int32_t week;
    int32_t yearDays;
    int32_t yearWeeks;
};

struct DayFacts {
    int32_t jd;
    int16_t weekDay;
    float moonAge;
    int16_t moonPhase;
    // By CalendarId; element 0 unused.
    std::array<CalendarFacts, 5> calendars;
};

DayFacts ReadDayFacts();

} // namespace Convert
