// What the monthly window's fields show, worked out from the engine's tables and the
// application state, apart from the window's controls.
//  - ColumnState: a column is hidden before its calendar's first day, shown disabled
//    after its last, otherwise shown and enabled
//  - FieldContent: a field's single item, and where the current value stands in the
//    field's full list (a full list of any other length is dropped for the single item)
//  - ColumnContentOf(cal): the calendar selector's position and the year, month,
//    year-day and week fields of the column showing calendar cal
//  - CommonContentOf(): the week day's list position, the moon phase (the moon button
//    in front), the moon-age and Julian Day texts
#pragma once

#include <QString>
#include <cstdint>

namespace Monthly {

enum class ColumnState { Hidden, Disabled, Enabled };

struct FieldContent {
    QString Text;
    int ListIndex = 0;
    // 0: no full list is kept.
    int ListCount = 0;
    bool operator==(const FieldContent &) const = default;
};

struct ColumnContent {
    ColumnState State = ColumnState::Hidden;
    int CalendarIndex = 0;
    FieldContent Year;
    FieldContent Month;
    FieldContent YearDay;
    FieldContent Week;
};

ColumnContent ColumnContentOf(int16_t cal);

struct CommonContent {
    int WeekDayIndex = 0;
    int16_t MoonPhase = 0;
    QString MoonAge;
    QString JulianDay;
};

CommonContent CommonContentOf();

} // namespace Monthly
