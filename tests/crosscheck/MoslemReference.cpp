#include "MoslemReference.h"

#include <algorithm>

namespace Reference {

namespace {

constexpr int32_t DaysIn30Years = 30 * 354 + 11;

int32_t LeapYearsThrough(const MoslemVariant &variant, int32_t years) {
    return (11 * years + variant.leapShift) / 30;
}

// Months alternate 30 and 29 days: the first m months hold floor((59 m + 1) / 2).
int32_t DaysBeforeMonth(int32_t month) {
    return (59 * (month - 1) + 1) / 2;
}

} // namespace

int32_t MoslemNewYear(const MoslemVariant &variant, int32_t year) {
    return variant.epochJD + 354 * (year - 1) + LeapYearsThrough(variant, year - 1);
}

MoslemDate MoslemDateOf(const MoslemVariant &variant, int32_t jd) {
    const int32_t elapsed = jd - variant.epochJD; // >= 0
    // An estimate from the mean year, then the exact new-year days settle it.
    int32_t year = 30 * elapsed / DaysIn30Years + 1;
    while (MoslemNewYear(variant, year) > jd)
        --year;
    while (MoslemNewYear(variant, year + 1) <= jd)
        ++year;

    MoslemDate date{};
    date.year = year;
    date.yearDay = jd - MoslemNewYear(variant, year) + 1;
    date.yearDays = MoslemNewYear(variant, year + 1) - MoslemNewYear(variant, year);
    date.month = std::min(12, (2 * date.yearDay - 2) / 59 + 1);
    date.day = date.yearDay - DaysBeforeMonth(date.month);
    return date;
}

} // namespace Reference
