// Week numbers counted day by day (a new week on every FirstWeekDay after the
// year's first day), and the moon's age from a double-precision remainder.
#include "EngineDays.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace Crosscheck {
namespace {

// A running week count per calendar; the year's week total is known only when
// the year is over, so the engine's totals wait until then.
struct WeekCount {
    int32_t week = 0;
    std::vector<int32_t> engineYearWeeks;
    int32_t yearStartJD = 0;
};

void CloseYear(int16_t cal, WeekCount &count, Mismatches &mismatches) {
    for (int32_t total : count.engineYearWeeks) {
        if (total != count.week) {
            mismatches.Add("calendar " + std::to_string(cal) + ", year from JD " +
                           std::to_string(count.yearStartJD) + ": engine says " +
                           std::to_string(total) + " weeks, counted " + std::to_string(count.week));
            break;
        }
    }
    count.engineYearWeeks.clear();
}

using FirstWeekDays = std::array<int16_t, 4>;

class WeekNumbers : public testing::TestWithParam<FirstWeekDays> {};

TEST_P(WeekNumbers, EveryDayAgreesWithRunningCount) {
    const Convert::Settings settings{.firstWeekDay = GetParam()};
    Crosscheck::StartEngine(settings);
    WeekCount counts[5];
    Mismatches mismatches;
    const int32_t first = Calc::MinJD[Calc::Jewish];
    const int32_t last = Calc::MaxJD[Calc::Jewish];
    for (int32_t jd = first; jd <= last; ++jd) {
        ConvertJD(jd);
        const int weekDay = jd % 7 + 1; // JD 0 was a Monday
        for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
            if (jd < Calc::MinJD[cal] || jd > Calc::MaxJD[cal]) continue;
            WeekCount &count = counts[cal];
            if (Calc::CalDates[cal][Calc::YearDay] == 1) {
                if (!count.engineYearWeeks.empty()) CloseYear(cal, count, mismatches);
                count.week = 1;
                count.yearStartJD = jd;
            } else if (weekDay == settings.firstWeekDay[cal - 1]) {
                ++count.week;
            }
            count.engineYearWeeks.push_back(Calc::YearWeeks(cal));
            if (Calc::CalDates[cal][Calc::Week] != count.week) {
                mismatches.Add("calendar " + std::to_string(cal) + ", JD " + std::to_string(jd) +
                               ": engine week " + std::to_string(Calc::CalDates[cal][Calc::Week]) +
                               ", counted " + std::to_string(count.week));
            }
        }
    }
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        CloseYear(cal, counts[cal], mismatches);
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

std::string SettingName(const testing::TestParamInfo<FirstWeekDays> &info) {
    const char letters[] = "JGHM";
    std::string name;
    for (size_t i = 0; i < info.param.size(); ++i) {
        name += letters[i] + std::to_string(info.param[i]);
    }
    return name;
}

// The program's defaults, then a rotation that gives every calendar every
// week day as the first.
INSTANTIATE_TEST_SUITE_P(FirstWeekDay, WeekNumbers,
                         testing::Values(FirstWeekDays{7, 7, 7, 6}, FirstWeekDays{1, 2, 3, 4},
                                         FirstWeekDays{2, 3, 4, 5}, FirstWeekDays{3, 4, 5, 6},
                                         FirstWeekDays{4, 5, 6, 7}, FirstWeekDays{5, 6, 7, 1},
                                         FirstWeekDays{6, 7, 1, 2}, FirstWeekDays{7, 1, 2, 3}),
                         SettingName);

TEST(MoonAge, EveryDayAgreesWithDoublePrecisionRemainder) {
    StartEngine({});
    // The synodic month as the program stores it: 29.530588 in single precision.
    const double synodicMonth = static_cast<double>(29.530588f);
    constexpr int32_t ReferenceNewMoon = 1720993;
    // Half a unit in the last place of a float just below 32, and a little room.
    constexpr double Tolerance = 2.5e-6;
    Mismatches mismatches;
    for (int32_t jd = Calc::MinJD[Calc::Jewish]; jd <= Calc::MaxJD[Calc::Jewish]; ++jd) {
        ConvertJD(jd);
        const double age = std::fmod(static_cast<double>(jd - ReferenceNewMoon), synodicMonth);
        const double apart = std::abs(ChangeCals::MoonAge - age);
        const double phase = std::nearbyint(age / synodicMonth * 8.0);
        if (std::min(apart, synodicMonth - apart) > Tolerance || ChangeCals::MoonAge < 0.0f ||
            ChangeCals::MoonAge >= static_cast<float>(synodicMonth) ||
            ChangeCals::MoonPhase != phase) {
            mismatches.Add("JD " + std::to_string(jd) + ": engine age " +
                           std::to_string(ChangeCals::MoonAge) + " phase " +
                           std::to_string(ChangeCals::MoonPhase) + ", reference " +
                           std::to_string(age) + " phase " + std::to_string(phase));
        }
    }
    EXPECT_EQ(mismatches.Count(), 0);
}

} // namespace
} // namespace Crosscheck
