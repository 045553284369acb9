// ICU as an outside opinion on dates: the crosscheck tests and the engine
// benchmark ask it for the date of a Julian Day in the calendars it shares with
// the engine. Only tests and benchmarks link it; no program does.
#pragma once

#include <unicode/calendar.h>

#include <cstdint>
#include <memory>

namespace Oracle {

class IcuCalendar {
  public:
    // The Julian calendar with no Gregorian reform at all.
    static IcuCalendar PureJulian();
    // The Gregorian calendar run backwards to before year 1.
    static IcuCalendar ProlepticGregorian();
    // "@calendar=islamic-civil": epoch 16 July 622, leap year 16 of the cycle.
    static IcuCalendar IslamicCivil();
    // "@calendar=hebrew".
    static IcuCalendar Hebrew();

    // Dates as ICU numbers them: months from 0 in ICU's own order (Hebrew
    // months are ICU's thirteen constants, Adar I = 5, Adar = 6), years by
    // UCAL_EXTENDED_YEAR so that no era has to be read.

    // The date at noon UTC of that Julian Day.
    void DateOf(int32_t jd, int32_t &year, int32_t &month, int32_t &day);
    // The Julian Day of a date.
    int32_t JulianDayOf(int32_t year, int32_t month, int32_t day);

  private:
    explicit IcuCalendar(icu::Calendar *calendar) : calendar_(calendar) {}

    std::unique_ptr<icu::Calendar> calendar_;
};

} // namespace Oracle
