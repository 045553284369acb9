#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/CalcDetail.h"
#include "engine/ChangeCals.h"

namespace Calc {

namespace {

constexpr int32_t CycleYears = 30;
constexpr int32_t DaysIn30Years = 19 * 354 + 11 * 355;
static_assert(DaysIn30Years == 10631);

// The two variants: the Hegira on 15 or 16 July 622 (Julian), and the leap
// year 15 or 16 of the cycle. MaxJD is the last day of year 2452 in each.
struct MoslemVariant {
    int16_t year15;
    int16_t year16;
    int32_t epoch;
    int32_t lastDay;
};
constexpr MoslemVariant Hegira15July = {355, 354, 1948439, 2817345};
constexpr MoslemVariant Hegira16July = {354, 355, 1948440, 2817346};

// Days of the cycle before each of its years (element 30: the whole cycle).
int32_t CycleDaysBefore[CycleYears + 1];

// Dhu'l-Hijjah takes the leap day.
void SetLastMonth() {
    MonthDays(Moslem, 12) = YearDays(Moslem) == 355 ? 30 : 29;
}

} // namespace

void Detail::SumMoslemCycle() {
    for (int32_t year = 1; year <= CycleYears; ++year)
        CycleDaysBefore[year] = CycleDaysBefore[year - 1] + MoslemCycle[year];
}

void SetMoslemType() {
    const MoslemVariant &variant = MoslemType == 1 ? Hegira15July : Hegira16July;
    MoslemCycle[15] = variant.year15;
    MoslemCycle[16] = variant.year16;
    MinJD[Moslem] = variant.epoch;
    MaxJD[Moslem] = variant.lastDay;
    Detail::SumMoslemCycle();
}

void FromMoslem() {
    int32_t *date = CalDates[Moslem];
    Detail::ClampYear(Moslem);
    const int32_t elapsedYears = date[Year] - 1;
    int32_t jd = MinJD[Moslem] + Arith::Div(elapsedYears, CycleYears) * DaysIn30Years - 1;
    // Years before year 1 still take a position inside the cycle table.
    const int32_t cycleYear = Arith::FloorMod(elapsedYears, CycleYears) + 1; // [1, 30]
    YearDays(Moslem) = MoslemCycle[cycleYear];
    SetLastMonth();
    Detail::ClampDate(Moslem, 12);
    date[YearDay] = YearDayOf(Moslem, date[Month], date[Day]);
    for (int32_t i = 1; i < cycleYear; ++i)
        jd += MoslemCycle[i];
    CurrentJD = jd + date[YearDay];
    Detail::SetYearBoundsFromDay(Moslem);
    ChangeCals::SetMonthWeekDays(Moslem);
}

void ToMoslem() {
    int32_t *date = CalDates[Moslem];
    Detail::ClampCurrentJD();
    int32_t d = CurrentJD - MinJD[Moslem] + 1; // 1 on the epoch
    int32_t year = Arith::Div(d - 1, DaysIn30Years) * CycleYears;
    d = Arith::Mod(d - 1, DaysIn30Years) + 1;
    // Every year of the cycle has 354 or 355 days, so the years before day d
    // are (d - 1) ÷ 355 or one more.
    int32_t cycleYear = 1;
    if (d >= 1) {
        int32_t yearsBefore = Arith::Div(d - 1, int32_t{355}); // [0, 29]
        if (yearsBefore < CycleYears - 1 && d > CycleDaysBefore[yearsBefore + 1]) ++yearsBefore;
        d -= CycleDaysBefore[yearsBefore];
        cycleYear = yearsBefore + 1;
        year += cycleYear;
    } else {
        // Only before the epoch.
        d = MoslemCycle[cycleYear];
    }
    date[Year] = year;
    date[YearDay] = d;
    date[Day] = d;
    YearDays(Moslem) = MoslemCycle[cycleYear];
    SetLastMonth();
    SplitYearDay(Moslem, date[Month], date[Day]);
    Detail::SetYearBoundsFromDay(Moslem);
    ChangeCals::SetMonthWeekDays(Moslem);
}

} // namespace Calc
