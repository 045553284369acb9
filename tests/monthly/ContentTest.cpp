// What the monthly window's columns, grids and fields show, worked out without
// widgets, against dates and counts known from other sources.
#include "ProgramTest.h"
#include "monthly/ColumnContent.h"
#include "monthly/FieldTexts.h"
#include "monthly/ListItems.h"
#include "monthly/MonthGrid.h"

#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Monthly::ColumnContentOf;
using Monthly::ColumnState;
using Monthly::FieldContent;
using Monthly::MonthGridOf;

// The engine, the language and the colours as the program starts them, with no
// window to refresh.
using ContentTest = ProgramTest;

// One day in the four calendars (Julian, Gregorian, Jewish, Moslem): Julian and
// Gregorian by Meeus' algorithm, Jewish and Moslem (arithmetical, Friday epoch) as
// ICU 72 gives them; with the week day (Monday 0).
struct KnownDay {
    int32_t JulianDay;
    int WeekDayIndex;
    struct {
        int Day;
        const char *Year, *Month;
    } Dates[4];
};

// clang-format off
const KnownDay KnownDays[] = {
    {2451545, 5, {{19, "1999", "12/12  December"}, {1, "2000", "1/12  January"},
                  {23, "5760", "4/13  Tevet"}, {24, "1420", "9/12  Ramadan"}}},
    {2460384, 3, {{1, "2024", "3/12  March"}, {14, "2024", "3/12  March"},
                  {4, "5784", "7/13  Adar II"}, {4, "1445", "9/12  Ramadan"}}},
    {2299161, 4, {{5, "1582", "10/12  October"}, {15, "1582", "10/12  October"},
                  {19, "5343", "1/12  Tishri"}, {17, "990", "9/12  Ramadan"}}},
    {2816000, 5, {{15, "2997", "10/12  October"}, {4, "2997", "11/12  November"},
                  {13, "6758", "2/12  Heshvan"}, {12, "2449", "3/12  Rabi I"}}},
};
// clang-format on

// The date typed in each calendar in turn: every column shows the day in its own
// calendar, none left behind from the day before.
TEST_F(ContentTest, EveryColumnShowsTheDayEnteredInAnyCalendar) {
    Calc::MoslemType = 2; // ICU's islamic-civil
    Calc::SetMoslemType();
    for (int16_t entered = 1; entered <= 4; ++entered) {
        for (const KnownDay &known : KnownDays) {
            SCOPED_TRACE(testing::Message() << known.JulianDay << " entered in " << entered);
            GoTo(Calc::MaxJD[Calc::Jewish]); // far from every known day
            const auto &typed = known.Dates[entered - 1];
            Calc::CalDates[entered][Calc::Day] = typed.Day;
            Calc::CalDates[entered][Calc::Month] = std::atoi(typed.Month);
            Calc::CalDates[entered][Calc::Year] = std::atoi(typed.Year);
            int16_t cal = entered;
            ChangeCals::ChangeCal(cal);
            for (int16_t shown = 1; shown <= 4; ++shown) {
                SCOPED_TRACE(testing::Message() << "calendar " << shown);
                const auto &date = known.Dates[shown - 1];
                const Monthly::ColumnContent column = ColumnContentOf(shown);
                EXPECT_EQ(column.State, ColumnState::Enabled);
                EXPECT_EQ(column.Year.Text, date.Year);
                EXPECT_EQ(column.Month.Text, date.Month);
                const auto grid = MonthGridOf(shown);
                ASSERT_TRUE(grid);
                const auto [row, col] = Monthly::DayCellOf(shown, date.Day);
                EXPECT_EQ(grid->At(row, col).Text, std::to_string(date.Day));
                EXPECT_TRUE(grid->At(row, col).Style.Bold);
            }
            const Monthly::CommonContent common = Monthly::CommonContentOf();
            EXPECT_EQ(common.WeekDayIndex, known.WeekDayIndex);
            EXPECT_EQ(common.JulianDay, QString::number(known.JulianDay));
        }
    }
}

