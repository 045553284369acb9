// The four year windows driven as a user drives them.
#include "YearFixture.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/Windows.h"
#include "frame/about/AboutWindow.h"
#include "yearwindows/YearCals.h"
#include "yearwindows/YearGrid.h"

#include <QAccessible>
#include <QTest>
#include <cstdlib>

namespace {

TEST_F(YearWindowTest, CaptionsAndOtherCalendarButtons) {
    const struct {
        int16_t cal;
        const char *caption;
        const char *others[3];
    } cases[] = {{1, "Julian calendar", {"Gre", "Jew", "Mos"}},
                 {2, "Gregorian calendar", {"Jul", "Jew", "Mos"}},
                 {3, "Jewish calendar", {"Jul", "Gre", "Mos"}},
                 {4, "Moslem calendar", {"Jul", "Gre", "Jew"}}};
    for (const auto &c : cases) {
        YearWindow &window = Year(c.cal);
        window.SetYearForm();
        EXPECT_EQ(window.Caption(), c.caption);
        for (int index = 7; index <= 9; ++index)
            EXPECT_EQ(window.Command1[index].Caption(), c.others[index - 7]) << c.caption;
    }
}

TEST_F(YearWindowTest, ToolbarFollowsTheDesignAndTheWindowEndsAtTheGrid) {
    const struct {
        const char *name;
        int left;
        int width;
    } controls[] = {
        {"Command1_7", 110, 435},  {"Command1_8", 606, 435},  {"Command1_9", 1102, 435},
        {"Command2_0", 1598, 435}, {"Command2_8", 1598, 435}, {"Command1_1", 2124, 315},
        {"Combo1", 2470, 840},     {"Command1_2", 3341, 315}, {"Command1_3", 3747, 435},
        {"Command1_4", 4243, 435}, {"Command1_5", 4739, 435}, {"Command1_6", 5239, 435}};
    YearWindow &window = Open(Calc::Gregorian);
    // Twips land on whole pixels of 15 twips: each edge within half a pixel.
    constexpr int HalfPixel = 8;
    for (const auto &c : controls) {
        const QWidget *control = window.findChild<QWidget *>(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_LE(std::abs(control->x() * 15 - c.left), HalfPixel) << c.name;
        EXPECT_LE(std::abs(control->width() * 15 - c.width), HalfPixel) << c.name;
        EXPECT_LE(std::abs(control->y() * 15 - 54), HalfPixel) << c.name;
        EXPECT_LE(std::abs(control->height() * 15 - 315), HalfPixel) << c.name;
    }
    const platform::MSFlexGrid &grid = window.MSFlexGrid1;
    EXPECT_EQ(grid.Left(), 0);
    EXPECT_GT(grid.Top(), 54 + 315);
    EXPECT_EQ(window.ScaleWidth(), grid.Width());
    EXPECT_EQ(window.ScaleHeight(), grid.Top() + grid.Height());
    // The last week column and the last day row are in view, the spare ones are not.
    EXPECT_GE(grid.Width(), grid.ColPos(19));
    EXPECT_LT(grid.Width(), grid.ColPos(19) + grid.ColWidth(19) / 2);
    EXPECT_GE(grid.Height(), grid.RowPos(32));
    EXPECT_LT(grid.Height(), grid.RowPos(32) + grid.RowHeight(32) / 2);
}

TEST_F(YearWindowTest, LoadPlacesTheWindowAtItsSavedPosition) {
    Start::WinTop[4] = 600;
    Start::WinLeft[4] = -900;
    EXPECT_EQ(frmMoslem->Top(), 600);
    EXPECT_EQ(frmMoslem->Left(), -900);
}

TEST_F(YearWindowTest, MoonOfTheDayIsInFront) {
    ChangeCals::MoonPhase = 4;
    YearWindow &window = Open(Calc::Julian);
    for (int phase = 0; phase <= 8; ++phase)
        EXPECT_EQ(window.Command2[phase].TabStop(), phase == 4) << phase;
    EXPECT_EQ(window.childAt(window.Command2[4].geometry().center()), &window.Command2[4]);
}

TEST_F(YearWindowTest, ClickOnADayMovesEveryWindowClicksElsewhereChangeNothing) {
    YearWindow &julian = Open(Calc::Julian);
    YearWindow &gregorian = Open(Calc::Gregorian);
    platform::MSFlexGrid &grid = gregorian.MSFlexGrid1;
    const int32_t before = Calc::CurrentJD;
    // A week-day label, a header, a blank before 1 March 2024 (a Friday) and the
    // selected day itself.
    const YearCals::CellPlace march = YearCals::BlockOf(Calc::Gregorian, 3);
    for (const YearCals::CellPlace cell :
         {YearCals::CellPlace{1, 0}, march, YearCals::CellPlace{march.row + 1, march.col},
          YearCals::DayCell(Calc::Gregorian, 3, 14)}) {
        QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCenter(grid, cell.row, cell.col));
        EXPECT_EQ(Calc::CurrentJD, before) << cell.row << ", " << cell.col;
    }

    const YearCals::CellPlace day = YearCals::DayCell(Calc::Gregorian, 3, 20);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCenter(grid, day.row, day.col));

