// The window's fields, grids and buttons reach the engine, what it shows follows, and
// the month grids paint and read as they should.
#include "GridReference.h"
#include "MonthlyFixture.h"
#include "engine/Texts.h"
#include "monthly/MonthGrid.h"

namespace {

// The user picks an item; or, with no item, the user is in the field, changes the day
// in another window to start, comes back (no focus event reaches the field) and steps
// once down the list. Column 1 shows the Julian calendar, column 2 the Gregorian one.
struct FieldCase {
    const char *name, *field, *item;
    int32_t start, expected;
};

// clang-format off
const FieldCase FieldCases[] = {
    {"Year", "Combo2_2", "2025", Gregorian(14, 3, 2024), Gregorian(14, 3, 2025)},
    {"MonthOfTheJulianColumn", "Combo3_1", "1/12  January", Gregorian(14, 3, 2024), Gregorian(14, 1, 2024)},
    {"YearDay", "Combo4_2", "100/366", Gregorian(14, 3, 2024), Gregorian(9, 4, 2024)},
    // 1 January 2024 is a Monday: week 1 starts on Sunday 31 December 2023.
    {"WeekOneStopsAtTheYearsFirstDay", "Combo5_2", "1/53", Gregorian(10, 3, 2024), Gregorian(1, 1, 2024)},
    {"WeekDay", "Combo6", "Monday", Gregorian(14, 3, 2024), Gregorian(11, 3, 2024)},
    // 19 March 2024 is a Tuesday, so the week day steps on.
    {"YearDayStepAfterElsewhere", "Combo4_2", nullptr, Gregorian(19, 3, 2024), Gregorian(20, 3, 2024)},
    {"WeekStepAfterElsewhere", "Combo5_2", nullptr, Gregorian(19, 3, 2024), Gregorian(26, 3, 2024)},
    {"WeekDayStepAfterElsewhere", "Combo6", nullptr, Gregorian(19, 3, 2024), Gregorian(20, 3, 2024)},
    {"MoonAgeStepAfterElsewhere", "Combo7", nullptr, Gregorian(19, 3, 2024), Gregorian(20, 3, 2024)},
    {"YearDayStepInAShorterYear", "Combo4_2", nullptr, Gregorian(19, 3, 2023), Gregorian(20, 3, 2023)},
};
// clang-format on

class FieldTest : public MonthlyWindowTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(FieldTest, MovesTheDay) {
    const FieldCase &c = GetParam();
    platform::ComboBox &field = *Window().findChild<platform::ComboBox *>(c.field);
    if (c.item) {
        GoTo(c.start);
        Pick(field, c.item);
    } else {
        Pick(field, field.Text());
        GoTo(c.start);
        QTest::keyClick(&field, Qt::Key_Down);
    }
    ExpectShows(c.expected);
    EXPECT_EQ(alerts->Beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldTest, testing::ValuesIn(FieldCases), CaseName);

TEST_F(MonthlyWindowTest, AStepBeforeTheFirstDayBeepsAndRestores) {
    GoTo(Calc::MinJD[Calc::Jewish]); // a Saturday
    Pick(Window().Combo6, "Monday");
    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_EQ(Calc::CurrentJD, Calc::MinJD[Calc::Jewish]);
    EXPECT_EQ(Window().Combo6.Text(), "Saturday");
}

// A column gives its calendar away to the column that picks it, unless it is hidden
// (before the Moslem epoch) and cannot show the day.
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

    GoTo(Gregorian(1, 1, 600));
    EXPECT_EQ(window.childAt(window.Image1[Calc::Moslem].geometry().center()),
              &window.Image1[Calc::Moslem]);
    Pick(window.Combo1[1], QString::fromStdString(Texts::CalendarNames[Calc::Moslem]));
    EXPECT_EQ(alerts->Beeps, 1);
    EXPECT_EQ(window.Combo1[1].ListIndex(), Calc::Jewish - 1);
    EXPECT_EQ(Start::ColumnCals[1], Calc::Jewish);
}

TEST_F(MonthlyWindowTest, ButtonsOpenTheYearWindowsAndTheMoonWindow) {
    platform::MSFlexGrid &grid = Window().MSFlexGrid1[3];
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, grid.rect().center());
    EXPECT_TRUE(frmJewish->Visible());
    QTest::mouseClick(&Window().Command1[1], Qt::LeftButton);
    EXPECT_EQ(Calls, (std::vector<std::string>{"frmJewish.SetYearForm", "frmMoslem.SetYearForm",
                                               "frmJewish.SetYearForm", "frmGregorian.SetYearForm",
                                               "frmJulian.SetYearForm"}))
        << "column one last, in front";

