// Every admissible day of each calendar against an independent source: ICU
// for Julian, proleptic Gregorian and islamic-civil (Moslem type 2), the
// molad reference for the Jewish calendar. Moslem type 1 differs from type 2
// only in its variant's constants, which the engine's known dates pin. Each
// day is converted both ways (ChangeCal from the expected date to the day,
// and ChangeJD back to the date), and the facts the engine derives on the way (week
// numbers, month lengths, week day, moon age) are checked with it.
#include "IcuCalendar.h"
#include "JewishReference.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

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

class EveryDay : public testing::TestWithParam<Walk> {
  protected:
    // The first few disagreements become failures; a million more would bury them.
    bool Report() { return ++mismatches <= 10; }
    int mismatches = 0;
};

TEST_P(EveryDay, AgreesBothWaysWithItsSource) {
    const int16_t cal = GetParam().cal;
    ChangeCals::Reset();
    Calc::StartEngine({.moslemType = GetParam().moslemType});
    const Source source = GetParam().source();
    // Weeks counted day by day: a new one on every FirstWeekDay after the
    // year's first day; the year's total is known when the year is over.
    int32_t week = 0;
    int32_t yearWeeks = 0;
    CalendarDay before{};
    for (int32_t jd = MinJD[cal]; jd <= MaxJD[cal]; ++jd) {
        const CalendarDay expected = source(jd);
        const bool first =
            jd == MinJD[cal] && (expected.year != MinYear[cal] || expected.yearDay != 1);
        const bool last =
            jd == MaxJD[cal] && (expected.year != MaxYear[cal] || jd != expected.yearEnd);
        if ((first || last) && Report())
            ADD_FAILURE() << "JD " << jd << " ends no range: " << expected;
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
        int16_t from = cal;
        ChangeCals::ChangeCal(from);
        if ((CurrentJD != jd || EngineDay(cal) != expected ||
             ChangeCals::CurrentWeekDay != weekDay) &&
            Report())
            ADD_FAILURE() << expected << " through ChangeCal gives JD " << CurrentJD << ", "
                          << EngineDay(cal) << ", week day " << ChangeCals::CurrentWeekDay;
        CalendarDay entered[5];
        for (int16_t other = Julian; other <= Moslem; ++other)
            entered[other] = EngineDay(other);

        CurrentJD = jd;
        ChangeCals::ChangeJD();
        if (EngineDay(cal) != expected && Report())
            ADD_FAILURE() << "JD " << jd << ": ChangeJD gives " << EngineDay(cal) << ", expected "
                          << expected;
        for (int16_t other = Julian; other <= Moslem; ++other) {
            if (EngineDay(other) != entered[other] && Report())
                ADD_FAILURE() << "JD " << jd << ": ChangeCal left calendar " << other << " on "
                              << entered[other] << ", ChangeJD gives " << EngineDay(other);
        }
        if (ChangeCals::CurrentWeekDay != weekDay && Report())
            ADD_FAILURE() << "JD " << jd << ": week day " << ChangeCals::CurrentWeekDay;
        if (expected.yearDay == 1) {
            if (week != yearWeeks && Report())
                ADD_FAILURE() << "JD " << jd << ": year before of " << yearWeeks
                              << " weeks, counted " << week;
            week = 1;
            yearWeeks = YearWeeks(cal);
        } else if (weekDay == firstWeekDay) {
            ++week;
        }
        if ((CalDates[cal][Week] != week || YearWeeks(cal) != yearWeeks) && Report())
            ADD_FAILURE() << "JD " << jd << ": week " << CalDates[cal][Week] << "/"
                          << YearWeeks(cal) << ", counted " << week;
        if (expected.day == 1 && MonthStartWeekDay(cal, expected.month) != weekDay && Report())
            ADD_FAILURE() << "JD " << jd << ": month starts on week day "
                          << MonthStartWeekDay(cal, expected.month);
        if (expected.day == 1 && expected.month > 1 &&
            MonthDays(cal, expected.month - 1) != before.day && Report())
            ADD_FAILURE() << "JD " << jd << ": month before has "
                          << MonthDays(cal, expected.month - 1) << " days";
        if (cal == Jewish) {
            // The Jewish range spans all others: the moon's age for every day,
            // against a double-precision remainder of the single-precision
            // synodic month, within half a unit in the last place of a float.
            const double month = static_cast<double>(29.530588f);
            const double age = std::fmod(jd - 1720993.0, month);
            const double apart = std::abs(ChangeCals::MoonAge - age);
            if ((std::min(apart, month - apart) > 2.5e-6 ||
                 ChangeCals::MoonPhase != std::nearbyint(age / month * 8.0)) &&
                Report())
                ADD_FAILURE() << "JD " << jd << ": moon age " << ChangeCals::MoonAge << " phase "
                              << ChangeCals::MoonPhase << ", expected " << age;
        }

        before = expected;
    }
    EXPECT_EQ(week, yearWeeks) << "weeks of the last year";
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Crosscheck, EveryDay, testing::ValuesIn(Walks),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
