// The four year windows driven as a user drives them, with the real monthly and moon
// windows beside them.
#include "yearwindows/YearWindow.h"
#include "GridDriving.h"
#include "GridReference.h"
#include "ProgramTest.h"
#include "app/ProgramWindows.h"
#include "frame/Windows.h"
#include "frame/about/AboutWindow.h"
#include "yearwindows/YearCals.h"
#include "yearwindows/YearGrid.h"

#include <QTest>

namespace {

using YearCals::CellPlace;

class YearWindowTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // The day is chosen before the windows exist, so that each is made on first use.
        GoTo(QDate(2024, 3, 14));
        App::RegisterProgramWindows();
    }
    static YearWindow &Year(int16_t cal) {
        return static_cast<YearWindow &>(YearWindowOf(cal).Get());
    }
    // The year window of cal brought up to date and shown, as another window opens it.
    static YearWindow &Open(int16_t cal) {
        YearWindow &window = Year(cal);
        window.SetYearForm();
        window.Show();
        return window;
    }
    static void Click(YearWindow &window, CellPlace cell) {
        QTest::mouseClick(&window.MSFlexGrid1, Qt::LeftButton, {},
                          CellCentre(window.MSFlexGrid1, cell.row, cell.col));
    }
};

TEST_F(YearWindowTest, ClickOnADayMovesEveryWindowClicksElsewhereChangeNothing) {
    YearWindow &julian = Open(Calc::Julian);
    YearWindow &gregorian = Open(Calc::Gregorian);
    const int32_t before = Calc::CurrentJD;
    // The blank before 1 March 2024 (a Friday); which cells hold no day is the
    // layout test's part.
    const CellPlace march = YearCals::BlockOf(Calc::Gregorian, 3);
    Click(gregorian, {march.row + 1, march.col});
    EXPECT_EQ(Calc::CurrentJD, before);
    Click(gregorian, YearCals::DayCell(Calc::Gregorian, 3, 20));
    EXPECT_EQ(Calc::CurrentJD, before + 6);
    EXPECT_EQ(SelectedCellNames(gregorian.MSFlexGrid1), QStringList{"20"});
    EXPECT_EQ(SelectedCellNames(julian.MSFlexGrid1), QStringList{"7"});
}

// The grid paints as the plain reference draws it.
TEST_F(YearWindowTest, AJewishLeapYearWidensTheWindowAndItsSeventhMonthTakesClicks) {
    // 14 March 2024 is 4 Adar II 5784, a leap year; 5785 is a common year.
    YearWindow &window = Open(Calc::Jewish);
    platform::MSFlexGrid &grid = window.MSFlexGrid1;
    EXPECT_EQ(window.ScaleHeight(), grid.Top() + grid.Height());
    EXPECT_GE(grid.Width(), grid.ColPos(25));
    EXPECT_EQ(GrabbedGrid(grid), ReferenceGrid(grid)) << "merged bold month titles, day numbers";
    const int leapWidth = window.Width();

    Click(window, {11, 21});
    EXPECT_EQ(Calc::CalDates[Calc::Jewish][Calc::Month], 7);
    EXPECT_EQ(SelectedCellNames(window.MSFlexGrid1), QStringList{grid.TextMatrix(11, 21)});
    Click(window, {20, 8});
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
    grid.SetTextMatrix(1, 1, "mark"); // in a blank cell, which only a full redraw writes
    const std::tuple<QDate, QString, QString> steps[] = {{{2024, 12, 31}, "31", "mark"},
                                                         {{2025, 2, 5}, "5", ""}};
    for (const auto &[date, day, mark] : steps) {
        GoTo(date);
        EXPECT_EQ(grid.TextMatrix(1, 1), mark);
        EXPECT_EQ(SelectedCellNames(grid), QStringList{day});
    }
}

TEST_F(YearWindowTest, TheYearListFillsOnFocusAndAPickKeepsDayAndMonth) {
    GoTo(QDate(2024, 2, 29));
    YearWindow &window = Open(Calc::Gregorian);
    YearWindow &julian = Open(Calc::Julian);
    platform::ComboBox &list = window.Combo1;
    EXPECT_EQ(list.ListCount(), 1);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    list.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.ListCount() == 3000; }));
    EXPECT_EQ(list.Text(), "2024");

    QTest::keyClick(&list, Qt::Key_Up);
    const int32_t *const date = Calc::CalDates[Calc::Gregorian];
    EXPECT_EQ(QDate(date[Calc::Year], date[Calc::Month], date[Calc::Day]), QDate(2023, 2, 28));
    EXPECT_EQ(SelectedCellNames(julian.MSFlexGrid1), QStringList{"15"});

    // The year moved elsewhere; a step from the year the list shows now.
    GoTo(QDate(2022, 2, 28));
    EXPECT_EQ(list.Text(), "2022");
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(Calc::CalDates[Calc::Gregorian][Calc::Year], 2023);
}

