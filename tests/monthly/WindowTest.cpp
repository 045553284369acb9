// The window's fields, grids and buttons reach the engine, what it shows follows, and
// the month grids paint and read as they should.
#include "GridReference.h"
#include "MonthlyFixture.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "platform/core/Settings.h"

#include <QAccessible>
#include <QDate>
#include <QTest>

namespace {

int32_t Gregorian(int day, int month, int year) {
    return static_cast<int32_t>(QDate(year, month, day).toJulianDay());
}

struct FieldCase {
    const char *name;
    int32_t start;
    const char *field; // objectName of the field the user picks from
    const char *item;
    int32_t expected;
};

// Column 1 shows the Julian calendar, column 2 the Gregorian one.
const FieldCase FieldCases[] = {
    {"Year", Gregorian(14, 3, 2024), "Combo2_2", "2025", Gregorian(14, 3, 2025)},
    {"MonthOfTheJulianColumn", Gregorian(14, 3, 2024), "Combo3_1", "1/12  January",
     Gregorian(14, 1, 2024)},
    {"YearDay", Gregorian(14, 3, 2024), "Combo4_2", "100/366", Gregorian(9, 4, 2024)},
    // 1 January 2024 is a Monday: week 1 starts on Sunday 31 December 2023.
    {"WeekOneStopsAtTheYearsFirstDay", Gregorian(10, 3, 2024), "Combo5_2", "1/53",
     Gregorian(1, 1, 2024)},
    {"WeekDay", Gregorian(14, 3, 2024), "Combo6", "Monday", Gregorian(11, 3, 2024)},
};

class FieldChangeTest : public MonthlyWindowTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(FieldChangeTest, MovesTheDay) {
    const FieldCase &c = GetParam();
    GoTo(c.start);
    auto *field = Window().findChild<platform::ComboBox *>(c.field);
    ASSERT_NE(field, nullptr);
    Pick(*field, c.item);
    ExpectShows(c.expected);
    EXPECT_EQ(alerts->Beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldChangeTest, testing::ValuesIn(FieldCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct StepCase {
    const char *name;
    const char *field;
    int days;                                   // what one step down the list moves
    int32_t elsewhere = Gregorian(19, 3, 2024); // a Tuesday, so the week day steps on
};

class StepAfterElsewhereTest : public MonthlyWindowTest,
                               public testing::WithParamInterface<StepCase> {};

// The user is in a field, changes the day in another window, comes back (no focus
// event reaches the field) and steps once.
TEST_P(StepAfterElsewhereTest, MovesByOneUnit) {
    auto *field = Window().findChild<platform::ComboBox *>(GetParam().field);
    ASSERT_NE(field, nullptr);
    Pick(*field, field->Text());
    const int32_t elsewhere = GetParam().elsewhere;
    GoTo(elsewhere);
    QTest::keyClick(field, Qt::Key_Down);
    ExpectShows(elsewhere + GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepAfterElsewhereTest,
    testing::Values(StepCase{"YearDay", "Combo4_2", 1}, StepCase{"Week", "Combo5_2", 7},
                    StepCase{"WeekDay", "Combo6", 1}, StepCase{"MoonAge", "Combo7", 1},
                    StepCase{"YearDayInAShorterYear", "Combo4_2", 1, Gregorian(19, 3, 2023)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MonthlyWindowTest, AStepBeforeTheFirstDayBeepsAndRestores) {
    GoTo(Calc::MinJD[Calc::Jewish]); // a Saturday
    Pick(Window().Combo6, "Monday");
    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_EQ(Calc::CurrentJD, Calc::MinJD[Calc::Jewish]);
    EXPECT_EQ(Window().Combo6.Text(), "Saturday");
}

TEST_F(MonthlyWindowTest, ChoosingAnotherColumnsCalendarExchangesTheTwoColumns) {
    MonthlyWindow &window = Window();
    Pick(window.Combo1[1], QString::fromStdString(Texts::CalendarNames[Calc::Jewish]));
    EXPECT_EQ(std::vector(Start::ColumnCals + 1, Start::ColumnCals + 5),
              (std::vector<int16_t>{3, 2, 1, 4}));
    EXPECT_EQ(window.MSFlexGrid1[1].BackColor(), Start::BackColors[Calc::Jewish]);
    EXPECT_EQ(window.Image1[Calc::Julian].Left(), Start::ColumnLeft[3]);
    EXPECT_EQ(platform::ReadSetting("Startup", "Calendar1", ""), "3");
    EXPECT_EQ(window.Combo2[1].Text(), "5784");
    EXPECT_EQ(window.Combo2[3].Text(), "2024");
}

TEST_F(MonthlyWindowTest, AHiddenColumnKeepsItsCalendarAndShowsItsPicture) {
    GoTo(Gregorian(1, 1, 600)); // before the Moslem epoch
    MonthlyWindow &window = Window();
    EXPECT_EQ(window.childAt(window.Image1[Calc::Moslem].geometry().center()),
              &window.Image1[Calc::Moslem]);
    Pick(window.Combo1[1], QString::fromStdString(Texts::CalendarNames[Calc::Moslem]));
    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_EQ(window.Combo1[1].ListIndex(), Calc::Julian - 1);
    EXPECT_EQ(Start::ColumnCals[1], Calc::Julian);
}

TEST_F(MonthlyWindowTest, ADayClickSelectsItWithoutRebuildingItsOwnGrid) {
    // Marks in a blank cell: a rebuilt grid loses them.
    Window().MSFlexGrid1[1].SetTextMatrix(6, 6, "mark");
    Window().MSFlexGrid1[2].SetTextMatrix(6, 6, "mark");
    ClickDay(1, 20, Qt::RightButton); // 20 March of the Julian calendar
    ExpectShows(Gregorian(2, 4, 2024));
    EXPECT_EQ(Window().MSFlexGrid1[1].TextMatrix(6, 6), "mark");
    EXPECT_EQ(Window().MSFlexGrid1[2].TextMatrix(6, 6), "");
}

TEST_F(MonthlyWindowTest, ButtonsOpenTheYearWindowsAndTheMoonWindow) {
    platform::MSFlexGrid &grid = Window().MSFlexGrid1[3];
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, grid.rect().center());
    EXPECT_TRUE(YearWindowOf(Calc::Jewish)->Visible());
    EXPECT_EQ(YearRefreshes, std::vector<int16_t>{Calc::Jewish});
    YearRefreshes.clear();
    QTest::mouseClick(&Window().Command1[1], Qt::LeftButton);
    EXPECT_EQ(YearRefreshes, (std::vector<int16_t>{4, 3, 2, 1})) << "column one last, in front";

    // A hidden moon window is brought up to date once and shown.
    platform::CommandButton &moon = Window().Command2[ChangeCals::MoonPhase];
    EXPECT_EQ(Window().childAt(moon.geometry().center()), &moon);
    QTest::mouseClick(&moon, Qt::LeftButton);
    QTest::mouseClick(&moon, Qt::LeftButton);
    EXPECT_TRUE(frmMoon->Visible());
    EXPECT_EQ(MoonResets, 1);
}

class TodayTest : public MonthlyWindowTest, public testing::WithParamInterface<int32_t> {};

TEST_P(TodayTest, GoesToTheClocksDate) {
    GoTo(GetParam());
    QTest::mouseClick(&Window().Command1[2], Qt::LeftButton);
    ExpectShows(Gregorian(14, 3, 2024));
}

INSTANTIATE_TEST_SUITE_P(OnlyOnePartDiffers, TodayTest,
                         testing::Values(Gregorian(1, 3, 2024), Gregorian(14, 4, 2024),
                                         Gregorian(14, 3, 2023)));

TEST_F(MonthlyWindowTest, ExitOnTheOnlyWindowEndsTheProgramAndSavesThePositions) {
    QTest::mouseClick(&Window().Command1[5], Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
    EXPECT_NE(platform::ReadSetting("Monthly", "Top", "unwritten"), "unwritten");
}

TEST_F(MonthlyWindowTest, RightButtonOnExitEndsTheProgramWhateverIsShown) {
    YearWindowOf(Calc::Gregorian)->Show();
    QTest::mousePress(&Window().Command1[5], Qt::RightButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MonthlyWindowTest, MonthGridsPaintAsThePlainWayDoes) {
    const QDate days[] = {{2024, 3, 14}, {2024, 3, 15}, {2024, 2, 29}, {2000, 1, 1},
                          {2027, 9, 30}, {622, 12, 31}, {3000, 12, 31}};
    for (const QDate &day : days) {
        GoTo(static_cast<int32_t>(day.toJulianDay()));
        QCoreApplication::processEvents();
        for (int pos = 1; pos <= 4; ++pos) {
            platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
            if (!grid.isVisible()) continue;
            EXPECT_EQ(GrabbedGrid(grid), ReferenceGrid(grid))
                << day.toString(Qt::ISODate).toStdString() << " column " << pos;
        }
    }
}

TEST_F(MonthlyWindowTest, OnlyTheHighlightedDayReadsAsSelected) {
    const auto expectSelectedDays = [](const char *step) {
        for (int pos = 1; pos <= 4; ++pos) {
            platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
            QStringList names;
            for (QAccessibleInterface *cell :
                 QAccessible::queryAccessibleInterface(&grid)->tableInterface()->selectedCells())
                names.append(cell->text(QAccessible::Name));
            EXPECT_EQ(names, QStringList{QString::number(Calc::CalDates[pos][Calc::Day])})
                << step << " column " << pos;
        }
    };
    expectSelectedDays("redrawn");
    ClickDay(2, 20);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Day], 20);
    expectSelectedDays("clicked");
    GoTo(Gregorian(2, 4, 2024));
    expectSelectedDays("next month");
}

} // namespace
