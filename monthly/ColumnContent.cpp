#include "monthly/ColumnContent.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "monthly/FieldTexts.h"

namespace Monthly {

namespace {

ColumnState StateOf(int16_t cal) {
    if (Calc::CurrentJD < Calc::MinJD[cal]) return ColumnState::Hidden;
    return Calc::CurrentJD <= Calc::MaxJD[cal] ? ColumnState::Enabled : ColumnState::Disabled;
}

FieldContent CountField(int32_t n, int32_t total) {
    return {CountItem(n, total), n - 1, total};
}

} // namespace

ColumnContent ColumnContentOf(int16_t cal) {
    const int32_t *const date = Calc::CalDates[cal];
    ColumnContent column;
    column.State = StateOf(cal);
    column.CalendarIndex = cal - 1;
    // Past its calendar's last year the year stands alone: the list cannot hold it.
    const bool yearListed = column.State == ColumnState::Enabled;
    column.Year = {QString::number(date[Calc::Year]), date[Calc::Year] - Calc::MinYear[cal],
                   yearListed ? Calc::MaxYear[cal] - Calc::MinYear[cal] + 1 : 0};
    column.Month = {MonthItemOf(cal, date[Calc::Month]), date[Calc::Month] - 1, MonthsInYear(cal)};
    column.YearDay = CountField(date[Calc::YearDay], Calc::YearDays(cal));
    column.Week = CountField(date[Calc::Week], Calc::YearWeeks(cal));
    return column;
}

CommonContent CommonContentOf() {
    return {ChangeCals::CurrentWeekDay - 1, ChangeCals::MoonPhase, MoonAgeText(ChangeCals::MoonAge),
            QString::number(Calc::CurrentJD)};
}

} // namespace Monthly