    EXPECT_EQ(Calc::CurrentJD, before + 6);
    EXPECT_EQ(Highlighted(gregorian), QStringList{"20"});
    EXPECT_EQ(Highlighted(julian), QStringList{"7"});
}

TEST_F(YearWindowTest, JewishLeapYearWidensTheWindowAndItsSeventhMonthTakesClicks) {
    // 14 March 2024 is 4 Adar II 5784, a leap year; 5785 is a common year.
    YearWindow &window = Open(Calc::Jewish);
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    EXPECT_EQ(window.ScaleWidth(), grid.Width());
    EXPECT_GE(grid.Width(), grid.ColPos(25));
    const int leapWidth = window.Width();

    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCenter(grid, 11, 21));
    EXPECT_EQ(Calc::CalDates[Calc::Jewish][Calc::Month], 7);
    EXPECT_EQ(Highlighted(window), QStringList{grid.TextMatrix(11, 21)});
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCenter(grid, 20, 8));
    EXPECT_EQ(Calc::CalDates[Calc::Jewish][Calc::Month], 9);

    QTest::mouseClick(&window.Command1[2], Qt::LeftButton);
    EXPECT_EQ(Calc::CalDates[Calc::Jewish][Calc::Year], 5785);
    EXPECT_LT(window.Width(), leapWidth);
    EXPECT_EQ(window.ScaleWidth(), grid.Width());
    EXPECT_LT(grid.Width(), grid.ColPos(19) + grid.ColWidth(19) / 2);
}

TEST_F(YearWindowTest, InsideTheYearOnlyTheHighlightMoves) {
    YearWindow &window = Open(Calc::Gregorian);
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    // A mark in a blank cell, which only a full redraw writes.
    grid.SetTextMatrix(1, 1, "mark");

    GoToDate(Calc::Gregorian, 31, 12, 2024);
    EXPECT_EQ(grid.TextMatrix(1, 1), "mark");
    EXPECT_EQ(Highlighted(window), QStringList{"31"});

    Start::GridYearBounds[Calc::Gregorian][1] = 0;
    Start::GridYearBounds[Calc::Gregorian][2] = 0;
    GoToDate(Calc::Gregorian, 1, 1, 2024);
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(Highlighted(window), QStringList{"1"});

    grid.SetTextMatrix(1, 1, "mark");
    GoToDate(Calc::Gregorian, 1, 1, 2025);
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
}

