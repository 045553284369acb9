#include "JewishReference.h"

namespace Reference {

namespace {

constexpr int64_t PartsPerHour = 1080;
constexpr int64_t PartsPerDay = 24 * PartsPerHour;
// The mean lunation: 29 days 12 hours 793 parts.
constexpr int64_t PartsPerMonth = 29 * PartsPerDay + 12 * PartsPerHour + 793;
static_assert(PartsPerMonth == 765433);
// Molad BaHaRaD, the molad of Tishri of year 1: day 2 (Monday), 5 hours
// 204 parts, hours counted from 6 p.m. of the evening before.
constexpr int64_t MoladOfYearOne = 1 * PartsPerDay + 5 * PartsPerHour + 204;
// Day 1 of that count, the Monday of 1 Tishri 1, is Julian Day 347998.
constexpr int32_t DayCountToJD = 347997;

enum WeekDay { Sunday = 1, Monday = 2, Tuesday = 3, Wednesday = 4, Friday = 6 };

constexpr int64_t MoladTime(int64_t hours, int64_t parts) {
    return hours * PartsPerHour + parts;
}

int WeekDayOfCount(int64_t day) {
    return static_cast<int>(day % 7) + 1;
}

bool IsAduDay(int64_t day) {
    const int weekDay = WeekDayOfCount(day);
    return weekDay == Sunday || weekDay == Wednesday || weekDay == Friday;
}

} // namespace

bool IsJewishLeapYear(int32_t year) {
    return (7 * year + 1) % 19 < 7;
}

int32_t JewishNewYear(int32_t year) {
    // 235 months in each 19-year cycle, added one year at a time.
    const int64_t molad = MoladOfYearOne + (235 * int64_t{year} - 234) / 19 * PartsPerMonth;
    int64_t day = molad / PartsPerDay;
    const int weekDay = WeekDayOfCount(day);
    const int64_t time = molad % PartsPerDay;

    if (time >= MoladTime(18, 0)) {
        // Molad zaken: a molad at or after noon moves the new year to the next day.
        ++day;
        if (IsAduDay(day)) ++day;
    } else if (weekDay == Tuesday && time >= MoladTime(9, 204) && !IsJewishLeapYear(year)) {
        // GaTaRaD: otherwise the common year would run to 356 days.
        day += 2;
    } else if (weekDay == Monday && time >= MoladTime(15, 589) && IsJewishLeapYear(year - 1)) {
        // BeTUTaKPaT: otherwise the leap year before would be only 382 days.
        ++day;
    } else if (IsAduDay(day)) {
        // Lo ADU Rosh: never on a Sunday, Wednesday or Friday.
        ++day;
    }
    return static_cast<int32_t>(day) + DayCountToJD;
}

std::array<int32_t, 14> JewishMonthLengths(int32_t year) {
    const int32_t length = JewishNewYear(year + 1) - JewishNewYear(year);
    const bool leap = IsJewishLeapYear(year);
    const int32_t kind = length - (leap ? 384 : 354); // -1 deficient, 0 regular, 1 complete
    const int32_t heshvan = kind == 1 ? 30 : 29;
    const int32_t kislev = kind == -1 ? 29 : 30;
    if (leap) return {0, 30, heshvan, kislev, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29};
    return {0, 30, heshvan, kislev, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0};
}

} // namespace Reference
