// The fields of the columns, the week day and the moon age: each accepted change
// ends in one call of the engine, which brings every window up to date.
#include "monthly/MonthlyWindow.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/SettingsTable.h"
#include "monthly/FieldTexts.h"
#include "platform/core/Alerts.h"

#include <algorithm>

using namespace Monthly;

void MonthlyWindow::Combo1_GotFocus(int pos) {
    CurCal = static_cast<int16_t>(Combo1[pos].ListIndex() + 1);
    EditStarted = true;
    LastText = QString::number(Combo1[pos].ListIndex());
}

void MonthlyWindow::Combo1_Click(int pos) {
    if (Start::Updating) return;
    if (Val(LastText) != Combo1[pos].ListIndex()) SwapColumnCals(pos);
    LastText = QString::number(Combo1[pos].ListIndex());
}

void MonthlyWindow::ColumnField_GotFocus(int pos, platform::ComboBox &field,
                                         void (MonthlyWindow::*fill)(int)) {
    CurCal = static_cast<int16_t>(Combo1[pos].ListIndex() + 1);
    EditStarted = true;
    LastText = field.Text();
    if (field.ListCount() == 1) (this->*fill)(pos);
}

void MonthlyWindow::Combo2_Click(int pos) {
    if (Start::Updating || Combo2[pos].Text() == LastText) return;
    Calc::CalDates[CurCal][Calc::Year] = Combo2[pos].ListIndex() + Calc::MinYear[CurCal];
    ChangeCals::ChangeCal(CurCal);
    LastText = Combo2[pos].Text();
}

void MonthlyWindow::Combo3_Click(int pos) {
    if (Start::Updating || Combo3[pos].Text() == LastText) return;
    Calc::CalDates[CurCal][Calc::Month] = Combo3[pos].ListIndex() + 1;
    ChangeCals::ChangeCal(CurCal);
    LastText = Combo3[pos].Text();
}

void MonthlyWindow::Combo4_Click(int pos) {
    if (Start::Updating || Combo4[pos].Text() == LastText) return;
    Calc::CurrentJD = ToLong(Calc::CurrentJD + Val(Combo4[pos].Text()) - Val(LastText));
    ChangeCals::ChangeJD();
    LastText = Combo4[pos].Text();
}

void MonthlyWindow::Combo5_Click(int pos) {
    if (Start::Updating || Combo5[pos].Text() == LastText) return;
    // A week step stays in the current year of the column's calendar.
    const int32_t day = ToLong(Calc::CurrentJD + (Val(Combo5[pos].Text()) - Val(LastText)) * 7);
    Calc::CurrentJD = std::clamp(day, Calc::YearBounds[CurCal][1], Calc::YearBounds[CurCal][2]);
    ChangeCals::ChangeJD();
    LastText = Combo5[pos].Text();
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
    if (Start::Updating) return;
    const int day = Combo6.ListIndex();
    const double before = Val(LastText);
    if (before == day) return;
    if (!StepDays(day - before)) {
        Combo6.SetListIndex(static_cast<int>(before));
        return;
    }
    LastText = QString::number(day);
}

void MonthlyWindow::Combo7_GotFocus() {
    LastText = Combo7.Text();
    FillMoonAgeCombo();
}

void MonthlyWindow::Combo7_DropDown() {
    LastText = Combo7.Text();
    if (Combo7.ListCount() == 1) FillMoonAgeCombo();
}

void MonthlyWindow::Combo7_Click() {
    if (Start::Updating) return;
    const float age = MyVal(Combo7.Text());
    const float before = MyVal(LastText);
    if (age == before) return;
    if (!StepDays(age - before)) {
        Combo7.SetText(LastText);
        return;
    }
    LastText = Combo7.Text();
}

void MonthlyWindow::SwapColumnCals(int pos) {
    // The column's own entry, not the selector's last position, names the calendar it
    // gives away: ColumnCals stays a permutation whatever the focus events did.
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
