// The arithmetical Moslem calendar in closed form: leap years counted with
// floor((11 y + c) / 30) instead of walking a table of the cycle as the
// engine does.
#pragma once

#include <cstdint>

namespace Reference {

// Variant 1: Hegira on 15 July 622 (Julian), leap years 2, 5, 7, 10, 13, 15,
// 18, 21, 24, 26, 29. Variant 2: 16 July 622, 16 instead of 15.
struct MoslemVariant {
    int32_t epochJD;
    int32_t leapShift; // c in: leap years among 1..n = floor((11 n + c) / 30)
};

constexpr MoslemVariant MoslemType1{1948439, 15};
constexpr MoslemVariant MoslemType2{1948440, 14};

struct MoslemDate {
    int32_t year;
    int32_t month;
    int32_t day;
    int32_t yearDay;
    int32_t yearDays;
};

// Julian Day of 1 Muharram of a year (year >= 1).
int32_t MoslemNewYear(const MoslemVariant &variant, int32_t year);

// The date of a Julian Day on or after the epoch.
MoslemDate MoslemDateOf(const MoslemVariant &variant, int32_t jd);

} // namespace Reference
