#include "frame/YearItems.h"

#include "engine/Calc.h"

namespace Start {

QStringList YearItems(int16_t cal) {
    QStringList years;
    years.reserve(Calc::MaxYear[cal] - Calc::MinYear[cal] + 1);
    for (int32_t year = Calc::MinYear[cal]; year <= Calc::MaxYear[cal]; ++year)
        years.append(QString::number(year));
    return years;
}

} // namespace Start
