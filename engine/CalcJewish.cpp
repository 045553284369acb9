#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/CalcDetail.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace Calc {

namespace {

// The Jewish year that begins in the autumn of Julian year Y is Y + 3761.
constexpr int32_t JewishEraOffset = 3761;

// 15 Nisan is 163 days before the next 1 Tishri: the 15 days of Nisan after
// it, Iyar 29, Sivan 30, Tammuz 29, Av 30, Elul 29, and the step into Tishri.
constexpr int32_t PassoverToNewYear = 15 + 29 + 30 + 29 + 30 + 29 + 1;
static_assert(PassoverToNewYear == 163);

constexpr int32_t FirstLeapYearLength = 383;

std::string *JewishNames() {
    return Texts::MonthNames[Jewish];
}

// The lengths and the names are moved separately: the lengths follow
// JewishLeap, the names Texts::JewishNamesLeap, so a reload of the names (a
// change of language) relays out only the names. An empty name is a name
// like any other.
void LayOutCommonYear() {
    if (JewishLeap) {
        for (int month = 7; month <= 12; ++month)
            MonthDays(Jewish, month) = MonthDays(Jewish, month + 1);
        MonthDays(Jewish, 13) = 0;
        JewishLeap = false;
    }
    if (Texts::JewishNamesLeap) {
        std::string *names = JewishNames();
        std::move(names + 8, names + 14, names + 7);
        names[6] = Texts::AdarName;
        names[13].clear();
        Texts::JewishNamesLeap = false;
    }
}

void LayOutLeapYear() {
    if (!JewishLeap) {
        for (int month = 13; month >= 8; --month)
            MonthDays(Jewish, month) = MonthDays(Jewish, month - 1);
        JewishLeap = true;
    }
    if (!Texts::JewishNamesLeap) {
        std::string *names = JewishNames();
        std::move_backward(names + 7, names + 13, names + 14);
        names[6] = Texts::AdarName + " I";
        names[7] = Texts::AdarName + " II";
        Texts::JewishNamesLeap = true;
    }
}

struct YearKind {
    int16_t heshvan; // 0: no year has this length
    int16_t kislev;
    int16_t adar;      // Adar, or Adar I
    int16_t afterAdar; // Nisan, or Adar II
};

// By year length from 353 days: deficient, regular and complete years,
// common and leap.
constexpr int32_t ShortestYear = 353;
constexpr auto YearKinds = [] {
    std::array<YearKind, 385 - ShortestYear + 1> kinds{};
    kinds[353 - ShortestYear] = {29, 29, 29, 30};
    kinds[354 - ShortestYear] = {29, 30, 29, 30};
    kinds[355 - ShortestYear] = {30, 30, 29, 30};
    kinds[383 - ShortestYear] = {29, 29, 30, 29};
    kinds[384 - ShortestYear] = {29, 30, 30, 29};
    kinds[385 - ShortestYear] = {30, 30, 30, 29};
    return kinds;
}();

void SetJewishYearBounds(int32_t newYear, int32_t nextNewYear) {
    YearBounds[Jewish][1] = newYear;
    YearBounds[Jewish][2] = nextNewYear - 1;
    YearDays(Jewish) = static_cast<int16_t>(nextNewYear - newYear);
}

// Gauss's rule takes a dozen floating-point steps and every conversion asks
// for two or three new years, so each year the engine reaches is computed
// once. 0 marks a year not computed yet.
constexpr int32_t FirstCachedYear = 3700;
constexpr int32_t LastCachedYear = 6800;
int32_t CachedNewYears[LastCachedYear - FirstCachedYear + 1];

int32_t ComputeJewishNewYear(int32_t year) {
    // Gauss's rule for Passover of year A (15 Nisan as a day counted from
    // 1 March of the Julian calendar), then 163 days on to 1 Tishri.
    // In 64 bits, so that every 32-bit year has a new year.
    const int64_t A = int64_t{year} - 1;
    const int32_t a = static_cast<int32_t>(Arith::Mod(A * 12 + 17, int64_t{19}));
    const int32_t b = static_cast<int32_t>(Arith::Mod(A, int64_t{4}));
    double M = 4343.0 / 98496 + 32 + a + (272953.0 / 492480) * a + b / 4.0;
    M = M - static_cast<double>(A) * (313.0 / 98496);
    const double m = Arith::Floor(M);
    const double f = M - m;
    const int64_t c =
        Arith::Mod(Arith::ToNearest(m + 3.0 * static_cast<double>(A) + 5 * b + 5), int64_t{7});

    // The postponements: Passover never on Monday, Wednesday or Friday, and
    // the two molad limits of the year's start.
    if (c == 2 || c == 4 || c == 6) M = M + 1;
    if (c == 1 && a > 6 && f >= 1367.0 / 2160) M = M + 2;
    if (c == 0 && a > 11 && f >= 23269.0 / 25920) M = M + 1;

    // d counts from 1 March; these are the days from 1 March to the first of
    // August, July, June, May and April. |M| stays below 7 million.
    int32_t d = static_cast<int32_t>(Arith::Floor(M));
    int32_t month = 3;
    const struct {
        int32_t daysBefore;
        int32_t month;
    } monthStarts[] = {{153, 8}, {122, 7}, {92, 6}, {61, 5}, {31, 4}};
    for (const auto &start : monthStarts) {
        if (d > start.daysBefore) {
            month = start.month;
            d -= start.daysBefore;
        }
    }
    return Arith::Saturate<int32_t>(Detail::JulianDayCount(d, month, A - (JewishEraOffset - 1)) +
                                    PassoverToNewYear);
}

} // namespace

