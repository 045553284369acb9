// The monthly window as the program runs it, shown on 14 March 2024, beside the
// stand-ins for the year windows and the moon window.
#pragma once
#include "FrameFixture.h"
#include "GridDriving.h"
#include "monthly/MonthlyWindow.h"
#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>
using FrameTesting::Calls;
using FrameTesting::CaseName;
class MonthlyWindowTest : public FrameTesting::FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        GoTo(QDate(2024, 3, 14));
        Window().ReSetForm();
        Window().Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }
    MonthlyForm *MakeMonthlyWindow() override { return new MonthlyWindow(); }
    static MonthlyWindow &Window() { return static_cast<MonthlyWindow &>(frmMonthlyCal.Get()); }

    // The user opens the list with the mouse and picks the item from the keyboard
    // (offscreen, the popup lands in a different place from run to run).
    static void Pick(platform::ComboBox &combo, const QString &item) {
        QTest::mouseClick(&combo, Qt::LeftButton);
        QAbstractItemView *view = combo.view();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
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
