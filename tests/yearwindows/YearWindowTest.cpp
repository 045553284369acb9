// The four year windows driven as a user drives them, with the real monthly and moon
// windows beside them.
#include "yearwindows/YearWindow.h"
#include "ProgramTest.h"
#include "frame/Windows.h"
#include "frame/about/AboutWindow.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "yearwindows/YearCals.h"
#include "yearwindows/YearGrid.h"

#include <QAccessible>
#include <QTest>

namespace {

class YearWindowTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // The day is chosen before the windows exist, so that each is made on first use.
        GoToDate(Calc::Gregorian, 14, 3, 2024);
        RegisterWindows({[] { return new MonthlyWindow(); },
                         [](int16_t cal) { return new YearWindow(cal); },
                         [] { return new MoonWindow(); }});
    }
    void TearDown() override {
        Frame::EndProgram();
        ProgramTest::TearDown();
    }

    static YearWindow &Year(int16_t cal) {
        return static_cast<YearWindow &>(YearWindowOf(cal).Get());
    }
    static void GoToDate(int16_t cal, int day, int month, int year) {
        Calc::CalDates[cal][Calc::Day] = day;
        Calc::CalDates[cal][Calc::Month] = month;
        Calc::CalDates[cal][Calc::Year] = year;
        ChangeCals::ChangeCal(cal);
    }
    // The year window of cal brought up to date and shown, as another window opens it.
    static YearWindow &Open(int16_t cal) {
        YearWindow &window = Year(cal);
        window.SetYearForm();
        window.Show();
        return window;
    }
    // The user tabs into the year list and waits for it to fill.
    static void FocusYearList(YearWindow &window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.Combo1.setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.Combo1.ListCount() > 1; }));
    }
    static void Click(YearWindow &window, YearCals::CellPlace cell,
                      void (*click)(QWidget *, Qt::MouseButton, Qt::KeyboardModifiers, QPoint,
                                    int) = QTest::mouseClick) {
        const platform::MSFlexGrid &grid = window.MSFlexGrid1;
        click(&window.MSFlexGrid1, Qt::LeftButton, {},
              {platform::TwipsToPixels(grid.ColPos(cell.col) + grid.ColWidth(cell.col) / 2.0),
               platform::TwipsToPixels(grid.RowPos(cell.row) + grid.RowHeight(cell.row) / 2.0)},
              -1);
    }
    // The texts of the grid's highlighted cells.
    static QStringList Highlighted(YearWindow &window) {
        platform::MSFlexGrid &grid = window.MSFlexGrid1;
        QStringList texts;
        for (int row = 0; row < grid.Rows(); ++row) {
            for (int col = 0; col < grid.Cols(); ++col) {
                grid.SetRow(row);
                grid.SetCol(col);
                if (grid.CellBackColor() == Start::BackColors[Start::SelectedDayBack])
                    texts.append(grid.TextMatrix(row, col));
            }
        }
        return texts;
    }
};

TEST_F(YearWindowTest, ClickOnADayMovesEveryWindowClicksElsewhereChangeNothing) {
    YearWindow &julian = Open(Calc::Julian);
    YearWindow &gregorian = Open(Calc::Gregorian);
    const int32_t before = Calc::CurrentJD;
    // A week-day label, a header, a blank before 1 March 2024 (a Friday) and the
    // selected day itself.
    const YearCals::CellPlace march = YearCals::BlockOf(Calc::Gregorian, 3);
    for (const YearCals::CellPlace cell :
         {YearCals::CellPlace{1, 0}, march, YearCals::CellPlace{march.row + 1, march.col},
          YearCals::DayCell(Calc::Gregorian, 3, 14)}) {
        Click(gregorian, cell);
        EXPECT_EQ(Calc::CurrentJD, before) << cell.row << ", " << cell.col;
    }
    Click(gregorian, YearCals::DayCell(Calc::Gregorian, 3, 20));
    EXPECT_EQ(Calc::CurrentJD, before + 6);
    EXPECT_EQ(Highlighted(gregorian), QStringList{"20"});
    EXPECT_EQ(Highlighted(julian), QStringList{"7"});
}

