// The full lists, filled when the user enters a field; until then each field holds
// only the current value.
#include "monthly/MonthlyWindow.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/YearItems.h"
#include "monthly/FieldTexts.h"
#include "monthly/Hourglass.h"
#include "monthly/ListItems.h"

using namespace Monthly;

void MonthlyWindow::FillColumnList(platform::ComboBox &field, const QStringList &items) {
    const QString shown = field.Text();
    field.Clear();
    const Hourglass wait;
    field.AddItems(items);
    field.SetText(shown);
}

void MonthlyWindow::FillYearCombo(int pos) {
    FillColumnList(Combo2[pos], Start::YearItems(Start::ColumnCals[pos]));
}

void MonthlyWindow::FillMonthCombo(int pos) {
    const int16_t cal = Start::ColumnCals[pos];
    QStringList items;
    for (int32_t month = 1; month <= MonthsInYear(cal); ++month)
        items.append(MonthItemOf(cal, month));
    FillColumnList(Combo3[pos], items);
}

void MonthlyWindow::FillYearDayCombo(int pos) {
    const int16_t cal = Start::ColumnCals[pos];
    QStringList days;
    for (int32_t day = 1; day <= Calc::YearDays(cal); ++day)
        days.append(CountItem(day, Calc::YearDays(cal)));
    FillColumnList(Combo4[pos], days);
}

void MonthlyWindow::FillWeekCombo(int pos) {
    const int16_t cal = Start::ColumnCals[pos];
    QStringList weeks;
    for (int32_t week = 1; week <= Calc::YearWeeks(cal); ++week)
        weeks.append(CountItem(week, Calc::YearWeeks(cal)));
    FillColumnList(Combo5[pos], weeks);
}

void MonthlyWindow::FillMoonAgeCombo() {
    const QString shown = MoonAgeText(ChangeCals::MoonAge);
    const Hourglass wait;
    Combo7.Clear();
    Combo7.AddItems(MoonAges(MyVal(shown)));
    Combo7.SetText(shown);
}
