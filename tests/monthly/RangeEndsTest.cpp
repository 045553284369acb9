// Week-day and moon-age steps that would leave the program's range of days, at
// either end: a beep, and the day and the field as they were.
#include "MonthlyFixture.h"

#include "engine/Calc.h"

namespace {

struct EndCase {
    const char *name;
    bool first; // the first day of the range, else the last
    const char *field;
    const char *outward; // the item that steps out of the range
    const char *inward;  // an item that stays inside
};

class RangeEndTest : public MonthlyWindowTest, public testing::WithParamInterface<EndCase> {};

TEST_P(RangeEndTest, AStepOutOfTheRangeBeepsAndRestores) {
    const EndCase &c = GetParam();
    const int32_t end = c.first ? Calc::MinJD[Calc::Jewish] : Calc::MaxJD[Calc::Jewish];
    GoTo(end);
    platform::ComboBox &field = *Window().findChild<platform::ComboBox *>(c.field);
    const QString before = field.Text();

    Pick(field, c.outward);
    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_EQ(Calc::CurrentJD, end);
    EXPECT_EQ(field.Text(), before);

    Pick(field, c.inward);
    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_NE(Calc::CurrentJD, end);
}

// The first day is a Saturday with the moon 1.2 days old, the last a Wednesday. No
// moon age steps past the last day: the last mean new moon comes 28.85 days before it.
INSTANTIATE_TEST_SUITE_P(
    Ends, RangeEndTest,
    testing::Values(EndCase{"WeekDayBeforeTheFirstDay", true, "Combo6", "Monday", "Sunday"},
                    EndCase{"WeekDayAfterTheLastDay", false, "Combo6", "Sunday", "Monday"},
                    EndCase{"MoonAgeBeforeTheFirstDay", true, "Combo7", "0", "29"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