TEST_F(YearWindowTest, OnlyTheHighlightedDayReadsAsSelected) {
    YearWindow &window = Open(Calc::Gregorian);
    const auto selectedCells = [&window] {
        QStringList names;
        for (QAccessibleInterface *cell : QAccessible::queryAccessibleInterface(&window.MSFlexGrid1)
                                              ->tableInterface()
                                              ->selectedCells())
            names.append(cell->text(QAccessible::Name));
        return names;
    };
    GoToDate(Calc::Gregorian, 31, 12, 2024);
    EXPECT_EQ(selectedCells(), QStringList{"31"}) << "the highlight moved";
    GoToDate(Calc::Gregorian, 5, 2, 2025);
    EXPECT_EQ(selectedCells(), QStringList{"5"}) << "the year redrawn";
}

TEST_F(YearWindowTest, YearListFillsOnFocusAndAPickKeepsDayAndMonth) {
    GoToDate(Calc::Gregorian, 29, 2, 2024);
    YearWindow &window = Open(Calc::Gregorian);
    YearWindow &julian = Open(Calc::Julian);
    platform::ComboBox &list = window.Combo1;
    EXPECT_EQ(list.ListCount(), 1);

    FocusYearList(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.ListCount() == 3000; }));
    EXPECT_EQ(list.Text(), "2024");

    QTest::keyClick(&list, Qt::Key_Up);

    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Day], 28);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Month], 2);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Year], 2023);
    EXPECT_EQ(Highlighted(julian), QStringList{"15"});

    // The year moved elsewhere; picking the year the list showed before still counts.
    GoToDate(Calc::Gregorian, 28, 2, 2022);
    EXPECT_EQ(list.Text(), "2022");
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Year], 2023);
}

TEST_F(YearWindowTest, PreviousAndNextYearStopAtTheCalendarsEnds) {
    for (const int16_t cal : {Calc::Jewish, Calc::Moslem}) {
        SCOPED_TRACE(cal);
        YearWindow &window = Open(cal);
        GoTo(Calc::MinJD[cal]);
        EXPECT_FALSE(window.Command1[1].Enabled());
        EXPECT_TRUE(window.Command1[2].Enabled());
        YearCals::YearCommand(window, cal, 1);
        EXPECT_EQ(Alerts->Beeps, 1);
        EXPECT_EQ(Calc::CurrentJD, Calc::MinJD[cal]);

        QTest::mouseClick(&window.Command1[2], Qt::LeftButton);
        EXPECT_EQ(Calc::CalDates[cal][Calc::Year], Calc::MinYear[cal] + 1);

        GoTo(Calc::MaxJD[cal]);
        EXPECT_TRUE(window.Command1[1].Enabled());
        EXPECT_FALSE(window.Command1[2].Enabled());
        YearCals::YearCommand(window, cal, 2);
        EXPECT_EQ(Alerts->Beeps, 2);
        EXPECT_EQ(Calc::CurrentJD, Calc::MaxJD[cal]);
        Alerts->Beeps = 0;
    }
}

TEST_F(YearWindowTest, TodayFromTheJewishWindowIsTheGregorianToday) {
    GoToDate(Calc::Gregorian, 1, 1, 2000);
    YearWindow &window = Open(Calc::Jewish);

    QTest::mouseClick(&window.Command1[3], Qt::LeftButton);

    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Day], 14);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Month], 3);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Year], 2024);
    EXPECT_EQ(window.Combo1.Text(), "5784");
    EXPECT_EQ(Highlighted(window), QStringList{"4"});
}

TEST_F(YearWindowTest, MoslemWindowBeforeItsEpochShowsItsPicture) {
    YearWindow &window = Open(Calc::Moslem);
    GoTo(Calc::MinJD[Calc::Moslem] - 1);

    EXPECT_FALSE(window.MSFlexGrid1.isVisible());
    ASSERT_TRUE(window.Image1);
    EXPECT_TRUE(window.Image1->isVisible());
    EXPECT_EQ(window.Combo1.ListCount(), 0);
    EXPECT_FALSE(window.Combo1.Enabled());
    EXPECT_FALSE(window.Command1[1].Enabled());
    EXPECT_FALSE(window.Command1[2].Enabled());

    GoTo(Calc::MinJD[Calc::Moslem]);

    EXPECT_TRUE(window.MSFlexGrid1.isVisible());
    EXPECT_TRUE(window.Combo1.Enabled());
    EXPECT_EQ(window.Combo1.ListCount(), 1);
    EXPECT_EQ(window.Combo1.Text(), "1");
    EXPECT_FALSE(window.Command1[1].Enabled());
    EXPECT_TRUE(window.Command1[2].Enabled());
    EXPECT_EQ(Highlighted(window), QStringList{"1"});
}

