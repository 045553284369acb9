#include "frame/YearItems.h"

#include "engine/Calc.h"

namespace Start {

QStringList YearItems(int16_t cal) {
    // A list runs to 6,000 years and is filled again each time the user enters it:
    // the texts of a calendar's range are made once and shared.
    struct Made {
        int32_t first = 0;
        int32_t last = -1;
        QStringList years;
    };
    static Made made[5];
    Made &list = made[cal];
    if (list.first != Calc::MinYear[cal] || list.last != Calc::MaxYear[cal]) {
        list = {Calc::MinYear[cal], Calc::MaxYear[cal], {}};
        list.years.reserve(list.last - list.first + 1);
        for (int32_t year = list.first; year <= list.last; ++year)
            list.years.append(QString::number(year));
    }
    return list.years;
}

} // namespace Start