TEST_F(YearWindowTest, AJewishLeapYearWidensTheWindowAndItsSeventhMonthTakesClicks) {
    // 14 March 2024 is 4 Adar II 5784, a leap year; 5785 is a common year.
    YearWindow &window = Open(Calc::Jewish);
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    EXPECT_EQ(window.ScaleWidth(), grid.Width());
    EXPECT_EQ(window.ScaleHeight(), grid.Top() + grid.Height());
    EXPECT_GE(grid.Width(), grid.ColPos(25));
    const int leapWidth = window.Width();

    Click(window, {11, 21});
    EXPECT_EQ(Calc::CalDates[Calc::Jewish][Calc::Month], 7);
    EXPECT_EQ(Highlighted(window), QStringList{grid.TextMatrix(11, 21)});
    Click(window, {20, 8});
    EXPECT_EQ(Calc::CalDates[Calc::Jewish][Calc::Month], 9);

    QTest::mouseClick(&window.Command1[2], Qt::LeftButton);
    EXPECT_EQ(Calc::CalDates[Calc::Jewish][Calc::Year], 5785);
    EXPECT_LT(window.Width(), leapWidth);
    EXPECT_EQ(window.ScaleWidth(), grid.Width());
    EXPECT_LT(grid.Width(), grid.ColPos(19) + grid.ColWidth(19) / 2);
}

TEST_F(YearWindowTest, InsideTheYearOnlyTheHighlightMovesAndItAloneReadsAsSelected) {
    YearWindow &window = Open(Calc::Gregorian);
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    const auto selectedCells = [&grid] {
        QStringList names;
        for (QAccessibleInterface *cell :
             QAccessible::queryAccessibleInterface(&grid)->tableInterface()->selectedCells())
            names.append(cell->text(QAccessible::Name));
        return names;
    };
    // A mark in a blank cell, which only a full redraw writes.
    grid.SetTextMatrix(1, 1, "mark");
    GoToDate(Calc::Gregorian, 31, 12, 2024);
    EXPECT_EQ(grid.TextMatrix(1, 1), "mark");
    EXPECT_EQ(Highlighted(window), QStringList{"31"});
    EXPECT_EQ(selectedCells(), QStringList{"31"});

    GoToDate(Calc::Gregorian, 5, 2, 2025);
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(Highlighted(window), QStringList{"5"});
    EXPECT_EQ(selectedCells(), QStringList{"5"});
}

TEST_F(YearWindowTest, TheYearListFillsOnFocusAndAPickKeepsDayAndMonth) {
    GoToDate(Calc::Gregorian, 29, 2, 2024);
    YearWindow &window = Open(Calc::Gregorian);
    YearWindow &julian = Open(Calc::Julian);
    platform::ComboBox &list = window.Combo1;
    EXPECT_EQ(list.ListCount(), 1);
    FocusYearList(window);
    EXPECT_EQ(list.ListCount(), 3000);
    EXPECT_EQ(list.Text(), "2024");

    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Day], 28);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Month], 2);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Year], 2023);
    EXPECT_EQ(Highlighted(julian), QStringList{"15"});

    // The year moved elsewhere; a step from the year the list shows now.
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
        YearCals::YearCommand(window, cal, 1);
        EXPECT_EQ(alerts->Beeps, 1);
        EXPECT_EQ(Calc::CurrentJD, Calc::MinJD[cal]);
        QTest::mouseClick(&window.Command1[2], Qt::LeftButton);
        EXPECT_EQ(Calc::CalDates[cal][Calc::Year], Calc::MinYear[cal] + 1);

        GoTo(Calc::MaxJD[cal]);
        EXPECT_TRUE(window.Command1[1].Enabled());
        EXPECT_FALSE(window.Command1[2].Enabled());
        YearCals::YearCommand(window, cal, 2);
        EXPECT_EQ(alerts->Beeps, 2);
        EXPECT_EQ(Calc::CurrentJD, Calc::MaxJD[cal]);
        alerts->Beeps = 0;
    }
}

