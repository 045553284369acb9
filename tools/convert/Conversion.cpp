#include "Conversion.h"

#include "UsageError.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"

#include <string>

namespace Convert {

namespace {

std::string Range(int32_t first, int32_t last) {
    return std::to_string(first) + ".." + std::to_string(last);
}

// Every admissible day of every calendar: the Jewish range spans the others.
void CheckJulianDay(int32_t jd, const char *what) {
    const int32_t first = Calc::MinJD[Calc::Jewish];
    const int32_t last = Calc::MaxJD[Calc::Jewish];
    if (jd < first || jd > last) {
        throw UsageError(std::string(what) + " " + std::to_string(jd) + " is outside " +
                         Range(first, last));
    }
}

void CheckDate(const Request &request) {
    const int16_t cal = request.calendar;
    const std::string &name = Texts::CalendarNames[cal];
    if (request.year < Calc::MinYear[cal] || request.year > Calc::MaxYear[cal]) {
        throw UsageError("year " + std::to_string(request.year) + " is outside " +
                         Range(Calc::MinYear[cal], Calc::MaxYear[cal]) + " of the " + name);
    }
    // Only the Jewish calendar has a thirteenth month; in a common year the
    // engine turns it into Elul.
    const int32_t months = cal == Calc::Jewish ? 13 : 12;
    if (request.month < 1 || request.month > months) {
        throw UsageError("month " + std::to_string(request.month) + " is outside " +
                         Range(1, months) + " of the " + name);
    }
    if (request.day < 1) {
        throw UsageError("day " + std::to_string(request.day) + " is below 1");
    }
}

} // namespace

void StartEngine(const Settings &settings) {
    ChangeCals::Reset();
    Calc::StartEngine(settings);
}

void ConvertDay(const Request &request) {
    if (request.calendar == 0) {
        CheckJulianDay(request.jd, "Julian Day");
        Calc::CurrentJD = request.jd;
        ChangeCals::ChangeJD();
        return;
    }
    CheckDate(request);
    int16_t cal = request.calendar;
    Calc::CalDates[cal][Calc::Year] = request.year;
    Calc::CalDates[cal][Calc::Month] = request.month;
    Calc::CalDates[cal][Calc::Day] = request.day;
    ChangeCals::ChangeCal(cal);
}

void CheckTableRange(int32_t firstJD, int32_t lastJD) {
    CheckJulianDay(firstJD, "first Julian Day");
    CheckJulianDay(lastJD, "last Julian Day");
    if (firstJD > lastJD) {
        throw UsageError("first Julian Day " + std::to_string(firstJD) +
                         " is after last Julian Day " + std::to_string(lastJD));
    }
}

} // namespace Convert
