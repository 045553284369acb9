// Running the engine the way the crosscheck tests need it: a clean start with
// given settings (the converter's, Convert::StartEngine), then one day after
// another through ChangeJD, and a tally of disagreements that prints only the
// first few of a million days.
#pragma once

#include "tools/convert/Conversion.h"

#include <cstdint>
#include <string>

namespace Crosscheck {

using Convert::StartEngine;

// The engine's conversion of one Julian Day into all four calendars.
void ConvertJD(int32_t jd);

// What a calendar's row of the engine says about the current day.
struct CalendarDay {
    int32_t year;
    int32_t month;
    int32_t day;
    int32_t yearDay;
    int32_t yearDays;
    int32_t yearStart;
    int32_t yearEnd;

    bool operator==(const CalendarDay &) const = default;
};

CalendarDay EngineDay(int16_t cal);
std::string Describe(const CalendarDay &day);

class Mismatches {
  public:
    // Adds one disagreement; the first few become test failures with their text.
    void Add(const std::string &what);
    int Count() const { return count_; }

  private:
    int count_ = 0;
};

// The engine both ways on one day: ChangeJD(jd) must give the expected date in
// cal's row, and ChangeCal(cal) from that date must lead back to jd with the
// date unchanged. source names where the expectation comes from. The engine
// is left on that day.
void CheckBothWays(int16_t cal, int32_t jd, const CalendarDay &expected, const char *source,
                   Mismatches &mismatches);

} // namespace Crosscheck
