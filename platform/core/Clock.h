// The system clock, as a seam:
// - Today(): the local date as day, month and year
// - Now(): the local date and time as a day count, days since 30 December 1899
//   with the time of day as the fraction (noon of 31 December 1899 is 1.5)
// - SetClock(source): tests replace the clock by their own; an empty source
//   brings back the system clock
#pragma once

#include <QDateTime>
#include <functional>

namespace platform {

struct CalendarDate {
    int Day;
    int Month;
    int Year;
};

using ClockSource = std::function<QDateTime()>;

CalendarDate Today();
double Now();
void SetClock(ClockSource source);

} // namespace platform
