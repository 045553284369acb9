// Every field of the window changes the day by its own rule, and every column follows.
#include "MonthlyFixture.h"

#include "FakeWindows.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "monthly/FieldTexts.h"
#include "platform/core/Settings.h"

#include <QAbstractItemView>
#include <QTest>

namespace {

struct FieldCase {
    const char *name;
    CalendarDay start; // Gregorian
    const char *field; // objectName of the field the user picks from
    const char *item;
    CalendarDay expected; // Gregorian
};

// Column 2 shows the Gregorian calendar and column 1 the Julian one (the default order).
const FieldCase FieldCases[] = {
    {"YearOfTheGregorianColumn", {14, 3, 2024}, "Combo2_2", "2025", {14, 3, 2025}},
    {"MonthOfTheGregorianColumn", {14, 3, 2024}, "Combo3_2", "5/12  May", {14, 5, 2024}},
    {"MonthOfTheJulianColumn", {14, 3, 2024}, "Combo3_1", "1/12  January", {14, 1, 2024}},
    {"DayInTheMonthIsClampedToItsLength",
     {31, 1, 2024},
     "Combo3_2",
     "2/12  February",
     {29, 2, 2024}},
    {"YearDay", {14, 3, 2024}, "Combo4_2", "100/366", {9, 4, 2024}},
    {"TwoWeeksLater", {14, 3, 2024}, "Combo5_2", "13/53", {28, 3, 2024}},
    // 1 January 2024 is a Monday: week 1 starts on Sunday 31 December 2023.
    {"WeekOneStopsAtTheFirstDayOfTheYear", {10, 3, 2024}, "Combo5_2", "1/53", {1, 1, 2024}},
    {"LastWeekStopsAtTheLastDayOfTheYear", {15, 3, 2024}, "Combo5_2", "53/53", {31, 12, 2024}},
    {"WeekDayWithinTheMondayWeek", {14, 3, 2024}, "Combo6", "Monday", {11, 3, 2024}},
    {"WeekDayForward", {14, 3, 2024}, "Combo6", "Sunday", {17, 3, 2024}},
};

class FieldChangeTest : public MonthlyWindowTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(FieldChangeTest, MovesTheDayAndEveryColumnFollows) {
    const FieldCase &c = GetParam();
    GoToGregorian(c.start.Day, c.start.Month, c.start.Year);
    auto *field = Window().findChild<platform::ComboBox *>(c.field);
    ASSERT_NE(field, nullptr);
    Pick(*field, c.item);
    ExpectWindowShows(Gregorian(c.expected.Day, c.expected.Month, c.expected.Year));
    EXPECT_EQ(alerts->Beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldChangeTest, testing::ValuesIn(FieldCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonthlyWindowTest, PickingMoonAgeZeroMovesBackByTheRoundedAge) {
    const QString age = Window().Combo7.Text();
    const int32_t start = Calc::CurrentJD;
    Pick(Window().Combo7, "0");
    ExpectWindowShows(start + Monthly::ToLong(-age.toDouble()));
    EXPECT_EQ(Window().Combo7.Text(), Monthly::MoonAgeText(ChangeCals::MoonAge));
}

TEST_F(MonthlyWindowTest, AChangeThatMovesAFullListRefreshesTheWindowsOnce) {
    QTest::mouseClick(&Window().Command2[ChangeCals::MoonPhase], Qt::LeftButton);
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    GoToGregorian(1, 1, 2025); // a Wednesday
    Pick(Window().Combo2[2], "2025");
    ASSERT_EQ(Window().Combo2[2].ListCount(), 3000);
    const int refreshes = Log.MoonResets;

    Pick(Window().Combo6, "Monday"); // back into 2024: the full year list moves along
    ExpectWindowShows(Gregorian(30, 12, 2024));
    EXPECT_EQ(Window().Combo2[2].ListCount(), 3000);
    EXPECT_EQ(Log.MoonResets, refreshes + 1);
}

TEST_F(MonthlyWindowTest, EnteringAFieldFillsItsListAroundTheCurrentValue) {
    MonthlyWindow &window = Window();
    const std::tuple<platform::ComboBox *, int, QString> fields[] = {
        {&window.Combo2[2], 3000, "2024"}, // Gregorian years 1..3000
        {&window.Combo3[3], 13, ""},       // Jewish 5784 is a leap year
        {&window.Combo4[2], 366, "74/366"},
        {&window.Combo5[2], 53, "11/53"},
        {&window.Combo7, 0, window.Combo7.Text()}, // 30 whole days, maybe the age besides
    };
    for (const auto &[field, count, text] : fields) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_EQ(field->ListCount(), 1);
        const QString shown = field->Text();
        QTest::mouseClick(field, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return field->view()->isVisible(); }));
        QTest::keyClick(field->view(), Qt::Key_Escape);
        if (count > 0) {
            EXPECT_EQ(field->ListCount(), count);
        } else {
            EXPECT_GE(field->ListCount(), 30);
        }
        EXPECT_EQ(field->Text(), shown);
        if (!text.isEmpty()) {
            EXPECT_EQ(shown, text);
        }
    }
    EXPECT_EQ(alerts->Beeps, 0);
    ExpectWindowShows(Gregorian(14, 3, 2024));
}

