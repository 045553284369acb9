#include "MonthlyFixture.h"

#include "DayShown.h"
#include "FakeWindows.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/Language.h"
#include "frame/ProgramEnd.h"
#include "frame/SettingsTable.h"
#include "platform/FormRef.h"
#include "platform/core/Clock.h"
#include "platform/core/Settings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

void MonthlyWindowTest::SetUp() {
    ASSERT_TRUE(settingsFolder.isValid());
    platform::SetSettingsFile(settingsFolder.filePath("Orvanta.conf"));
    alerts.emplace();
    platform::SetClock([] { return QDateTime(QDate(2024, 3, 14), QTime(9, 30)); });
    ChangeCals::SetEndHandler([this] { ++programEnds; });
    Log = {};

    Calc::Reset();
    ChangeCals::Reset();
    Start::ResetState();
    Start::ReadSettings();
    Start::FillColors();
    Start::FillColumnLeft();
    Calc::InitCalendarTables();
    Start::LoadLanguage(Start::LanguageName);
    Calc::SetMoslemType();
    RegisterWindows({[] { return new MonthlyWindow(); },
                     [](int16_t cal) { return new FakeYearWindow(cal); },
                     [] { return new FakeMoonWindow(); }});

    GoToGregorian(14, 3, 2024);
    Window().ReSetForm();
    Window().Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
}

void MonthlyWindowTest::TearDown() {
    platform::DestroyAllForms();
    ChangeCals::SetWindows(nullptr);
    ChangeCals::SetEndHandler({});
    platform::SetClock({});
    alerts.reset();
    platform::SetSettingsFile({});
}

MonthlyWindow &MonthlyWindowTest::Window() {
    return static_cast<MonthlyWindow &>(frmMonthlyCal.Get());
}

void MonthlyWindowTest::GoTo(int32_t julianDay) {
    Calc::CurrentJD = julianDay;
    ChangeCals::ChangeJD();
}

void MonthlyWindowTest::GoToGregorian(int day, int month, int year) {
    GoTo(Gregorian(day, month, year));
}

int32_t MonthlyWindowTest::Gregorian(int day, int month, int year) const {
    // Fliegel and Van Flandern's formula, apart from the engine's own conversion.
    const int a = (14 - month) / 12;
    const int y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

void MonthlyWindowTest::Pick(platform::ComboBox &combo, const QString &item) {
    if (combo.isEditable()) {
        // Clicked, the text takes the focus; the list opens from the keyboard.
        QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
        QTest::keyClick(&combo, Qt::Key_F4);
    } else {
        QTest::mouseClick(&combo, Qt::LeftButton);
    }
    QAbstractItemView *view = combo.view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
    const int index = combo.findText(item);
    ASSERT_GE(index, 0) << item.toStdString() << " is not in " << combo.objectName().toStdString();
    // The item is chosen in the open list from the keyboard, as a user may: a mouse
    // click lands wherever the window system placed the popup, which offscreen
    // differs from run to run.
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
}

void MonthlyWindowTest::TypeJulianDay(const QString &text) {
    platform::ComboBox &field = Window().Combo8;
    QTest::mouseClick(field.lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.hasFocus(); }));
    field.lineEdit()->selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, text);
}

QPoint MonthlyWindowTest::CellCenter(const platform::MSFlexGrid &grid, int row, int col) const {
    return {platform::TwipsToPixels(grid.ColPos(col) + grid.ColWidth(col) / 2.0),
            platform::TwipsToPixels(grid.RowPos(row) + grid.RowHeight(row) / 2.0)};
}

std::optional<std::pair<int, int>> MonthlyWindowTest::CellOf(int pos, const QString &day) {
    const platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
    for (int col = 1; col < grid.Cols(); ++col)
        for (int row = 0; row < grid.Rows(); ++row)
            if (grid.TextMatrix(row, col) == day) return std::pair{row, col};
    return std::nullopt;
}

std::pair<QString, int> MonthlyWindowTest::Highlighted(int pos) {
    platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
    QString text;
    int count = 0;
    for (int col = 0; col < grid.Cols(); ++col) {
        for (int row = 0; row < grid.Rows(); ++row) {
            grid.SetRow(row);
            grid.SetCol(col);
            if (grid.CellBackColor() == Start::BackColors[5]) {
                text = grid.TextMatrix(row, col);
                ++count;
            }
        }
    }
    return {text, count};
}

int MonthlyWindowTest::ColumnOf(int16_t cal) const {
    for (int pos = 1; pos <= 4; ++pos)
        if (Start::ColumnCals[pos] == cal) return pos;
    return 0;
}

void MonthlyWindowTest::ExpectWindowShows(int32_t julianDay) {
    MonthlyWindow &window = Window();
    EXPECT_EQ(Calc::CurrentJD, julianDay);
    EXPECT_EQ(window.Combo8.Text(), QString::number(julianDay));
    EXPECT_EQ(window.Combo6.Text(), WeekDayNameOf(julianDay));
    const std::pair<int16_t, CalendarDay> known[] = {{Calc::Julian, JulianOf(julianDay)},
                                                     {Calc::Gregorian, GregorianOf(julianDay)}};
    for (int16_t cal = 1; cal <= 4; ++cal) {
        const int pos = ColumnOf(cal);
        SCOPED_TRACE(testing::Message() << "calendar " << cal << " in column " << pos);
        const bool shown = julianDay >= Calc::MinJD[cal];
        EXPECT_EQ(window.Combo2[pos].isVisible(), shown);
        EXPECT_EQ(window.MSFlexGrid1[pos].isVisible(), shown);
        if (!shown) continue;
        CalendarDay date{Calc::CalDates[cal][Calc::Day], Calc::CalDates[cal][Calc::Month],
                         Calc::CalDates[cal][Calc::Year]};
        if (cal <= Calc::Gregorian) {
            date = known[cal - 1].second;
            EXPECT_TRUE(window.Combo3[pos].Text().startsWith(QString("%1/12  ").arg(date.Month)))
                << window.Combo3[pos].Text().toStdString();
        }
        EXPECT_EQ(window.Combo2[pos].Text(), QString::number(date.Year));
        EXPECT_EQ(Highlighted(pos), std::pair(QString::number(date.Day), 1));
    }
}