// Before its epoch the Moslem window shows its picture; from its first day its year
// steps on but not back, at its last day back but not on; after the Julian calendar's
// last day its window shows the year disabled.
TEST_F(YearWindowTest, AWindowFollowsTheEndsOfItsCalendar) {
    YearWindow &moslem = Open(Calc::Moslem);
    GoTo(Calc::MinJD[Calc::Moslem] - 1);
    EXPECT_FALSE(moslem.MSFlexGrid1.isVisible());
    ASSERT_TRUE(moslem.Image1);
    EXPECT_TRUE(moslem.Image1->isVisible());
    EXPECT_FALSE(moslem.Combo1.Enabled() || moslem.Command1[2].Enabled());
    GoTo(Calc::MinJD[Calc::Moslem]);
    EXPECT_TRUE(moslem.MSFlexGrid1.isVisible() && moslem.Combo1.Enabled());
    EXPECT_EQ(moslem.Combo1.Text(), "1");
    EXPECT_EQ(SelectedCellNames(moslem.MSFlexGrid1), QStringList{"1"});
    EXPECT_FALSE(moslem.Command1[1].Enabled());
    YearCals::YearCommand(moslem, Calc::Moslem, 1);
    EXPECT_EQ(Calc::CurrentJD, Calc::MinJD[Calc::Moslem]);
    QTest::mouseClick(&moslem.Command1[2], Qt::LeftButton);
    EXPECT_EQ(Calc::CalDates[Calc::Moslem][Calc::Year], 2);
    GoTo(Calc::MaxJD[Calc::Moslem]);
    EXPECT_TRUE(moslem.Command1[1].Enabled());
    EXPECT_FALSE(moslem.Command1[2].Enabled());
    YearCals::YearCommand(moslem, Calc::Moslem, 2);
    EXPECT_EQ(Calc::CurrentJD, Calc::MaxJD[Calc::Moslem]);
    EXPECT_EQ(alerts->Beeps, 2);

    YearWindow &julian = Open(Calc::Julian);
    GoTo(Calc::MaxJD[Calc::Julian] + 1);
    EXPECT_TRUE(julian.MSFlexGrid1.isVisible());
    EXPECT_FALSE(julian.MSFlexGrid1.Enabled() || julian.Combo1.Enabled() ||
                 julian.Command1[2].Enabled());
    EXPECT_EQ(SelectedCellNames(julian.MSFlexGrid1), QStringList{"1"});
    EXPECT_EQ(julian.Combo1.Text(), "3001");
}

TEST_F(YearWindowTest, ButtonsAndDoubleClickGoToTodayAndOpenTheOtherWindows) {
    GoTo(QDate(2000, 1, 1));
    YearWindow &window = Open(Calc::Jewish);
    QTest::mouseClick(&window.Command1[3], Qt::LeftButton); // today: 4 Adar II 5784
    EXPECT_EQ(Calc::CurrentJD, QDate(2024, 3, 14).toJulianDay());
    EXPECT_EQ(window.Combo1.Text(), "5784");
    EXPECT_EQ(SelectedCellNames(window.MSFlexGrid1), QStringList{"4"});
    ChangeCals::MoonPhase = 4;
    window.SetYearForm();
    EXPECT_EQ(window.childAt(window.Command2[4].geometry().center()), &window.Command2[4]);
    QTest::mouseClick(&window.Command1[9], Qt::LeftButton);
    EXPECT_TRUE(frmMoslem->Visible());
    EXPECT_EQ(SelectedCellNames(Year(Calc::Moslem).MSFlexGrid1), QStringList{"5"});
    QTest::mouseClick(&window.Command2[4], Qt::LeftButton);
    EXPECT_TRUE(frmMoon->Visible());
    QTest::mouseClick(&window.Command1[5], Qt::LeftButton);
    EXPECT_TRUE(frmAbout.Exists() && frmAbout->Visible());
    QTest::mouseDClick(&window.MSFlexGrid1, Qt::LeftButton, {}, window.MSFlexGrid1.rect().center());
    EXPECT_TRUE(frmMonthlyCal->Visible());
}

// Whether a left click ends the program is the frame's to decide; the right button ends
// it whatever is shown.
TEST_F(YearWindowTest, ExitLeftClickHidesTheWindowTheRightButtonEndsTheProgram) {
    Open(Calc::Julian);
    Open(Calc::Jewish);
    QTest::mouseClick(&Year(Calc::Julian).Command1[6], Qt::LeftButton);
    EXPECT_FALSE(frmJulian->Visible());
    EXPECT_EQ(programEnds, 0);
    QTest::mousePress(&Open(Calc::Moslem).Command1[6], Qt::RightButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(YearWindowTest, TheTitleBarDestroysTheWindowAndItsGridIsDrawnAnew) {
    Open(Calc::Julian);
    Open(Calc::Gregorian);
    frmGregorian->close();
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(frmGregorian.Exists());
    EXPECT_EQ(SelectedCellNames(Open(Calc::Gregorian).MSFlexGrid1), QStringList{"14"});
}

} // namespace
