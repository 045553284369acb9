// The long lists of the monthly window, built only when the user enters a field.
//  - JulianDays(current): the Julian Day list: the Jewish calendar's first day,
//    1 January of every Julian year 1..3001, the Jewish calendar's last day, and the
//    current day once in its sorted place when it lies in that range
//  - MoonAges(age): the whole days 0..29 and the current age once in its sorted place
#pragma once

#include <QStringList>
#include <cstdint>
#include <vector>

namespace Monthly {

std::vector<int32_t> JulianDays(int32_t current);
QStringList MoonAges(float age);

} // namespace Monthly
