#include "platform/core/Clock.h"

#include <gtest/gtest.h>

namespace {

class FakeClock : public testing::Test {
  protected:
    void TearDown() override { platform::SetClock({}); }

    static void Set(QDate date, QTime time) {
        platform::SetClock([=] { return QDateTime(date, time); });
    }
};

struct NowCase {
    const char *name;
    QDate date;
    QTime time;
    double days;
};

void PrintTo(const NowCase &c, std::ostream *os) {
    *os << c.name;
}

class DayCount : public FakeClock, public testing::WithParamInterface<NowCase> {};

// Reference values: the serial dates of office spreadsheets and OLE dates.
TEST_P(DayCount, NowCountsDaysSince30December1899) {
    Set(GetParam().date, GetParam().time);
    EXPECT_DOUBLE_EQ(platform::Now(), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DayCount,
    testing::Values(NowCase{"Origin", QDate(1899, 12, 30), QTime(0, 0), 0.0},
                    NowCase{"NextNoon", QDate(1899, 12, 31), QTime(12, 0), 1.5},
                    NowCase{"Y2K", QDate(2000, 1, 1), QTime(6, 0), 36526.25},
                    NowCase{"LeapDay", QDate(2024, 2, 29), QTime(18, 0), 45351.75},
                    NowCase{"LastSecond", QDate(2024, 2, 29), QTime(23, 59, 59),
                            45351 + 86399.0 / 86400}),
    [](const testing::TestParamInfo<NowCase> &info) { return info.param.name; });

TEST_F(FakeClock, TodayIsTheLocalDate) {
    Set(QDate(2023, 9, 16), QTime(23, 59, 59, 999));
    const platform::CalendarDate today = platform::Today();
    EXPECT_EQ(today.Day, 16);
    EXPECT_EQ(today.Month, 9);
    EXPECT_EQ(today.Year, 2023);
}

} // namespace
