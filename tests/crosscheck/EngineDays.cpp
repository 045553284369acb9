#include "EngineDays.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"

#include <gtest/gtest.h>

namespace Crosscheck {

namespace {
constexpr int ReportedMismatches = 10;
}

void ConvertJD(int32_t jd) {
    Calc::CurrentJD = jd;
    ChangeCals::ChangeJD();
}

CalendarDay EngineDay(int16_t cal) {
    return {Calc::CalDates[cal][Calc::Year],
            Calc::CalDates[cal][Calc::Month],
            Calc::CalDates[cal][Calc::Day],
            Calc::CalDates[cal][Calc::YearDay],
            Calc::YearDays(cal),
            Calc::YearBounds[cal][1],
            Calc::YearBounds[cal][2]};
}

std::string Describe(const CalendarDay &day) {
    return std::to_string(day.year) + "-" + std::to_string(day.month) + "-" +
           std::to_string(day.day) + " year day " + std::to_string(day.yearDay) + "/" +
           std::to_string(day.yearDays) + " year " + std::to_string(day.yearStart) + ".." +
           std::to_string(day.yearEnd);
}

void CheckBothWays(int16_t cal, int32_t jd, const CalendarDay &expected, const char *source,
                   Mismatches &mismatches) {
    ConvertJD(jd);
    const CalendarDay converted = EngineDay(cal);
    if (converted != expected) {
        mismatches.Add("JD " + std::to_string(jd) + ": ChangeJD gives " + Describe(converted) +
                       ", " + source + " " + Describe(expected));
    }
    if (expected.day == 1 &&
        Calc::MonthStartWeekDay(cal, expected.month) != ChangeCals::CurrentWeekDay) {
        mismatches.Add("JD " + std::to_string(jd) + ": month " + std::to_string(expected.month) +
                       " starts on week day " +
                       std::to_string(Calc::MonthStartWeekDay(cal, expected.month)));
    }
    Calc::CalDates[cal][Calc::Year] = expected.year;
    Calc::CalDates[cal][Calc::Month] = expected.month;
    Calc::CalDates[cal][Calc::Day] = expected.day;
    int16_t from = cal;
    ChangeCals::ChangeCal(from);
    const CalendarDay entered = EngineDay(cal);
    if (Calc::CurrentJD != jd || entered != expected) {
        mismatches.Add(std::string(source) + " " + Describe(expected) + ": ChangeCal gives JD " +
                       std::to_string(Calc::CurrentJD) + ", " + Describe(entered) +
                       ", expected JD " + std::to_string(jd));
    }
}

void Mismatches::Add(const std::string &what) {
    if (++count_ <= ReportedMismatches) ADD_FAILURE() << what;
}

} // namespace Crosscheck
