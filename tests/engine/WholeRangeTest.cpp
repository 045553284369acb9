// Every day the engine accepts, in both Moslem variants: each calendar's date
// against a day counter of its own, and back through ChangeCal to the same day.
#include "EngineTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>

using namespace Calc;
using namespace ChangeCals;
using namespace EngineTestSupport;

namespace {

constexpr int32_t FirstAcceptedJD = 1721319;
constexpr int32_t LastAcceptedJD = 2817404;

// Stops a whole-range loop from drowning the report in one fault's echoes.
class FailureBudget {
  public:
    bool Exhausted() const { return failures_ >= 20; }
    void Check(bool ok, int32_t jd, int16_t cal, const char *what) {
        if (ok) return;
        ++failures_;
        ADD_FAILURE() << what << " wrong in calendar " << cal << " at Julian Day " << jd;
    }

  private:
    int failures_ = 0;
};

// Days in a month of a year; 0 for a month the year does not have.
using MonthLengths = std::function<int32_t(int32_t month, int32_t year)>;

int32_t JulianMonthLength(int32_t month, int32_t year) {
    const int32_t lengths[] = {31, year % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month <= 12 ? lengths[month - 1] : 0;
}

int32_t GregorianMonthLength(int32_t month, int32_t year) {
    using namespace std::chrono;
    if (month > 12) return 0;
    return static_cast<int32_t>(unsigned(
        year_month_day_last{std::chrono::year{year} / std::chrono::month(month) / last}.day()));
}

// Heshvan, Kislev and Adar (I) by the length of the year; a leap year adds
// a 29-day Adar II before Nisan.
int32_t JewishMonthLength(int32_t month, int32_t year) {
    const int32_t length = JewishNewYear(year + 1) - JewishNewYear(year);
    const bool leap = length > 355;
    const int32_t shortened = leap ? length - 30 : length;
    const int32_t heshvan = shortened == 355 ? 30 : 29;
    const int32_t kislev = shortened == 353 ? 29 : 30;
    const int32_t common[] = {30, heshvan, kislev, 29, 30, 29, 30, 29, 30, 29, 30, 29};
    if (leap) {
        if (month == 6) return 30;
        if (month == 7) return 29;
        if (month > 7) return common[month - 2];
    }
    return month <= 12 ? common[month - 1] : 0;
}

MonthLengths MoslemMonthLengths(int16_t moslemType) {
    return [moslemType](int32_t month, int32_t year) -> int32_t {
        const int32_t cycleYear = (year - 1) % 30 + 1;
        const int32_t leapYears[] = {2,  5,  7,  10, 13, moslemType == 1 ? 15 : 16,
                                     18, 21, 24, 26, 29};
        const bool leap =
            std::find(std::begin(leapYears), std::end(leapYears), cycleYear) != std::end(leapYears);
        if (month > 12) return 0;
        if (month == 12) return leap ? 30 : 29;
        return month % 2 == 1 ? 30 : 29;
    };
}

// A calendar's date counted forward one day at a time from its first day.
class Odometer {
  public:
    Odometer(int16_t cal, int32_t firstJD, Date first, MonthLengths lengths)
        : cal_(cal), firstJD_(firstJD), date_(first), lengths_(std::move(lengths)) {}

    int16_t Cal() const { return cal_; }
    int32_t FirstJD() const { return firstJD_; }
    const Date &Today() const { return date_; }
    int32_t YearDay() const { return yearDay_; }
    int32_t Week() const { return week_; }
    int32_t Length(int32_t month) const { return lengths_(month, date_.year); }

    void Advance(int16_t weekDayOfNextDay) {
        ++date_.day;
        ++yearDay_;
        if (weekDayOfNextDay == FirstWeekDay[cal_]) ++week_;
        if (date_.day > Length(date_.month)) {
            date_.day = 1;
            ++date_.month;
            if (date_.month > 13 || Length(date_.month) == 0) {
                date_.month = 1;
                ++date_.year;
                yearDay_ = 1;
                week_ = 1;
            }
        }
    }

  private:
    int16_t cal_;
    int32_t firstJD_;
    Date date_;
    int32_t yearDay_ = 1;
    int32_t week_ = 1;
    MonthLengths lengths_;
};

// The year facts of the day before, to check against once its year is over.
struct YearEnd {
    int32_t lastDay = 0;
    int32_t yearDays = 0;
    int32_t yearWeeks = 0;
    int32_t yearDay = 0;
    int32_t week = 0;
};

void CheckDay(const Odometer &odometer, YearEnd &yearEnd, int32_t jd, FailureBudget &budget) {
    const int16_t cal = odometer.Cal();
    const Date &today = odometer.Today();
    budget.Check(DateIn(cal) == today, jd, cal, "date");
    budget.Check(CalDates[cal][YearDay] == odometer.YearDay(), jd, cal, "year day");
    budget.Check(CalDates[cal][Week] == odometer.Week(), jd, cal, "week");
    if (today.day == 1)
        budget.Check(MonthStartWeekDay(cal, today.month) == CurrentWeekDay, jd, cal,
                     "month's first week day");
    if (odometer.YearDay() == 1) {
        for (int month = 1; month <= 13; ++month)
            budget.Check(MonthDays(cal, month) == odometer.Length(month), jd, cal, "month length");
        budget.Check(YearBounds[cal][1] == jd, jd, cal, "first day of the year");
        if (jd > odometer.FirstJD()) {
            budget.Check(yearEnd.lastDay == jd - 1, jd, cal, "last day of the year");
            budget.Check(yearEnd.yearDays == yearEnd.yearDay, jd, cal, "days of the year");
            budget.Check(yearEnd.yearWeeks == yearEnd.week, jd, cal, "weeks of the year");
        }
    }
    yearEnd = {YearBounds[cal][2], YearDays(cal), YearWeeks(cal), odometer.YearDay(),
               odometer.Week()};
}

int16_t WeekDayFromSaturday1January2000(int32_t jd) {
    const int32_t daysAfter = ((jd - 2451545) % 7 + 7) % 7;
    return static_cast<int16_t>((5 + daysAfter) % 7 + 1);
}

class WholeRangeTest : public ::testing::TestWithParam<int16_t> {
  protected:
    void SetUp() override { StartEngine(GetParam()); }
};

TEST_P(WholeRangeTest, EveryCalendarCountsDayByDay) {
    using namespace std::chrono;
    const int32_t unixEpochJD = 2440588;
    const int32_t gregorianYear1 =
        sys_days{std::chrono::year{1} / January / 1}.time_since_epoch().count() + unixEpochJD;
    Odometer odometers[] = {
        {Julian, 1721424, {1, 1, 1}, JulianMonthLength},
        {Gregorian, gregorianYear1, {1, 1, 1}, GregorianMonthLength},
        {Jewish, FirstAcceptedJD, {1, 1, 3761}, JewishMonthLength},
        {Moslem, MinJD[Moslem], {1, 1, 1}, MoslemMonthLengths(GetParam())},
    };
    YearEnd yearEnds[5];
    int16_t weekDay = WeekDayFromSaturday1January2000(FirstAcceptedJD);
    float previousAge = 0;
    FailureBudget budget;
    for (int32_t jd = FirstAcceptedJD; jd <= LastAcceptedJD && !budget.Exhausted(); ++jd) {
        ChangeToJD(jd);
        budget.Check(CurrentWeekDay == weekDay, jd, 0, "week day");
        if (jd > FirstAcceptedJD) {
            const float step = MoonAge - previousAge;
            budget.Check(std::abs(step - 1.0f) < 1e-3f ||
                             std::abs(step - (1.0f - 29.530588f)) < 1e-3f,
                         jd, 0, "moon age step");
        }
        previousAge = MoonAge;
        for (Odometer &odometer : odometers) {
            if (jd < odometer.FirstJD() || jd > MaxJD[odometer.Cal()]) continue;
            CheckDay(odometer, yearEnds[odometer.Cal()], jd, budget);
        }
        weekDay = static_cast<int16_t>(weekDay % 7 + 1);
        for (Odometer &odometer : odometers) {
            if (jd >= odometer.FirstJD()) odometer.Advance(weekDay);
        }
    }
}

// Everything the engine keeps about the selected day.
struct EngineState {
    int32_t calDates[5][6];
    int32_t currentJD;
    decltype(MonthTable) monthTable;
    decltype(YearStartWeekDay) yearStartWeekDay;
    int16_t yearTable[5][3];
    int32_t yearBounds[5][3];
    bool jewishLeap;
    int16_t currentWeekDay;
    float moonAge;
    int16_t moonPhase;

    static EngineState Take() {
        EngineState state;
        std::memcpy(state.calDates, CalDates, sizeof CalDates);
        state.currentJD = CurrentJD;
        std::memcpy(state.monthTable, MonthTable, sizeof MonthTable);
        std::memcpy(state.yearStartWeekDay, YearStartWeekDay, sizeof YearStartWeekDay);
        std::memcpy(state.yearTable, YearTable, sizeof YearTable);
        std::memcpy(state.yearBounds, YearBounds, sizeof YearBounds);
        state.jewishLeap = JewishLeap;
        state.currentWeekDay = CurrentWeekDay;
        state.moonAge = MoonAge;
        state.moonPhase = MoonPhase;
        return state;
    }

    bool operator==(const EngineState &other) const {
        return std::memcmp(calDates, other.calDates, sizeof calDates) == 0 &&
               currentJD == other.currentJD &&
               std::memcmp(monthTable, other.monthTable, sizeof monthTable) == 0 &&
               std::memcmp(yearStartWeekDay, other.yearStartWeekDay, sizeof yearStartWeekDay) ==
                   0 &&
               std::memcmp(yearTable, other.yearTable, sizeof yearTable) == 0 &&
               std::memcmp(yearBounds, other.yearBounds, sizeof yearBounds) == 0 &&
               jewishLeap == other.jewishLeap && currentWeekDay == other.currentWeekDay &&
               moonAge == other.moonAge && moonPhase == other.moonPhase;
    }
};

TEST_P(WholeRangeTest, EveryDateConvertsBackToItsDay) {
    FailureBudget budget;
    for (int32_t jd = FirstAcceptedJD; jd <= LastAcceptedJD && !budget.Exhausted(); ++jd) {
        ChangeToJD(jd);
        const EngineState fromJD = EngineState::Take();
        for (int16_t cal = Julian; cal <= Moslem; ++cal) {
            if (jd < MinJD[cal] || jd > MaxJD[cal]) continue;
            int16_t from = cal;
            ChangeCal(from);
            budget.Check(EngineState::Take() == fromJD, jd, cal, "state after ChangeCal");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, WholeRangeTest, ::testing::Values(int16_t{1}, int16_t{2}),
                         [](const auto &info) {
                             return "MoslemType" + std::to_string(info.param);
                         });

} // namespace
