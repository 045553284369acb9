// Every admissible day of each calendar against an independent source: ICU
// for Julian, proleptic Gregorian and islamic-civil (Moslem type 2), the
// molad reference for the Jewish calendar. Moslem type 1 differs from type 2
// only in its variant's constants, which the engine's known dates pin. Each
// day is converted both ways (ChangeCal from the expected date to the day,
// and ChangeJD back to the date), and the facts the engine derives on the way (week
// numbers, month lengths, week day) are checked with it. The moon's age and phase
// are the converter's table rows' part.
#include "IcuCalendar.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

// The Hebrew calendar as it is taught: the molad of Tishri counted in parts
// of an hour, moved by the four postponements. The engine takes an unrelated
// road (Gauss's Passover rule), which is what makes this a check.
namespace Reference {
namespace {

constexpr int64_t PartsPerHour = 1080;
constexpr int64_t PartsPerDay = 24 * PartsPerHour;
// The mean lunation: 29 days 12 hours 793 parts.
constexpr int64_t PartsPerMonth = 29 * PartsPerDay + 12 * PartsPerHour + 793;
// Molad BaHaRaD, the molad of Tishri of year 1: day 2 (Monday), 5 hours
// 204 parts, hours counted from 6 p.m. of the evening before.
constexpr int64_t MoladOfYearOne = 1 * PartsPerDay + 5 * PartsPerHour + 204;
// Day 1 of that count, the Monday of 1 Tishri 1, is Julian Day 347998.
constexpr int32_t DayCountToJD = 347997;

enum WeekDay { Sunday = 1, Monday = 2, Tuesday = 3, Wednesday = 4, Friday = 6 };

int WeekDayOfCount(int64_t day) {
    return static_cast<int>(day % 7) + 1;
}

bool IsAduDay(int64_t day) {
    const int weekDay = WeekDayOfCount(day);
    return weekDay == Sunday || weekDay == Wednesday || weekDay == Friday;
}

bool IsJewishLeapYear(int32_t year) {
    return (7 * year + 1) % 19 < 7;
}

int32_t JewishNewYear(int32_t year) {
    // 235 months in each 19-year cycle, added one year at a time.
    const int64_t molad = MoladOfYearOne + (235 * int64_t{year} - 234) / 19 * PartsPerMonth;
    int64_t day = molad / PartsPerDay;
    const int weekDay = WeekDayOfCount(day);
    const int64_t time = molad % PartsPerDay;

    if (time >= 18 * PartsPerHour) {
        // Molad zaken: a molad at or after noon moves the new year to the next day.
        ++day;
        if (IsAduDay(day)) ++day;
    } else if (weekDay == Tuesday && time >= 9 * PartsPerHour + 204 && !IsJewishLeapYear(year)) {
        // GaTaRaD: otherwise the common year would run to 356 days.
        day += 2;
    } else if (weekDay == Monday && time >= 15 * PartsPerHour + 589 && IsJewishLeapYear(year - 1)) {
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

} // namespace
} // namespace Reference

namespace {

using namespace Calc;

// A calendar's row of the engine, or what a source expects in it.
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

std::ostream &operator<<(std::ostream &out, const CalendarDay &d) {
    return out << d.year << '-' << d.month << '-' << d.day << " year day " << d.yearDay << '/'
               << d.yearDays << " year " << d.yearStart << ".." << d.yearEnd;
}

CalendarDay EngineDay(int16_t cal) {
    const int32_t *date = CalDates[cal];
    return {date[Year],    date[Month],        date[Day],         date[YearDay],
            YearDays(cal), YearBounds[cal][1], YearBounds[cal][2]};
}

CalendarDay InYear(int32_t jd, int32_t year, int32_t month, int32_t day, int32_t yearDay,
                   int32_t yearDays) {
    const int32_t start = jd - yearDay + 1;
    return {year, month, day, yearDay, yearDays, start, start + yearDays - 1};
}

// Answers for one day after another, in order.
using Source = std::function<CalendarDay(int32_t jd)>;

Source Icu(Oracle::IcuCalendar (*make)()) {
    auto icu = std::make_shared<Oracle::IcuCalendar>(make());
    return [icu, year = 0, start = 0, yearDays = 0](int32_t jd) mutable {
        int32_t month = 0;
        int32_t day = 0;
        const int32_t yearBefore = year;
        icu->DateOf(jd, year, month, day);
        if (year != yearBefore) {
            start = icu->JulianDayOf(year, 0, 1);
            yearDays = icu->JulianDayOf(year + 1, 0, 1) - start;
        }
        return InYear(jd, year, month + 1, day, jd - start + 1, yearDays);
    };
}

Source MoladReference() {
    return [year = MinYear[Jewish]](int32_t jd) mutable {
        while (Reference::JewishNewYear(year + 1) <= jd)
            ++year;
        const int32_t start = Reference::JewishNewYear(year);
        const auto lengths = Reference::JewishMonthLengths(year);
        int32_t month = 1;
        int32_t day = jd - start + 1;
        while (day > lengths[month])
            day -= lengths[month++];
        return InYear(jd, year, month, day, jd - start + 1,
                      Reference::JewishNewYear(year + 1) - start);
    };
}

struct Walk {
    const char *name;
    int16_t cal;
    int16_t moslemType;
    Source (*source)();
};

const Walk Walks[] = {
    {"JulianAgainstIcu", Julian, 1, [] { return Icu(Oracle::IcuCalendar::PureJulian); }},
    {"GregorianAgainstIcu", Gregorian, 1,
     [] { return Icu(Oracle::IcuCalendar::ProlepticGregorian); }},
    {"JewishAgainstMoladReference", Jewish, 1, MoladReference},
    {"MoslemType2AgainstIcuCivil", Moslem, 2,
     [] { return Icu(Oracle::IcuCalendar::IslamicCivil); }},
};

class EveryDay : public testing::TestWithParam<Walk> {};

// The first few disagreements become failures; a million more would bury them.
#define EXPECT_DAY(condition)                                                                      \
    if (!(condition) && ++mismatches <= 10) ADD_FAILURE() << "JD " << jd << ": "

TEST_P(EveryDay, AgreesBothWaysWithItsSource) {
    const int16_t cal = GetParam().cal;
    ChangeCals::Reset();
    Calc::StartEngine({.moslemType = GetParam().moslemType});
    const Source source = GetParam().source();
    int mismatches = 0;
    // Weeks counted day by day: a new one on every FirstWeekDay after the
    // year's first day; the year's total is known when the year is over.
    int32_t week = 0;
    int32_t yearWeeks = 0;
    CalendarDay before{};
    for (int32_t jd = MinJD[cal]; jd <= MaxJD[cal]; ++jd) {
        const CalendarDay expected = source(jd);
        EXPECT_DAY(jd != MinJD[cal] || (expected.year == MinYear[cal] && expected.yearDay == 1))
            << "no first day " << expected;
        EXPECT_DAY(jd != MaxJD[cal] || (expected.year == MaxYear[cal] && jd == expected.yearEnd))
            << "no last day " << expected;
        // Each year its own first week day, so that every calendar counts
        // weeks from every week day.
        const int16_t firstWeekDay = static_cast<int16_t>(expected.year % 7 + 1);
        FirstWeekDay[cal] = firstWeekDay;
        // Entering the date, from the day before, must renew every calendar,
        // not only its own: ChangeJD then has to find them all as they are.
        const int weekDay = jd % 7 + 1; // JD 0 was a Monday
        CalDates[cal][Year] = expected.year;
        CalDates[cal][Month] = expected.month;
        CalDates[cal][Day] = expected.day;
        ChangeCals::ChangeCal(cal);
        EXPECT_DAY(CurrentJD == jd && EngineDay(cal) == expected &&
                   ChangeCals::CurrentWeekDay == weekDay)
            << expected << " entered gives JD " << CurrentJD << ", " << EngineDay(cal);
        CalendarDay entered[5];
        for (int16_t other = Julian; other <= Moslem; ++other)
            entered[other] = EngineDay(other);

        CurrentJD = jd;
        ChangeCals::ChangeJD();
        EXPECT_DAY(EngineDay(cal) == expected) << "ChangeJD gives " << EngineDay(cal);
        for (int16_t other = Julian; other <= Moslem; ++other) {
            EXPECT_DAY(EngineDay(other) == entered[other])
                << "ChangeCal left calendar " << other << " on " << entered[other];
        }
        if (expected.yearDay == 1) {
            EXPECT_DAY(week == yearWeeks)
                << "year before of " << yearWeeks << " weeks, counted " << week;
            week = 1;
            yearWeeks = YearWeeks(cal);
        } else if (weekDay == firstWeekDay) {
            ++week;
        }
        EXPECT_DAY(CalDates[cal][Week] == week && YearWeeks(cal) == yearWeeks)
            << "week " << CalDates[cal][Week] << "/" << YearWeeks(cal) << ", counted " << week;
        EXPECT_DAY(expected.day != 1 || MonthStartWeekDay(cal, expected.month) == weekDay)
            << "month starts on week day " << MonthStartWeekDay(cal, expected.month);
        EXPECT_DAY(expected.day != 1 || expected.month == 1 ||
                   MonthDays(cal, expected.month - 1) == before.day)
            << "month before has " << MonthDays(cal, expected.month - 1) << " days";
        before = expected;
    }
    EXPECT_EQ(week, yearWeeks) << "weeks of the last year";
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Crosscheck, EveryDay, testing::ValuesIn(Walks),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