TEST_F(YearWindowTest, TheMoslemWindowShowsItsPictureBeforeItsEpoch) {
    YearWindow &window = Open(Calc::Moslem);
    GoTo(Calc::MinJD[Calc::Moslem] - 1);
    EXPECT_FALSE(window.MSFlexGrid1.isVisible());
    ASSERT_TRUE(window.Image1);
    EXPECT_TRUE(window.Image1->isVisible());
    EXPECT_FALSE(window.Combo1.Enabled());
    EXPECT_FALSE(window.Command1[2].Enabled());

    GoTo(Calc::MinJD[Calc::Moslem]);
    EXPECT_TRUE(window.MSFlexGrid1.isVisible());
    EXPECT_TRUE(window.Combo1.Enabled());
    EXPECT_EQ(window.Combo1.Text(), "1");
    EXPECT_TRUE(window.Command1[2].Enabled());
    EXPECT_EQ(Highlighted(window), QStringList{"1"});
}

TEST_F(YearWindowTest, AfterTheLastDayTheYearIsShownDisabled) {
    YearWindow &window = Open(Calc::Julian);
    FocusYearList(window);
    GoTo(Calc::MaxJD[Calc::Julian] + 1);
    EXPECT_TRUE(window.MSFlexGrid1.isVisible());
    EXPECT_FALSE(window.MSFlexGrid1.Enabled());
    EXPECT_EQ(Highlighted(window), QStringList{"1"});
    EXPECT_EQ(window.Combo1.Text(), "3001");
    EXPECT_FALSE(window.Combo1.Enabled());
    EXPECT_FALSE(window.Command1[2].Enabled());
    EXPECT_TRUE(window.Command1[1].Enabled());
}

TEST_F(YearWindowTest, ButtonsAndDoubleClickGoToTodayAndOpenTheOtherWindows) {
    GoToDate(Calc::Gregorian, 1, 1, 2000);
    YearWindow &window = Open(Calc::Jewish);
    QTest::mouseClick(&window.Command1[3], Qt::LeftButton); // today: 4 Adar II 5784
    EXPECT_EQ(Calc::CurrentJD, QDate(2024, 3, 14).toJulianDay());
    EXPECT_EQ(window.Combo1.Text(), "5784");
    EXPECT_EQ(Highlighted(window), QStringList{"4"});
    ChangeCals::MoonPhase = 4;
    window.SetYearForm();
    EXPECT_EQ(window.childAt(window.Command2[4].geometry().center()), &window.Command2[4]);
    QTest::mouseClick(&window.Command1[9], Qt::LeftButton);
    EXPECT_TRUE(frmMoslem->Visible());
    EXPECT_EQ(Highlighted(Year(Calc::Moslem)), QStringList{"5"});
    QTest::mouseClick(&window.Command2[4], Qt::LeftButton);
    EXPECT_TRUE(frmMoon->Visible());
    QTest::mouseClick(&window.Command1[5], Qt::LeftButton);
    EXPECT_TRUE(frmAbout.Exists() && frmAbout->Visible());
    Click(window, YearCals::DayCell(Calc::Jewish, 9, 5), QTest::mouseDClick);
    EXPECT_TRUE(frmMonthlyCal->Visible());
}

TEST_F(YearWindowTest, ExitLeftClickHidesOneOfTwoAndEndsOnTheLast) {
    Open(Calc::Julian);
    Open(Calc::Jewish);
    QTest::mouseClick(&Year(Calc::Julian).Command1[6], Qt::LeftButton);
    EXPECT_FALSE(frmJulian->Visible());
    EXPECT_EQ(programEnds, 0);
    QTest::mouseClick(&Year(Calc::Jewish).Command1[6], Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(YearWindowTest, ExitRightButtonEndsWhateverIsShown) {
    Open(Calc::Gregorian);
    QTest::mousePress(&Open(Calc::Moslem).Command1[6], Qt::RightButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(YearWindowTest, TheTitleBarDestroysTheWindowAndItsGridIsDrawnAnew) {
    Open(Calc::Julian);
    Open(Calc::Gregorian);
    frmGregorian->close();
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(frmGregorian.Exists());
    EXPECT_EQ(Highlighted(Open(Calc::Gregorian)), QStringList{"14"});
}

} // namespace