int32_t JewishNewYear(int32_t year) {
    if (year < FirstCachedYear || year > LastCachedYear) return ComputeJewishNewYear(year);
    int32_t &newYear = CachedNewYears[year - FirstCachedYear];
    if (newYear == 0) newYear = ComputeJewishNewYear(year);
    return newYear;
}

void Detail::ForgetJewishNewYears() {
    std::fill(std::begin(CachedNewYears), std::end(CachedNewYears), 0);
}

void SetJewishYear() {
    const int32_t yearDays = YearDays(Jewish);
    if (yearDays < FirstLeapYearLength)
        LayOutCommonYear();
    else
        LayOutLeapYear();

    // Another length (never one of the accepted years) keeps the lengths.
    const uint32_t kindIndex = static_cast<uint32_t>(yearDays - ShortestYear);
    if (kindIndex >= YearKinds.size() || YearKinds[kindIndex].heshvan == 0) return;
    const YearKind &kind = YearKinds[kindIndex];
    MonthDays(Jewish, 2) = kind.heshvan;
    MonthDays(Jewish, 3) = kind.kislev;
    MonthDays(Jewish, 6) = kind.adar;
    MonthDays(Jewish, 7) = kind.afterAdar;
}

void FromJewish() {
    int32_t *date = CalDates[Jewish];
    Detail::ClampYear(Jewish);
    SetJewishYearBounds(JewishNewYear(date[Year]), JewishNewYear(date[Year] + 1));
    SetJewishYear();
    Detail::ClampDate(Jewish, JewishLeap ? 13 : 12);
    date[YearDay] = YearDayOf(Jewish, date[Month], date[Day]);
    CurrentJD = YearBounds[Jewish][1] + date[YearDay] - 1;
    ChangeCals::SetMonthWeekDays(Jewish);
}

void ToJewish() {
    int32_t *date = CalDates[Jewish];
    // The day lies in the Jewish year that begins in the autumn of its Julian
    // year, or, before that new year, in the one before.
    int32_t year = CalDates[Julian][Year] + JewishEraOffset;
    const int32_t autumnNewYear = JewishNewYear(year);
    const bool beforeAutumn = autumnNewYear > CurrentJD;
    year -= beforeAutumn;
    const int32_t newYear = beforeAutumn ? JewishNewYear(year) : autumnNewYear;
    const int32_t nextNewYear = beforeAutumn ? autumnNewYear : JewishNewYear(year + 1);
    SetJewishYearBounds(newYear, nextNewYear);
    date[Year] = year;
    SetJewishYear();
    date[YearDay] = CurrentJD - YearBounds[Jewish][1] + 1;
    date[Day] = date[YearDay];
    SplitYearDay(Jewish, date[Month], date[Day]);
    ChangeCals::SetMonthWeekDays(Jewish);
}

} // namespace Calc
