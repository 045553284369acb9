// What the monthly window's columns, grids and fields show, worked out without
// widgets, against dates and counts known from other sources.
#include "ProgramTest.h"
#include "engine/Texts.h"
#include "monthly/ColumnContent.h"
#include "monthly/FieldTexts.h"
#include "monthly/ListItems.h"
#include "monthly/MonthGrid.h"

#include <algorithm>

namespace {

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
            ChangeCals::ChangeCal(entered);
            for (int16_t shown = 1; shown <= 4; ++shown) {
                SCOPED_TRACE(testing::Message() << "calendar " << shown);
                const auto &date = known.Dates[shown - 1];
                const Monthly::ColumnContent column = Monthly::ColumnContentOf(shown);
                EXPECT_EQ(column.State, Monthly::ColumnState::Enabled);
                EXPECT_EQ(column.Year.Text, date.Year);
                EXPECT_EQ(column.Month.Text, date.Month);
                EXPECT_EQ(Calc::CalDates[shown][Calc::Day], date.Day);
            }
            const Monthly::CommonContent common = Monthly::CommonContentOf();
            EXPECT_EQ(common.WeekDayIndex, known.WeekDayIndex);
            EXPECT_EQ(common.JulianDay, QString::number(known.JulianDay));
        }
    }
}

TEST_F(ContentTest, FullListsArePlacedAtTheValueAndSizedToTheYear) {
    GoTo(2460384); // 14 March 2024, 5784 a Jewish leap year
    const Monthly::ColumnContent gregorian = Monthly::ColumnContentOf(Calc::Gregorian);
    EXPECT_EQ(gregorian.Year, (Monthly::FieldContent{"2024", 2023, 3000}));
    EXPECT_EQ(gregorian.Month.ListIndex, 2);
    EXPECT_EQ(gregorian.YearDay, (Monthly::FieldContent{"74/366", 73, 366}));
    EXPECT_EQ(gregorian.Week, (Monthly::FieldContent{"11/53", 10, 53}));
    EXPECT_EQ(Monthly::ColumnContentOf(Calc::Jewish).Month.ListCount, 13);
    GoTo(2460384 + 365);
    EXPECT_EQ(Monthly::ColumnContentOf(Calc::Jewish).Month.ListCount, 12);
}

TEST_F(ContentTest, AColumnIsHiddenBeforeItsCalendarAndDisabledAfterIt) {
    GoTo(Calc::MinJD[Calc::Moslem] - 1);
    EXPECT_EQ(Monthly::ColumnContentOf(Calc::Moslem).State, Monthly::ColumnState::Hidden);
    EXPECT_FALSE(Monthly::MonthGridOf(Calc::Moslem));
    EXPECT_EQ(Monthly::ColumnContentOf(Calc::Julian).State, Monthly::ColumnState::Enabled);
    GoTo(Calc::MinJD[Calc::Moslem]);
    EXPECT_EQ(Monthly::ColumnContentOf(Calc::Moslem).State, Monthly::ColumnState::Enabled);

    GoTo(Calc::MaxJD[Calc::Gregorian]);
    EXPECT_EQ(Monthly::ColumnContentOf(Calc::Gregorian).State, Monthly::ColumnState::Enabled);
    GoTo(Calc::MaxJD[Calc::Gregorian] + 1);
    const Monthly::ColumnContent past = Monthly::ColumnContentOf(Calc::Gregorian);
    EXPECT_EQ(past.State, Monthly::ColumnState::Disabled);
    EXPECT_EQ(past.Year, (Monthly::FieldContent{"3001", 3000, 0}));
    EXPECT_TRUE(Monthly::MonthGridOf(Calc::Gregorian));
    EXPECT_EQ(Monthly::ColumnContentOf(Calc::Jewish).State, Monthly::ColumnState::Enabled);
}