    // A hidden moon window is brought up to date once and shown.
    platform::CommandButton &moon = Window().Command2[ChangeCals::MoonPhase];
    EXPECT_EQ(Window().childAt(moon.geometry().center()), &moon);
    Calls.clear();
    QTest::mouseClick(&moon, Qt::LeftButton);
    QTest::mouseClick(&moon, Qt::LeftButton);
    EXPECT_TRUE(frmMoon->Visible());
    EXPECT_EQ(Calls, std::vector<std::string>{"frmMoon.ReSetForm"});
}

TEST_F(MonthlyWindowTest, TodayGoesToTheClocksDateWhenOnlyOnePartDiffers) {
    for (const int32_t start :
         {Gregorian(1, 3, 2024), Gregorian(14, 4, 2024), Gregorian(14, 3, 2023)}) {
        GoTo(start);
        QTest::mouseClick(&Window().Command1[2], Qt::LeftButton);
        ExpectShows(Gregorian(14, 3, 2024));
    }
}

TEST_F(MonthlyWindowTest, ExitOnTheOnlyWindowEndsTheProgram) {
    QTest::mouseClick(&Window().Command1[5], Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MonthlyWindowTest, RightButtonOnExitEndsTheProgramWhateverIsShown) {
    frmGregorian->Show();
    QTest::mousePress(&Window().Command1[5], Qt::RightButton);
    EXPECT_EQ(programEnds, 1);
}

// The grids hold what the plain functions say, paint as the plain reference draws
// them, and read only the highlighted day as selected, after each refresh and after a
// click on a day.
TEST_F(MonthlyWindowTest, MonthGridsShowTheirContentAndPaintAsThePlainWayDoes) {
    const auto expectShown = [](const std::string &when) {
        QCoreApplication::processEvents();
        for (int pos = 1; pos <= 4; ++pos) {
            SCOPED_TRACE(testing::Message() << when << " column " << pos);
            platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
            if (!grid.isVisible()) continue;
            const auto content = Monthly::MonthGridOf(Start::ColumnCals[pos]);
            for (int cell = 0; cell < 49; ++cell) {
                grid.SetRow(cell / 7);
                grid.SetCol(cell % 7);
                EXPECT_EQ(grid.TextMatrix(cell / 7, cell % 7).toStdString(),
                          content->Cells[cell].Text);
                EXPECT_EQ(grid.CellFontBold(), content->Cells[cell].Style.Bold) << cell;
            }
            EXPECT_EQ(GrabbedGrid(grid), ReferenceGrid(grid));
            EXPECT_EQ(SelectedCellNames(grid),
                      QStringList{QString::number(Calc::CalDates[pos][Calc::Day])});
        }
    };
    const QDate days[] = {{2024, 3, 14}, {2024, 3, 15}, {2024, 2, 29}, {2000, 1, 1},
                          {2027, 9, 30}, {622, 12, 31}, {3000, 12, 31}};
    for (const QDate &day : days) {
        GoTo(day);
        expectShown(day.toString(Qt::ISODate).toStdString());
    }
    // A click restyles two cells of its own grid and leaves the rest (a mark in a blank
    // cell) alone; the other grids follow, rebuilt where the month changed.
    GoTo(Gregorian(14, 3, 2024));
    Window().MSFlexGrid1[1].SetTextMatrix(6, 6, "mark");
    Window().MSFlexGrid1[2].SetTextMatrix(6, 6, "mark");
    ClickDay(1, 20, Qt::RightButton); // 20 March of the Julian calendar
    ExpectShows(Gregorian(2, 4, 2024));
    EXPECT_EQ(Window().MSFlexGrid1[1].TextMatrix(6, 6), "mark");
    EXPECT_EQ(Window().MSFlexGrid1[2].TextMatrix(6, 6), "");
    Window().MSFlexGrid1[1].SetTextMatrix(6, 6, "");
    expectShown("clicked");
}

} // namespace
