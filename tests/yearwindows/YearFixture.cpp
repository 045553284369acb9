#include "YearFixture.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/ProgramEnd.h"
#include "frame/Windows.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "platform/FormRef.h"
#include "platform/core/Clock.h"
#include "platform/core/Program.h"
#include "platform/core/Settings.h"

#include <QTest>

void YearWindowTest::SetUp() {
    ASSERT_TRUE(Folder.isValid());
    platform::SetSettingsFile(Folder.filePath("Orvanta.conf"));
    platform::SetProgramFolder(Folder.path());
    platform::SetClock([] { return QDateTime(QDate(2024, 3, 14), QTime(9, 30)); });
    Alerts.emplace();
    Frame::SetEndHandler([this] { ++Ends; });

    Start::ResetState();
    ChangeCals::Reset();
    Calc::StartEngine({});
    Start::FillColors();
    Start::FillColumnLeft();
    Start::LanguageName = Texts::EnglishDefault;
    for (int index = 1; index <= Start::WindowCount; ++index) {
        Start::WinTop[index] = Start::NoPosition;
        Start::WinLeft[index] = Start::NoPosition;
    }
    for (int pos = 1; pos <= 4; ++pos)
        Start::ColumnCals[pos] = static_cast<int16_t>(pos);
    // The day is chosen before the windows exist, so that each is made on first use.
    GoToDate(Calc::Gregorian, 14, 3, 2024);
    RegisterWindows({[] { return new MonthlyWindow(); },
                     [](int16_t cal) { return new YearWindow(cal); },
                     [] { return new MoonWindow(); }});
}

void YearWindowTest::TearDown() {
    Frame::EndProgram();
    platform::DestroyAllForms();
    Frame::SetEndHandler({});
    ChangeCals::SetWindows(nullptr);
    Alerts.reset();
    platform::SetClock({});
    platform::SetProgramFolder({});
    platform::SetSettingsFile({});
}

YearWindow &YearWindowTest::Year(int16_t cal) {
    return static_cast<YearWindow &>(YearWindowOf(cal).Get());
}

void YearWindowTest::GoTo(int32_t julianDay) {
    Calc::CurrentJD = julianDay;
    ChangeCals::ChangeJD();
}

void YearWindowTest::GoToDate(int16_t cal, int day, int month, int year) {
    Calc::CalDates[cal][Calc::Day] = day;
    Calc::CalDates[cal][Calc::Month] = month;
    Calc::CalDates[cal][Calc::Year] = year;
    ChangeCals::ChangeCal(cal);
}

YearWindow &YearWindowTest::Open(int16_t cal) {
    YearWindow &window = Year(cal);
    window.SetYearForm();
    window.Show();
    return window;
}

void YearWindowTest::FocusYearList(YearWindow &window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Combo1.setFocus(Qt::TabFocusReason);
}

QPoint YearWindowTest::CellCenter(const platform::MSFlexGrid &grid, int row, int col) {
    return {platform::TwipsToPixels(grid.ColPos(col) + grid.ColWidth(col) / 2.0),
            platform::TwipsToPixels(grid.RowPos(row) + grid.RowHeight(row) / 2.0)};
}

QStringList YearWindowTest::Highlighted(YearWindow &window) {
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
