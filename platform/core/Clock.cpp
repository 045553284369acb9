#include "platform/core/Clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace platform {

namespace {

ClockSource &CurrentClock() {
    static ClockSource clock;
    return clock;
}

QDateTime LocalNow() {
    return CurrentClock() ? CurrentClock()() : QDateTime::currentDateTime();
}

SteadyClock &CurrentSteadyClock() {
    static SteadyClock clock;
    return clock;
}

} // namespace

CalendarDate Today() {
    const QDate date = LocalNow().date();
    return {date.day(), date.month(), date.year()};
}

void SetClock(ClockSource source) {
    CurrentClock() = std::move(source);
}

qint64 SteadyMilliseconds() {
    if (CurrentSteadyClock().Milliseconds) return CurrentSteadyClock().Milliseconds();
    static QElapsedTimer sinceFirstUse = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return sinceFirstUse.elapsed();
}

void SleepMilliseconds(qint64 ms) {
    if (CurrentSteadyClock().Sleep)
        CurrentSteadyClock().Sleep(ms);
    else if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void SetSteadyClock(SteadyClock clock) {
    CurrentSteadyClock() = std::move(clock);
}

} // namespace platform