TEST_F(YearWindowTest, AfterTheLastDayTheYearIsShownDisabled) {
    YearWindow &window = Open(Calc::Julian);
    FocusYearList(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Combo1.ListCount() == 3000; }));

    GoTo(Calc::MaxJD[Calc::Julian] + 1);

    EXPECT_TRUE(window.MSFlexGrid1.isVisible());
    EXPECT_FALSE(window.MSFlexGrid1.Enabled());
    EXPECT_EQ(Highlighted(window), QStringList{"1"});
    EXPECT_EQ(window.Combo1.Text(), "3001");
    EXPECT_FALSE(window.Combo1.Enabled());
    EXPECT_FALSE(window.Command1[2].Enabled());
    EXPECT_TRUE(window.Command1[1].Enabled());
}

TEST_F(YearWindowTest, DoubleClickOpensTheMonthlyWindow) {
    YearWindow &window = Open(Calc::Moslem);
    const YearCals::CellPlace day = YearCals::DayCell(Calc::Moslem, 9, 5);
    QTest::mouseDClick(&window.MSFlexGrid1, Qt::LeftButton, {},
                       CellCenter(window.MSFlexGrid1, day.row, day.col));
    EXPECT_TRUE(frmMonthlyCal->Visible());
}

TEST_F(YearWindowTest, ExitLeftClickHidesOneOfTwoAndEndsOnTheLast) {
    Open(Calc::Julian);
    Open(Calc::Jewish);

    QTest::mouseClick(&Year(Calc::Julian).Command1[6], Qt::LeftButton);
    EXPECT_EQ(Ends, 0);
    EXPECT_FALSE(frmJulian->Visible());

    QTest::mouseClick(&Year(Calc::Jewish).Command1[6], Qt::LeftButton);
    EXPECT_EQ(Ends, 1);
}

TEST_F(YearWindowTest, ExitRightButtonEndsWhateverIsShown) {
    Open(Calc::Gregorian);
    Open(Calc::Moslem);
    QTest::mousePress(&Year(Calc::Moslem).Command1[6], Qt::RightButton);
    EXPECT_EQ(Ends, 1);
}

TEST_F(YearWindowTest, TitleBarCloseDestroysTheWindowAndItsGridIsDrawnAnew) {
    Open(Calc::Julian);
    Open(Calc::Gregorian);

    frmGregorian->close();

    EXPECT_EQ(Ends, 0);
    EXPECT_FALSE(frmGregorian.Exists());
    EXPECT_EQ(Start::GridYearBounds[Calc::Gregorian][1], 0);
    EXPECT_EQ(Highlighted(Open(Calc::Gregorian)), QStringList{"14"});
}

TEST_F(YearWindowTest, ButtonsOpenTheOtherCalendarTheMoonAndAbout) {
    YearWindow &window = Open(Calc::Jewish);

    QTest::mouseClick(&window.Command1[9], Qt::LeftButton);
    EXPECT_TRUE(frmMoslem->Visible());
    EXPECT_EQ(Highlighted(Year(Calc::Moslem)), QStringList{"5"});

    QTest::mouseClick(&window.Command2[ChangeCals::MoonPhase], Qt::LeftButton);
    EXPECT_TRUE(frmMoon->Visible());

    QTest::mouseClick(&window.Command1[5], Qt::LeftButton);
    EXPECT_TRUE(frmAbout.Exists() && frmAbout->Visible());
}

} // namespace