TEST_F(MonthlyWindowTest, AFullListOfAnotherYearsLengthIsDropped) {
    MonthlyWindow &window = Window();
    const int jewish = ColumnOf(Calc::Jewish);
    Pick(window.Combo3[jewish], window.Combo3[jewish].Text()); // fills the 13 months of 5784
    ASSERT_EQ(window.Combo3[jewish].ListCount(), 13);
    Pick(window.Combo4[2], "74/366"); // fills the 366 days of 2024
    ASSERT_EQ(window.Combo4[2].ListCount(), 366);

    Pick(window.Combo2[2], "2025"); // Jewish 5785 is a common year, 2025 has 365 days
    EXPECT_EQ(window.Combo3[jewish].ListCount(), 1);
    EXPECT_TRUE(window.Combo3[jewish].Text().contains("/12  "));
    EXPECT_EQ(window.Combo4[2].ListCount(), 1);
    EXPECT_EQ(window.Combo4[2].Text(), "73/365");
}

TEST_F(MonthlyWindowTest, ChoosingAnotherColumnsCalendarExchangesTheTwoColumns) {
    MonthlyWindow &window = Window();
    Pick(window.Combo1[1], QString::fromStdString(Texts::CalendarNames[Calc::Jewish]));

    EXPECT_EQ(std::vector(Start::ColumnCals + 1, Start::ColumnCals + 5),
              (std::vector<int16_t>{3, 2, 1, 4}));
    EXPECT_EQ(window.MSFlexGrid1[1].BackColor(), Start::BackColors[Calc::Jewish]);
    EXPECT_EQ(window.MSFlexGrid1[3].BackColor(), Start::BackColors[Calc::Julian]);
    EXPECT_EQ(window.Image1[Calc::Jewish].Left(), Start::ColumnLeft[1]);
    EXPECT_EQ(window.Image1[Calc::Julian].Left(), Start::ColumnLeft[3]);
    EXPECT_EQ(window.Combo1[3].Text(), QString::fromStdString(Texts::CalendarNames[Calc::Julian]));
    for (int pos = 1; pos <= 4; ++pos) {
        EXPECT_EQ(platform::ReadSetting("Startup", QString("Calendar%1").arg(pos), ""),
                  QString::number(Start::ColumnCals[pos]));
    }
    EXPECT_EQ(window.Combo2[1].Text(), "5784");
    EXPECT_EQ(window.Combo2[3].Text(), "2024");
    ExpectWindowShows(Gregorian(14, 3, 2024));
}

TEST_F(MonthlyWindowTest, AColumnThatCannotShowTheDayKeepsItsCalendar) {
    GoToGregorian(1, 1, 600); // before the Moslem epoch
    MonthlyWindow &window = Window();
    Pick(window.Combo1[1], QString::fromStdString(Texts::CalendarNames[Calc::Moslem]));

    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_EQ(window.Combo1[1].ListIndex(), Calc::Julian - 1);
    EXPECT_EQ(std::vector(Start::ColumnCals + 1, Start::ColumnCals + 5),
              (std::vector<int16_t>{1, 2, 3, 4}));
    EXPECT_EQ(platform::ReadSetting("Startup", "Calendar1", "unwritten"), "unwritten");
}

} // namespace