// Days run down the week columns: each day in the row of its week day as Qt gives it,
// the next day below it or at the top of the next column, day 1 in the first column;
// only the selected day (the 10th) highlighted and bold, the week-day column plain.
TEST_F(ContentTest, DaysRunDownTheWeekColumnsFromTheFirstWeekDay) {
    // Months starting on the first week day, in the last row, a short February, and
    // weeks from Monday.
    const std::pair<QDate, int16_t> months[] = {
        {{2024, 9, 10}, 7}, {{2025, 3, 10}, 7}, {{2026, 2, 10}, 7}, {{2024, 3, 10}, 1}};
    for (const auto &[date, firstWeekDay] : months) {
        SCOPED_TRACE(date.toString(Qt::ISODate).toStdString());
        Calc::FirstWeekDay[Calc::Gregorian] = firstWeekDay;
        GoTo(date);
        const auto grid = Monthly::MonthGridOf(Calc::Gregorian);
        ASSERT_TRUE(grid);
        int next = 1, highlighted = 0;
        for (int place = 0; place < 42; ++place) {
            const int row = place % 7, col = place / 7 + 1;
            const platform::GridCell &cell = grid->At(row, col);
            highlighted += cell.Style == Monthly::DayStyle(Calc::Gregorian, true);
            if (cell.Text.empty()) continue;
            const int day = next++;
            EXPECT_EQ(cell.Text, std::to_string(day)) << row << "," << col;
            const int weekDay = QDate(date.year(), date.month(), day).dayOfWeek();
            EXPECT_EQ(grid->At(row, 0).Text, Texts::WeekDayAbbrs[weekDay]) << day;
            EXPECT_EQ(cell.Style.Bold, day == 10) << day;
            EXPECT_TRUE(day > 1 || col == 1);
        }
        EXPECT_EQ(next - 1, date.daysInMonth());
        EXPECT_EQ(highlighted, 1);
        for (int row = 0; row < 7; ++row)
            EXPECT_EQ(grid->At(row, 0).Style, Monthly::DayStyle(Calc::Gregorian, false));
    }
}

// In tenths as the moon window shows it, without a trailing zero tenth.
TEST(FieldTexts, MoonAgeDropsAZeroTenth) {
    EXPECT_EQ(Monthly::MoonAgeText(9.96f), "10");
    EXPECT_EQ(Monthly::MoonAgeText(12.34f), "12.3");
}

TEST_F(ContentTest, AJulianDayIsAdmittedOnlyInsideTheRangeAsTyped) {
    // 4297418841 is 2^32 + 2451545: a 32-bit conversion would make it a day in the range.
    const std::pair<const char *, std::optional<int32_t>> cases[] = {
        {"1721319", 1721319},      {"2817404", 2817404}, {"1721318", std::nullopt},
        {"2817405", std::nullopt}, {"", std::nullopt},   {"4297418841", std::nullopt}};
    for (const auto &[text, day] : cases)
        EXPECT_EQ(Monthly::AdmissibleJulianDay(text), day) << text;
}

// 1 January of Julian year y, counted apart from the engine: year 1 began on Julian
// Day 1721424 and every fourth year is a leap year.
int32_t JulianNewYear(int32_t y) {
    return 1721424 + 365 * (y - 1) + (y - 1) / 4;
}

// The range's ends and every Julian new year, and the current day once in its place.
TEST_F(ContentTest, TheJulianDayListHoldsTheRangeTheNewYearsAndTheCurrentDayOnceInOrder) {
    std::vector<int32_t> fixed{1721319};
    for (int32_t year = 1; year <= 3001; ++year)
        fixed.push_back(JulianNewYear(year));
    fixed.push_back(2817404);
    for (const int32_t day : {1721319, 1721318, JulianNewYear(2000), JulianNewYear(5) - 1,
                              JulianNewYear(2024) + 1, 2817405}) {
        std::vector<int32_t> expected = fixed;
        const auto place = std::lower_bound(expected.begin(), expected.end(), day);
        if (day >= 1721319 && day <= 2817404 && *place != day) expected.insert(place, day);
        EXPECT_EQ(Monthly::JulianDays(day), expected) << day;
    }
}

TEST(ListItems, MoonAgesHoldTheWholeDaysAndTheAgeOnceInItsPlace) {
    const std::tuple<float, int, int> cases[] = {
        {0.0f, 30, 0}, {0.3f, 31, 1}, {12.3f, 31, 13}, {29.0f, 30, 29}, {29.5f, 31, 30}};
    for (const auto &[age, count, place] : cases) {
        const QStringList ages = Monthly::MoonAges(age);
        ASSERT_EQ(ages.size(), count) << age;
        EXPECT_FLOAT_EQ(ages[place].toFloat(), age);
        for (qsizetype i = 1; i < ages.size(); ++i)
            EXPECT_LT(ages[i - 1].toFloat(), ages[i].toFloat()) << age << " at " << i;
    }
}

} // namespace
