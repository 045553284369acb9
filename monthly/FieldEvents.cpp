// The fields of the columns, the week day and the moon age: each accepted change
// ends in one call of the engine, which brings every window up to date. A field's
// change is measured from the engine's tables, which hold what the field showed
// before the user changed it, whatever other windows did meanwhile.
#include "monthly/MonthlyWindow.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/SettingsTable.h"
#include "monthly/FieldTexts.h"
#include "platform/core/Alerts.h"

#include <algorithm>

using namespace Monthly;

void MonthlyWindow::Combo1_Click(int pos) {
    if (Start::Updating) return;
    if (Combo1[pos].ListIndex() != Start::ColumnCals[pos] - 1) SwapColumnCals(pos);
}

void MonthlyWindow::ColumnField_GotFocus(int pos, platform::ComboBox &field,
                                         void (MonthlyWindow::*fill)(int)) {
    EditStarted = true;
    if (field.ListCount() == 1) (this->*fill)(pos);
}

void MonthlyWindow::ColumnField_DropDown(int pos, platform::ComboBox &field,
                                         void (MonthlyWindow::*fill)(int)) {
    // The focus may have come back with the window, raising no GotFocus.
    if (field.ListCount() == 1) (this->*fill)(pos);
}

void MonthlyWindow::Combo2_Click(int pos) {
    int16_t cal = Start::ColumnCals[pos];
    const int32_t year = ToLong(Val(Combo2[pos].Text()));
    if (Start::Updating || year == Calc::CalDates[cal][Calc::Year]) return;
    Calc::CalDates[cal][Calc::Year] = year;
    ChangeCals::ChangeCal(cal);
}

void MonthlyWindow::Combo3_Click(int pos) {
    int16_t cal = Start::ColumnCals[pos];
    const int32_t month = ToLong(Val(Combo3[pos].Text()));
    if (Start::Updating || month == Calc::CalDates[cal][Calc::Month]) return;
    Calc::CalDates[cal][Calc::Month] = month;
    ChangeCals::ChangeCal(cal);
}

void MonthlyWindow::Combo4_Click(int pos) {
    const int16_t cal = Start::ColumnCals[pos];
    const double step = Val(Combo4[pos].Text()) - Calc::CalDates[cal][Calc::YearDay];
    if (Start::Updating || step == 0) return;
    Calc::CurrentJD = ToLong(Calc::CurrentJD + step);
    ChangeCals::ChangeJD();
}

void MonthlyWindow::Combo5_Click(int pos) {
    const int16_t cal = Start::ColumnCals[pos];
    const double weeks = Val(Combo5[pos].Text()) - Calc::CalDates[cal][Calc::Week];
    if (Start::Updating || weeks == 0) return;
    // A week step stays in the current year of the column's calendar.
    const int32_t day = ToLong(Calc::CurrentJD + weeks * 7);
    Calc::CurrentJD = std::clamp(day, Calc::YearBounds[cal][1], Calc::YearBounds[cal][2]);
    ChangeCals::ChangeJD();
}

bool MonthlyWindow::StepDays(double days) {
    const int32_t day = ToLong(Calc::CurrentJD + days);
    if (day < Calc::MinJD[Calc::Jewish] || day > Calc::MaxJD[Calc::Jewish]) {
        platform::Beep();
        return false;
    }
    Calc::CurrentJD = day;
    ChangeCals::ChangeJD();
    return true;
}

void MonthlyWindow::Combo6_Click() {
    const int before = ChangeCals::CurrentWeekDay - 1;
    const int day = Combo6.ListIndex();
    if (Start::Updating || day == before) return;
    if (!StepDays(day - before)) Combo6.SetListIndex(before);
}

void MonthlyWindow::Combo7_DropDown() {
    if (Combo7.ListCount() == 1) FillMoonAgeCombo();
}

void MonthlyWindow::Combo7_Click() {
    const QString shown = MoonAgeText(ChangeCals::MoonAge);
    const float step = MyVal(Combo7.Text()) - MyVal(shown);
    if (Start::Updating || step == 0) return;
    if (!StepDays(step)) Combo7.SetText(shown);
}

void MonthlyWindow::SwapColumnCals(int pos) {
    const int16_t oldCal = Start::ColumnCals[pos];
    const auto newCal = static_cast<int16_t>(Combo1[pos].ListIndex() + 1);
    const int16_t *const columns = Start::ColumnCals + 1;
    const int other = static_cast<int>(std::find(columns, columns + 4, newCal) - columns) + 1;
    if (newCal == oldCal || other > 4) return;
    // A column whose calendar cannot show the day cannot give its calendar away.
    if (!Combo1[other].Visible() || !Combo1[other].Enabled()) {
        platform::Beep();
        Combo1[pos].SetListIndex(oldCal - 1);
        return;
    }
    Start::ColumnCals[pos] = newCal;
    Start::ColumnCals[other] = oldCal;
    Image1[oldCal].SetLeft(Start::ColumnLeft[other]);
    Image1[newCal].SetLeft(Start::ColumnLeft[pos]);
    Start::WriteColumnCals();

    for (const int column : {pos, other}) {
        Combo2[column].Clear();
        Combo3[column].Clear();
        Combo4[column].Clear();
        Combo5[column].Clear();
        MSFlexGrid1[column].Clear();
        MSFlexGrid1[column].SetBackColor(Start::BackColors[Start::ColumnCals[column]]);
    }
    SetCal(static_cast<int16_t>(pos));
    SetCal(static_cast<int16_t>(other));
    SetGrid(static_cast<int16_t>(pos));
    SetGrid(static_cast<int16_t>(other));
}
