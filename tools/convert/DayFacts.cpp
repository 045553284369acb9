#include "DayFacts.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"

namespace Convert {

DayFacts ReadDayFacts() {
    DayFacts facts{};
    facts.jd = Calc::CurrentJD;
    facts.weekDay = ChangeCals::CurrentWeekDay;
    facts.moonAge = ChangeCals::MoonAge;
    facts.moonPhase = ChangeCals::MoonPhase;
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        const int32_t *date = Calc::CalDates[cal];
        facts.calendars[cal] = {
            Calc::MinJD[cal] <= facts.jd && facts.jd <= Calc::MaxJD[cal],
            date[Calc::Year],
            date[Calc::Month],
            date[Calc::Day],
            date[Calc::YearDay],
            date[Calc::Week],
            Calc::YearDays(cal),
            Calc::YearWeeks(cal),
        };
    }
    return facts;
}

} // namespace Convert
