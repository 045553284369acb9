// The engine as start-up leaves it, for tests: constant tables filled,
// English texts, a Moslem variant, weeks from Sunday (Saturday for Moslem).
#pragma once

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace EngineTestSupport {

struct Date {
    int32_t day;
    int32_t month;
    int32_t year;

    bool operator==(const Date &) const = default;
};

inline std::ostream &operator<<(std::ostream &out, const Date &date) {
    return out << date.day << '.' << date.month << '.' << date.year;
}

inline void StartEngine(int16_t moslemType = 1) {
    ChangeCals::Reset();
    Calc::StartEngine({.moslemType = moslemType});
}

// What a window does for a new date of its calendar.
inline void ChangeTo(int16_t cal, Date date) {
    Calc::CalDates[cal][Calc::Day] = date.day;
    Calc::CalDates[cal][Calc::Month] = date.month;
    Calc::CalDates[cal][Calc::Year] = date.year;
    ChangeCals::ChangeCal(cal);
}

inline void ChangeToJD(int32_t jd) {
    Calc::CurrentJD = jd;
    ChangeCals::ChangeJD();
}

inline Date DateIn(int16_t cal) {
    const int32_t *date = Calc::CalDates[cal];
    return {date[Calc::Day], date[Calc::Month], date[Calc::Year]};
}

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override { StartEngine(); }
    // A test's windows do not outlive it.
    void TearDown() override { ChangeCals::SetWindows(nullptr); }
};

} // namespace EngineTestSupport
