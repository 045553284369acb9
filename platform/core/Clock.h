// The system clock, as a seam:
// - Today(): the local date as day, month and year
// - SetClock(source): tests replace the clock by their own; an empty source
//   brings back the system clock
// - SteadyMilliseconds(): milliseconds on a monotonic clock from an arbitrary
//   start, for waits: time-zone changes and steps of the system clock leave it alone
// - SleepMilliseconds(ms): the thread sleeps that long on the monotonic clock
// - SetSteadyClock(clock): tests replace both by their own (a sleep that only moves
//   their clock on); empty functions bring back the system's
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
void SetClock(ClockSource source);

struct SteadyClock {
    std::function<qint64()> Milliseconds;
    std::function<void(qint64 ms)> Sleep;
};

qint64 SteadyMilliseconds();
void SleepMilliseconds(qint64 ms);
void SetSteadyClock(SteadyClock clock);

} // namespace platform
