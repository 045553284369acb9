// Independent views of a Julian Day, to check what the window shows against.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

struct CalendarDay {
    int Day;
    int Month;
    int Year;
};

// Qt's proleptic Gregorian calendar.
inline CalendarDay GregorianOf(int32_t julianDay) {
    const QDate date = QDate::fromJulianDay(julianDay);
    return {date.day(), date.month(), date.year()};
}

// The Julian calendar by Meeus' algorithm (Astronomical Algorithms, ch. 7), years >= 1.
inline CalendarDay JulianOf(int32_t julianDay) {
    const int32_t b = julianDay + 1524;
    const int32_t c = static_cast<int32_t>((b - 122.1) / 365.25);
    const int32_t d = static_cast<int32_t>(365.25 * c);
    const int32_t e = static_cast<int32_t>((b - d) / 30.6001);
    const int day = b - d - static_cast<int32_t>(30.6001 * e);
    const int month = e < 14 ? e - 1 : e - 13;
    const int year = month > 2 ? c - 4716 : c - 4715;
    return {day, month, year};
}

// English week-day name, Monday first, as Qt's C locale writes it.
inline QString WeekDayNameOf(int32_t julianDay) {
    return QDate::fromJulianDay(julianDay).toString("dddd");
}
