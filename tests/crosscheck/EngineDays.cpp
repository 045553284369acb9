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

void Mismatches::Add(const std::string &what) {
    if (++count_ <= ReportedMismatches) ADD_FAILURE() << what;
}

} // namespace Crosscheck
