#include "monthly/ListItems.h"

#include "engine/Calc.h"

#include <algorithm>

namespace Monthly {

namespace {

// Four Julian years: three common ones and a leap year.
constexpr int32_t FourYearSteps[] = {365, 365, 365, 366};
constexpr int FourYearGroups = 750;

} // namespace

std::vector<int32_t> JulianDays(int32_t current) {
    const int32_t first = Calc::MinJD[Calc::Jewish];
    const int32_t last = Calc::MaxJD[Calc::Jewish];
    std::vector<int32_t> days;
    days.reserve(4 * FourYearGroups + 4);
    days.push_back(first);
    int32_t newYear = Calc::MinJD[Calc::Julian];
    days.push_back(newYear);
    for (int group = 0; group < FourYearGroups; ++group) {
        for (const int32_t step : FourYearSteps) {
            newYear += step;
            days.push_back(newYear);
        }
    }
    days.push_back(last);
    if (current >= first && current <= last) {
        const auto place = std::lower_bound(days.begin(), days.end(), current);
        if (*place != current) days.insert(place, current);
    }
    return days;
}

QStringList MoonAges(float age) {
    QStringList ages;
    bool placed = false;
    for (int day = 0; day <= 29; ++day) {
        ages.append(QString::number(day));
        if (placed) continue;
        if (age == static_cast<float>(day)) {
            placed = true;
        } else if (age < static_cast<float>(day + 1)) {
            ages.append(QString::number(age));
            placed = true;
        }
    }
    if (!placed) ages.append(QString::number(age));
    return ages;
}

} // namespace Monthly
