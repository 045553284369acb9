// The Hebrew calendar as it is taught: the molad of Tishri counted in parts
// of an hour, moved by the four postponements. The engine takes an unrelated
// road (Gauss's Passover rule), which is what makes this a check.
#pragma once

#include <array>
#include <cstdint>

namespace Reference {

bool IsJewishLeapYear(int32_t year);

// Julian Day of 1 Tishri.
int32_t JewishNewYear(int32_t year);

// Lengths of months 1 (Tishri) .. 13; month 13 is 0 in a common year, and in
// a leap year months 6 and 7 are Adar I and Adar II. Element 0 is unused.
std::array<int32_t, 14> JewishMonthLengths(int32_t year);

} // namespace Reference
