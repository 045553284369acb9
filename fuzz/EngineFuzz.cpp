// The engine's conversions: a date of any calendar (or a Julian Day) inside
// the admissible range converts into all four, and each calendar that holds
// the day converts back to the same Julian Day and date, with every field
// inside its calendar's bounds. With Reach odd the values go in as they come,
// anywhere in 32 bits: the engine holds them to its computable limits, and
// a day that lands inside the admissible range still converts both ways.
#include "FuzzCheck.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "tools/convert/Conversion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

struct Input {
    uint8_t Calendar;
    uint8_t Options;
    int32_t Year;
    int32_t Month;
    int32_t Day;
    uint8_t Reach; // after the fields the saved inputs of in-range days hold
};

int32_t Within(int32_t value, int32_t low, int32_t high) {
    const int64_t span = int64_t{high} - low + 1;
    return static_cast<int32_t>(low + ((int64_t{value} - low) % span + span) % span);
}

void (*const From[5])() = {nullptr, Calc::FromJulian, Calc::FromGregorian, Calc::FromJewish,
                           Calc::FromMoslem};

// The days before a calendar's first year have no date in it.
bool Holds(int16_t cal, int32_t jd) {
    return jd >= Calc::MinJD[cal] && jd <= Calc::MaxJD[cal];
}

// Each calendar that holds the day.
void CheckAllFourAgree() {
    const int32_t jd = Calc::CurrentJD;
    int32_t dates[5][4];
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        if (!Holds(cal, jd)) continue;
        const int32_t *date = Calc::CalDates[cal];
        FUZZ_CHECK(date[Calc::Month] >= 1 && date[Calc::Month] <= 13);
        FUZZ_CHECK(date[Calc::Day] >= 1 &&
                   date[Calc::Day] <= Calc::MonthDays(cal, date[Calc::Month]));
        FUZZ_CHECK(date[Calc::YearDay] >= 1 && date[Calc::YearDay] <= Calc::YearDays(cal));
        FUZZ_CHECK(date[Calc::Week] >= 1 && date[Calc::Week] <= Calc::YearWeeks(cal));
        std::memcpy(dates[cal], date + 1, sizeof dates[cal]);
    }
    FUZZ_CHECK(ChangeCals::CurrentWeekDay == jd % 7 + 1);
    for (int16_t cal = Calc::Julian; cal <= Calc::Moslem; ++cal) {
        if (!Holds(cal, jd)) continue;
        Calc::CurrentJD = 0;
        From[cal]();
        FUZZ_CHECK(Calc::CurrentJD == jd);
        FUZZ_CHECK(std::memcmp(dates[cal], Calc::CalDates[cal] + 1, 3 * sizeof(int32_t)) == 0);
        ChangeCals::ChangeJD();
    }
}

// Any 32-bit date or Julian Day, and the small functions on the same values.
void ConvertWhole(const Input &in, int16_t cal) {
    if (cal == 0) {
        Calc::CurrentJD = in.Day;
        ChangeCals::ChangeJD();
        FUZZ_CHECK(Calc::CurrentJD ==
                   std::clamp(in.Day, Calc::FirstComputableJD, Calc::LastComputableJD));
    } else {
        Calc::CalDates[cal][Calc::Year] = in.Year;
        Calc::CalDates[cal][Calc::Month] = in.Month;
        Calc::CalDates[cal][Calc::Day] = in.Day;
        ChangeCals::ChangeCal(cal);
        FUZZ_CHECK(Calc::CalDates[cal][Calc::Year] ==
                   std::clamp(in.Year, Calc::FirstComputableYear, Calc::LastComputableYear));
        FUZZ_CHECK(Calc::CurrentJD >= Calc::FirstComputableJD &&
                   Calc::CurrentJD <= Calc::LastComputableJD);
    }
    for (int16_t each = Calc::Julian; each <= Calc::Moslem; ++each)
        FUZZ_CHECK(Calc::CalDates[each][Calc::Month] >= 1 &&
                   Calc::CalDates[each][Calc::Month] <= 13);
    // A day before the month's start stays as given; the dates are compared
    // as the engine reads them from the day.
    if (Holds(Calc::Jewish, Calc::CurrentJD)) {
        ChangeCals::ChangeJD();
        CheckAllFourAgree();
    }

    Calc::JulianDayOf(in.Day, in.Month, in.Year);
    Calc::JewishNewYear(in.Year);
    Calc::YearDayOf(cal, in.Month, in.Day);
    int32_t month = in.Month;
    int32_t day = in.Day;
    Calc::SplitYearDay(cal, month, day);
    FUZZ_CHECK(month >= 1 && month <= 13);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Input in{};
    std::memcpy(&in, data, size < sizeof in ? size : sizeof in);
    Convert::Settings settings;
    settings.moslemType = static_cast<int16_t>(1 + (in.Options & 1));
    for (int cal = 0; cal < 4; ++cal)
        settings.firstWeekDay[cal] = static_cast<int16_t>(1 + ((in.Options >> (1 + cal)) % 7));
    Convert::StartEngine(settings);

    int16_t cal = static_cast<int16_t>(in.Calendar % 5);
    if (in.Reach & 1) {
        ConvertWhole(in, cal);
        return 0;
    }
    if (cal == 0) {
        Calc::CurrentJD = Within(in.Day, Calc::MinJD[Calc::Jewish], Calc::MaxJD[Calc::Jewish]);
        ChangeCals::ChangeJD();
    } else {
        Calc::CalDates[cal][Calc::Year] = Within(in.Year, Calc::MinYear[cal], Calc::MaxYear[cal]);
        Calc::CalDates[cal][Calc::Month] = Within(in.Month, 1, cal == Calc::Jewish ? 13 : 12);
        Calc::CalDates[cal][Calc::Day] = Within(in.Day, 1, 31);
        ChangeCals::ChangeCal(cal);
    }
    CheckAllFourAgree();
    return 0;
}