TEST_F(ContentTest, FullListsArePlacedAtTheValueAndSizedToTheYear) {
    GoTo(2460384); // 14 March 2024, 5784 a Jewish leap year
    const Monthly::ColumnContent gregorian = ColumnContentOf(Calc::Gregorian);
    EXPECT_EQ(gregorian.Year, (FieldContent{"2024", 2023, 3000}));
    EXPECT_EQ(gregorian.Month.ListIndex, 2);
    EXPECT_EQ(gregorian.YearDay, (FieldContent{"74/366", 73, 366}));
    EXPECT_EQ(gregorian.Week, (FieldContent{"11/53", 10, 53}));
    EXPECT_EQ(ColumnContentOf(Calc::Jewish).Month.ListCount, 13);
    GoTo(2460384 + 365);
    EXPECT_EQ(ColumnContentOf(Calc::Jewish).Month.ListCount, 12);
}

TEST_F(ContentTest, AColumnIsHiddenBeforeItsCalendarAndDisabledAfterIt) {
    GoTo(Calc::MinJD[Calc::Moslem] - 1);
    EXPECT_EQ(ColumnContentOf(Calc::Moslem).State, ColumnState::Hidden);
    EXPECT_FALSE(MonthGridOf(Calc::Moslem));
    EXPECT_EQ(ColumnContentOf(Calc::Julian).State, ColumnState::Enabled);
    GoTo(Calc::MinJD[Calc::Moslem]);
    EXPECT_EQ(ColumnContentOf(Calc::Moslem).State, ColumnState::Enabled);

    GoTo(Calc::MaxJD[Calc::Gregorian]);
    EXPECT_EQ(ColumnContentOf(Calc::Gregorian).State, ColumnState::Enabled);
    GoTo(Calc::MaxJD[Calc::Gregorian] + 1);
    const Monthly::ColumnContent past = ColumnContentOf(Calc::Gregorian);
    EXPECT_EQ(past.State, ColumnState::Disabled);
    EXPECT_EQ(past.Year, (FieldContent{"3001", 3000, 0}));
    EXPECT_TRUE(MonthGridOf(Calc::Gregorian));
    EXPECT_EQ(ColumnContentOf(Calc::Jewish).State, ColumnState::Enabled);
}

struct LayoutCase {
    const char *name;
    int32_t julianDay; // shown in the Gregorian column, always the 10th of its month
    int16_t firstWeekDay;
    const char *firstRow;      // abbreviation in row 0
    std::pair<int, int> first; // cell of day 1
    std::pair<int, int> last;  // cell of the month's last day
    int lastDay;
};

class MonthGridTest : public ContentTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(MonthGridTest, DaysRunDownTheWeekColumnsFromTheFirstWeekDay) {
    const LayoutCase &c = GetParam();
    Calc::FirstWeekDay[Calc::Gregorian] = c.firstWeekDay;
    GoTo(c.julianDay);
    const auto grid = MonthGridOf(Calc::Gregorian);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->At(0, 0).Text, c.firstRow);
    const auto at = [&](std::pair<int, int> cell) { return grid->At(cell.first, cell.second); };
    EXPECT_EQ(at(c.first).Text, "1");
    EXPECT_EQ(at(c.last).Text, std::to_string(c.lastDay));
    int blanks = 0;
    int highlighted = 0;
    for (int row = 0; row < 7; ++row) {
        for (int col = 1; col < 7; ++col) {
            blanks += grid->At(row, col).Text.empty();
            highlighted += grid->At(row, col).Style == Monthly::DayStyle(Calc::Gregorian, true);
        }
        EXPECT_EQ(grid->At(row, 0).Style, Monthly::DayStyle(Calc::Gregorian, false));
    }
    EXPECT_EQ(blanks, 42 - c.lastDay);
    EXPECT_EQ(highlighted, 1);
    EXPECT_TRUE(at(Monthly::DayCellOf(Calc::Gregorian, 10)).Style.Bold);
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthGridTest,
    testing::Values(
        // 1 September 2024 is a Sunday, the Gregorian calendar's first week day.
        LayoutCase{"StartsOnTheFirstWeekDay", 2460564, 7, "Su", {0, 1}, {1, 5}, 30},
        // 1 March 2025 is a Saturday: 31 days from the last row end in column 6.
        LayoutCase{"StartsInTheLastRow", 2460745, 7, "Su", {6, 1}, {1, 6}, 31},
        LayoutCase{"ShortFebruary", 2461082, 7, "Su", {0, 1}, {6, 4}, 28},
        // 1 March 2024 is a Friday, the fifth day from Monday.
        LayoutCase{"MondayFirst", 2460380, 1, "Mo", {4, 1}, {6, 5}, 31}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FieldTexts, MoonAgeShowsTenthsWithAPointAndNoTrailingZeroTenth) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<float, const char *> cases[] = {{0.0f, "0"},   {0.04f, "0"},     {0.05f, "0.1"},
                                                    {14.0f, "14"}, {12.34f, "12.3"}, {9.96f, "10"}};
    for (const auto &[age, text] : cases)
        EXPECT_EQ(Monthly::MoonAgeText(age), text) << age;
    QLocale::setDefault(before);
}

