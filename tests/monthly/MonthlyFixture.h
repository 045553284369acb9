// The monthly window as the program runs it, shown on 14 March 2024, with stand-ins
// for the year windows and the moon window that record what it asks of them.
#pragma once

#include "GridDriving.h"
#include "ProgramTest.h"
#include "monthly/MonthlyWindow.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>
#include <vector>

// The CalendarIds of the year windows in the order they were brought up to date, and
// how often the moon window was.
inline std::vector<int16_t> YearRefreshes;
inline int MoonResets = 0;

class FakeYearWindow final : public YearForm {
  public:
    explicit FakeYearWindow(int16_t cal) : YearForm(QString("YearWindow%1").arg(cal)), Cal(cal) {}
    void SetYearForm() override { YearRefreshes.push_back(Cal); }
    platform::CommandButton &ExitButton() override { return Exit; }
    platform::CommandButton Exit{this, "Command1_6"};
    const int16_t Cal;
};

class FakeMoonWindow final : public MoonForm {
  public:
    FakeMoonWindow() : MoonForm("frmMoon") {}
    void ReSetForm() override { ++MoonResets; }
};

class MonthlyWindowTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        YearRefreshes.clear();
        MoonResets = 0;
        RegisterWindows({[] { return new MonthlyWindow(); },
                         [](int16_t cal) { return new FakeYearWindow(cal); },
                         [] { return new FakeMoonWindow(); }});
        GoTo(QDate(2024, 3, 14).toJulianDay());
        Window().ReSetForm();
        Window().Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }

    static MonthlyWindow &Window() { return static_cast<MonthlyWindow &>(frmMonthlyCal.Get()); }

    // The user opens the list with the mouse and picks the item from the keyboard
    // (offscreen, the popup lands in a different place from run to run).
    static void Pick(platform::ComboBox &combo, const QString &item) {
        QTest::mouseClick(&combo, Qt::LeftButton);
        QAbstractItemView *view = combo.view();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
        ASSERT_GE(combo.findText(item), 0) << item.toStdString();
        view->setCurrentIndex(view->model()->index(combo.findText(item), 0));
        QTest::keyClick(view, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
    }

    // The user opens the Julian Day field's list from the keyboard and closes it.
    static void OpenAndCloseJulianDayList() {
        platform::ComboBox &field = Window().Combo8;
        QTest::keyClick(&field, Qt::Key_F4);
        ASSERT_TRUE(QTest::qWaitFor([&] { return field.view()->isVisible(); }));
        QTest::keyClick(field.view(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !field.view()->isVisible(); }));
    }

    // The user clicks into the Julian Day field, selects its text and types.
    static void TypeJulianDay(const QString &text) {
        platform::ComboBox &field = Window().Combo8;
        QTest::mouseClick(field.lineEdit(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return field.hasFocus(); }));
        field.lineEdit()->selectAll();
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClicks(&field, text);
    }

    // The user clicks the day of that number in the month grid of column pos.
    static void ClickDay(int pos, int day, Qt::MouseButton button = Qt::LeftButton) {
        platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
        for (int col = 1; col < grid.Cols(); ++col)
            for (int row = 0; row < grid.Rows(); ++row)
                if (grid.TextMatrix(row, col) == QString::number(day))
                    return QTest::mouseClick(&grid, button, {}, CellCentre(grid, row, col));
        ADD_FAILURE() << "no day " << day << " in column " << pos;
    }

    // The day is selected and shown: the Julian Day field, and the Gregorian column
    // (year, month, the day its grid marks) checked against Qt's calendar.
    static void ExpectShows(int32_t julianDay) {
        MonthlyWindow &window = Window();
        EXPECT_EQ(Calc::CurrentJD, julianDay);
        EXPECT_EQ(window.Combo8.Text(), QString::number(julianDay));
        const QDate date = QDate::fromJulianDay(julianDay);
        EXPECT_EQ(window.Combo2[2].Text(), QString::number(date.year()));
        EXPECT_TRUE(window.Combo3[2].Text().startsWith(QString("%1/12  ").arg(date.month())));
        EXPECT_EQ(SelectedCellNames(window.MSFlexGrid1[2]),
                  QStringList{QString::number(date.day())});
    }
};

inline int32_t Gregorian(int day, int month, int year) {
    return static_cast<int32_t>(QDate(year, month, day).toJulianDay());
}
