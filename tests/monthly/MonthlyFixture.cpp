#include "MonthlyFixture.h"

#include "engine/Calc.h"
#include "monthly/MonthGrid.h"

#include <QAbstractItemView>
#include <QDate>
#include <QLineEdit>
#include <QTest>

namespace {

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

} // namespace

void MonthlyWindowTest::SetUp() {
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

MonthlyWindow &MonthlyWindowTest::Window() {
    return static_cast<MonthlyWindow &>(frmMonthlyCal.Get());
}

void MonthlyWindowTest::Pick(platform::ComboBox &combo, const QString &item) {
    QTest::mouseClick(&combo, Qt::LeftButton);
    QAbstractItemView *view = combo.view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
    const int index = combo.findText(item);
    ASSERT_GE(index, 0) << item.toStdString() << " is not in " << combo.objectName().toStdString();
    // Chosen from the keyboard: offscreen, the popup lands in a different place from
    // run to run.
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
}

void MonthlyWindowTest::OpenAndCloseJulianDayList() {
    platform::ComboBox &field = Window().Combo8;
    QTest::keyClick(&field, Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.view()->isVisible(); }));
    QTest::keyClick(field.view(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !field.view()->isVisible(); }));
}

void MonthlyWindowTest::TypeJulianDay(const QString &text) {
    platform::ComboBox &field = Window().Combo8;
    QTest::mouseClick(field.lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.hasFocus(); }));
    field.lineEdit()->selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, text);
}

void MonthlyWindowTest::ClickDay(int pos, int day, Qt::MouseButton button) {
    platform::MSFlexGrid &grid = Window().MSFlexGrid1[pos];
    for (int col = 1; col < grid.Cols(); ++col) {
        for (int row = 0; row < grid.Rows(); ++row) {
            if (grid.TextMatrix(row, col) != QString::number(day)) continue;
            const QPoint center(
                platform::TwipsToPixels(grid.ColPos(col) + grid.ColWidth(col) / 2.0),
                platform::TwipsToPixels(grid.RowPos(row) + grid.RowHeight(row) / 2.0));
            QTest::mouseClick(&grid, button, {}, center);
            return;
        }
    }
    ADD_FAILURE() << "no day " << day << " in column " << pos;
}

void MonthlyWindowTest::ExpectShows(int32_t julianDay) {
    MonthlyWindow &window = Window();
    EXPECT_EQ(Calc::CurrentJD, julianDay);
    EXPECT_EQ(window.Combo8.Text(), QString::number(julianDay));
    const QDate date = QDate::fromJulianDay(julianDay);
    EXPECT_EQ(window.Combo2[2].Text(), QString::number(date.year()));
    EXPECT_TRUE(window.Combo3[2].Text().startsWith(QString("%1/12  ").arg(date.month())));
    // The grid's own copy is compared pixel for pixel elsewhere; its highlight here.
    platform::MSFlexGrid &grid = window.MSFlexGrid1[2];
    const auto [row, col] = Monthly::DayCellOf(Calc::Gregorian, date.day());
    grid.SetRow(row);
    grid.SetCol(col);
    EXPECT_EQ(grid.TextMatrix(row, col), QString::number(date.day()));
    EXPECT_TRUE(grid.CellFontBold());
}