TEST_F(ContentTest, AJulianDayIsAdmittedOnlyInsideTheRangeAsTyped) {
    // 4297418841 is 2^32 + 2451545: a 32-bit conversion would make it a day in the range.
    const std::pair<const char *, std::optional<int32_t>> cases[] = {
        {"1721319", 1721319},
        {"2817404", 2817404},
        {"1721318", std::nullopt},
        {"2817405", std::nullopt},
        {"", std::nullopt},
        {"4297418841", std::nullopt},
        {"99999999999999999999", std::nullopt}};
    for (const auto &[text, day] : cases)
        EXPECT_EQ(Monthly::AdmissibleJulianDay(text), day) << text;
}

// 1 January of Julian year y, counted apart from the engine: year 1 began on Julian
// Day 1721424 and every fourth year is a leap year.
int32_t JulianNewYear(int32_t y) {
    return 1721424 + 365 * (y - 1) + (y - 1) / 4;
}

TEST_F(ContentTest, TheJulianDayListHoldsTheRangeTheNewYearsAndTheCurrentDayOnceInOrder) {
    const struct {
        int32_t day;
        bool listed, extra; // in the range; added to the fixed entries
    } cases[] = {{1721319, true, false},
                 {1721318, false, false},
                 {JulianNewYear(2000), true, false},
                 {JulianNewYear(5) - 1, true, true},
                 {JulianNewYear(2024) + 1, true, true},
                 {2817405, false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.day);
        std::vector<int32_t> days = Monthly::JulianDays(c.day);
        EXPECT_TRUE(std::is_sorted(days.begin(), days.end()));
        EXPECT_EQ(std::count(days.begin(), days.end(), c.day), c.listed ? 1 : 0);
        if (c.extra) days.erase(std::find(days.begin(), days.end(), c.day));
        std::vector<int32_t> expected{1721319};
        for (int32_t year = 1; year <= 3001; ++year)
            expected.push_back(JulianNewYear(year));
        expected.push_back(2817404);
        EXPECT_EQ(days, expected);
    }
}

TEST(ListItems, MoonAgesHoldTheWholeDaysAndTheAgeOnceInItsPlace) {
    const struct {
        float age;
        int count, place;
    } cases[] = {{0.0f, 30, 0}, {0.3f, 31, 1}, {12.3f, 31, 13}, {29.0f, 30, 29}, {29.5f, 31, 30}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.age);
        const QStringList ages = Monthly::MoonAges(c.age);
        ASSERT_EQ(ages.size(), c.count);
        EXPECT_FLOAT_EQ(ages[c.place].toFloat(), c.age);
        for (qsizetype i = 1; i < ages.size(); ++i)
            EXPECT_LT(ages[i - 1].toFloat(), ages[i].toFloat()) << "at " << i;
    }
}

} // namespace
