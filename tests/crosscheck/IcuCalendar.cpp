#include "IcuCalendar.h"

#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace Oracle {

namespace {

constexpr double MillisPerDay = 86400000.0;
// Julian Day of 1 January 1970, the day ICU's time 0 falls in.
constexpr int32_t UnixEpochJD = 2440588;
// A cutover this far out (about 10^10 days) lies beyond any date we ask for;
// ICU clamps it to its own day range.
constexpr double FarAway = 1e18;

void Check(UErrorCode status) {
    if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU: ") + u_errorName(status));
}

icu::Calendar *MakeCalendar(const char *locale) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Calendar *calendar = icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                            icu::Locale(locale), status);
    Check(status);
    return calendar;
}

icu::Calendar *MakeGregorian(double cutover) {
    UErrorCode status = U_ZERO_ERROR;
    auto calendar = std::make_unique<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(),
                                                             icu::Locale("en"), status);
    calendar->setGregorianChange(cutover, status);
    Check(status);
    return calendar.release();
}

} // namespace

IcuCalendar IcuCalendar::PureJulian() {
    return IcuCalendar(MakeGregorian(FarAway));
}
IcuCalendar IcuCalendar::ProlepticGregorian() {
    return IcuCalendar(MakeGregorian(-FarAway));
}
IcuCalendar IcuCalendar::IslamicCivil() {
    return IcuCalendar(MakeCalendar("en@calendar=islamic-civil"));
}
IcuCalendar IcuCalendar::Hebrew() {
    return IcuCalendar(MakeCalendar("en@calendar=hebrew"));
}

void IcuCalendar::DateOf(int32_t jd, int32_t &year, int32_t &month, int32_t &day) {
    UErrorCode status = U_ZERO_ERROR;
    // Noon UTC: the whole civil day that the Julian Day number stands for.
    calendar_->setTime(static_cast<double>(jd - UnixEpochJD) * MillisPerDay, status);
    year = calendar_->get(UCAL_EXTENDED_YEAR, status);
    month = calendar_->get(UCAL_MONTH, status);
    day = calendar_->get(UCAL_DATE, status);
    Check(status);
}

int32_t IcuCalendar::JulianDayOf(int32_t year, int32_t month, int32_t day) {
    UErrorCode status = U_ZERO_ERROR;
    calendar_->clear();
    calendar_->set(UCAL_EXTENDED_YEAR, year);
    calendar_->set(UCAL_MONTH, month);
    calendar_->set(UCAL_DATE, day);
    const UDate millis = calendar_->getTime(status);
    Check(status);
    return static_cast<int32_t>(std::floor(millis / MillisPerDay)) + UnixEpochJD;
}

} // namespace Oracle
