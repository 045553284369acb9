// The calendar rules were worked out with one way of dividing and rounding:
// integer division truncating toward zero, a remainder that takes the sign of
// the dividend, and rounding to the nearest integer with ties to the even
// neighbour. Every division, remainder and rounding of the engine goes through
// these helpers, so that no bare operator quietly brings in another rule.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>

namespace Calc::Arith {

// Truncating integer division: -7 ÷ 2 = -3.
template <std::integral T> constexpr T Div(T a, T b) {
    return a / b;
}

// Remainder with the dividend's sign: -7 mod 2 = -1.
template <std::integral T> constexpr T Mod(T a, T b) {
    return a % b;
}

// Remainder in 0 .. b - 1 whatever the sign of a, for positions in a table.
template <std::integral T> constexpr T FloorMod(T a, T b) {
    return (a % b + b) % b;
}

static_assert(Div(-7, 2) == -3 && Mod(-7, 2) == -1 && FloorMod(-7, 2) == 1);

inline double Trunc(double x) {
    return std::trunc(x);
}
inline double Floor(double x) {
    return std::floor(x);
}

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4). The program never
// leaves the default rounding mode, under which nearbyint rounds this way.
inline int64_t ToNearest(double x) {
    return static_cast<int64_t>(std::nearbyint(x));
}

} // namespace Calc::Arith
