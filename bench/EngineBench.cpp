// How long the engine takes to turn one day into all four calendars, from a
// Julian Day (in order and in random order) and from a date of each calendar,
// next to ICU converting the same days into the same four calendars. Every
// benchmark walks the whole accepted range once per iteration; ns_per_day is
// the time per day.
#include "IcuCalendar.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "tools/convert/Conversion.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

struct Date {
    int32_t year;
    int32_t month;
    int32_t day;
};

int32_t FirstJD() {
    return Calc::MinJD[Calc::Jewish];
}
int32_t LastJD() {
    return Calc::MaxJD[Calc::Jewish];
}

void CountDays(benchmark::State &state, int64_t days) {
    state.counters["ns_per_day"] = benchmark::Counter(
        static_cast<double>(days),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Everything the monthly window shows for a day: four dates with their year
// tables, weeks, week day and moon.
void BM_ChangeJD(benchmark::State &state) {
    Convert::StartEngine({});
    for (auto _ : state) {
        for (int32_t jd = FirstJD(); jd <= LastJD(); ++jd) {
            Calc::CurrentJD = jd;
            ChangeCals::ChangeJD();
            benchmark::DoNotOptimize(Calc::CalDates);
        }
    }
    CountDays(state, LastJD() - FirstJD() + 1);
}
BENCHMARK(BM_ChangeJD)->Unit(benchmark::kMillisecond);

// The same days in a shuffled order (fixed seed), as a user jumping about
// would ask for them: every day lands in another year of every calendar, so
// nothing one conversion works out helps the next.
void BM_ChangeJDRandomOrder(benchmark::State &state) {
    Convert::StartEngine({});
    std::vector<int32_t> days(static_cast<size_t>(LastJD() - FirstJD() + 1));
    std::iota(days.begin(), days.end(), FirstJD());
    std::shuffle(days.begin(), days.end(), std::mt19937(20240601));
    for (auto _ : state) {
        for (int32_t jd : days) {
            Calc::CurrentJD = jd;
            ChangeCals::ChangeJD();
            benchmark::DoNotOptimize(Calc::CalDates);
        }
    }
    CountDays(state, static_cast<int64_t>(days.size()));
}
BENCHMARK(BM_ChangeJDRandomOrder)->Unit(benchmark::kMillisecond);

// The same days entered as dates of one calendar (its own range only).
void BM_ChangeCal(benchmark::State &state) {
    Convert::StartEngine({});
    const auto cal = static_cast<int16_t>(state.range(0));
    std::vector<Date> dates;
    for (int32_t jd = Calc::MinJD[cal]; jd <= Calc::MaxJD[cal]; ++jd) {
        Calc::CurrentJD = jd;
        ChangeCals::ChangeJD();
        dates.push_back({Calc::CalDates[cal][Calc::Year], Calc::CalDates[cal][Calc::Month],
                         Calc::CalDates[cal][Calc::Day]});
    }
    for (auto _ : state) {
        for (const Date &date : dates) {
            Calc::CalDates[cal][Calc::Year] = date.year;
            Calc::CalDates[cal][Calc::Month] = date.month;
            Calc::CalDates[cal][Calc::Day] = date.day;
            int16_t from = cal;
            ChangeCals::ChangeCal(from);
            benchmark::DoNotOptimize(Calc::CalDates);
        }
    }
    CountDays(state, static_cast<int64_t>(dates.size()));
}
BENCHMARK(BM_ChangeCal)
    ->ArgName("cal")
    ->Arg(Calc::Julian)
    ->Arg(Calc::Gregorian)
    ->Arg(Calc::Jewish)
    ->Arg(Calc::Moslem)
    ->Unit(benchmark::kMillisecond);

Oracle::IcuCalendar IcuCalendarOf(int64_t cal) {
    switch (cal) {
    case Calc::Julian:
        return Oracle::IcuCalendar::PureJulian();
    case Calc::Gregorian:
        return Oracle::IcuCalendar::ProlepticGregorian();
    case Calc::Jewish:
        return Oracle::IcuCalendar::Hebrew();
    default:
        return Oracle::IcuCalendar::IslamicCivil();
    }
}

// ICU's share of the same work: set the time, read year, month and day, in
// each of the four calendars (cal:0), or in one of them alone, to see where
// ICU's time goes.
void BM_Icu(benchmark::State &state) {
    Convert::StartEngine({});
    std::vector<Oracle::IcuCalendar> calendars;
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        if (state.range(0) == 0 || state.range(0) == cal) calendars.push_back(IcuCalendarOf(cal));
    }
    Date date{};
    for (auto _ : state) {
        for (int32_t jd = FirstJD(); jd <= LastJD(); ++jd) {
            for (Oracle::IcuCalendar &calendar : calendars) {
                calendar.DateOf(jd, date.year, date.month, date.day);
                benchmark::DoNotOptimize(date);
            }
        }
    }
    CountDays(state, LastJD() - FirstJD() + 1);
}
BENCHMARK(BM_Icu)
    ->ArgName("cal")
    ->Arg(0)
    ->Arg(Calc::Julian)
    ->Arg(Calc::Gregorian)
    ->Arg(Calc::Jewish)
    ->Arg(Calc::Moslem)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
