#include "platform/core/Clock.h"

namespace platform {

namespace {

// The day count starts on 30 December 1899, as office programs' date types do.
constexpr double MillisecondsPerDay = 24.0 * 60 * 60 * 1000;

ClockSource &CurrentClock() {
    static ClockSource clock;
    return clock;
}

QDateTime LocalNow() {
    return CurrentClock() ? CurrentClock()() : QDateTime::currentDateTime();
}

} // namespace

CalendarDate Today() {
    const QDate date = LocalNow().date();
    return {date.day(), date.month(), date.year()};
}

double Now() {
    const QDateTime now = LocalNow();
    const QDate dayZero(1899, 12, 30);
    return static_cast<double>(dayZero.daysTo(now.date())) +
           now.time().msecsSinceStartOfDay() / MillisecondsPerDay;
}

void SetClock(ClockSource source) {
    CurrentClock() = std::move(source);
}

} // namespace platform
