// The full lists, filled when the user enters a field; until then each field holds
// only the current value.
#include "monthly/MonthlyWindow.h"

#include "engine/Calc.h"
#include "monthly/FieldTexts.h"
#include "monthly/Hourglass.h"
#include "monthly/ListItems.h"

using namespace Monthly;

void MonthlyWindow::FillColumnList(platform::ComboBox &field, const QStringList &items) {
    LastText = field.Text();
    field.Clear();
    const Hourglass wait;
    field.AddItems(items);
    field.SetText(LastText);
}

void MonthlyWindow::FillYearCombo(int pos) {
    QStringList years;
    for (int32_t year = Calc::MinYear[CurCal]; year <= Calc::MaxYear[CurCal]; ++year)
        years.append(QString::number(year));
    FillColumnList(Combo2[pos], years);
}

void MonthlyWindow::FillMonthCombo(int pos) {
    QStringList items;
    for (int32_t month = 1; month <= MonthsInYear(CurCal); ++month)
        items.append(MonthItemOf(CurCal, month));
    FillColumnList(Combo3[pos], items);
}

void MonthlyWindow::FillYearDayCombo(int pos) {
    QStringList days;
    for (int32_t day = 1; day <= Calc::YearDays(CurCal); ++day)
        days.append(CountItem(day, Calc::YearDays(CurCal)));
    FillColumnList(Combo4[pos], days);
}

void MonthlyWindow::FillWeekCombo(int pos) {
    QStringList weeks;
    for (int32_t week = 1; week <= Calc::YearWeeks(CurCal); ++week)
        weeks.append(CountItem(week, Calc::YearWeeks(CurCal)));
    FillColumnList(Combo5[pos], weeks);
}

void MonthlyWindow::FillMoonAgeCombo() {
    const float age = MyVal(LastText);
    const Hourglass wait;
    Combo7.Clear();
    for (const QString &item : MoonAges(age))
        Combo7.AddItem(item);
    Combo7.SetText(LastText.trimmed());
}
