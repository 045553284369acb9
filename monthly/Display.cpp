// What the monthly window shows: every value comes from the engine's tables.
#include "monthly/MonthlyWindow.h"

#include "engine/Arith.h"
#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "monthly/FieldTexts.h"

using namespace Monthly;

void MonthlyWindow::MoveFocusOffColumn() {
    if (!EditStarted || !Visible()) return;
    EditStarted = false;
    Combo8.SetFocus();
    ChangeCals::ShowCalWindow(ChangeCals::ChangeSource);
}

void MonthlyWindow::SetCal(int16_t pos) {
    const int16_t c = Start::ColumnCals[pos];
    Start::Updating = true;
    platform::ComboBox *const fields[] = {&Combo1[pos], &Combo2[pos], &Combo3[pos], &Combo4[pos],
                                          &Combo5[pos]};
    if (Calc::CurrentJD < Calc::MinJD[c]) {
        MoveFocusOffColumn();
        for (platform::ComboBox *field : fields)
            field->SetVisible(false);
        MSFlexGrid1[pos].SetVisible(false);
        Start::Updating = false;
        return;
    }
    for (platform::ComboBox *field : fields)
        field->SetVisible(true);
    MSFlexGrid1[pos].SetVisible(true);
    const bool editable = Calc::CurrentJD <= Calc::MaxJD[c];
    if (!editable) MoveFocusOffColumn();
    for (platform::ComboBox *field : fields)
        field->SetEnabled(editable);
    MSFlexGrid1[pos].SetTabStop(editable);
    if (!editable) Combo2[pos].Clear();

    if (Combo1[pos].ListIndex() != c - 1) Combo1[pos].SetListIndex(c - 1);

    const int32_t year = Calc::CalDates[c][Calc::Year];
    if (Combo2[pos].ListCount() < 2) {
        Combo2[pos].SetSingleItem(QString::number(year));
    } else if (Combo2[pos].ListIndex() != year - Calc::MinYear[c]) {
        Combo2[pos].SetListIndex(year - Calc::MinYear[c]);
    }

    const int32_t months = MonthsInYear(c);
    const int32_t month = Calc::CalDates[c][Calc::Month];
    if (c == Calc::Jewish && Combo3[pos].ListCount() != months) Combo3[pos].Clear();
    if (Combo3[pos].ListCount() < 2) {
        Combo3[pos].SetSingleItem(MonthItemOf(c, month));
    } else if (Combo3[pos].ListIndex() != month - 1) {
        Combo3[pos].SetListIndex(month - 1);
    }

    const int32_t yearDay = Calc::CalDates[c][Calc::YearDay];
    const int16_t yearDays = Calc::YearDays(c);
    if (Combo4[pos].ListCount() < 2 || Combo4[pos].ListCount() != yearDays) {
        Combo4[pos].SetSingleItem(CountItem(yearDay, yearDays));
    } else {
        Combo4[pos].SetListIndex(yearDay - 1);
    }

    const int32_t week = Calc::CalDates[c][Calc::Week];
    const int16_t weeks = Calc::YearWeeks(c);
    if (Combo5[pos].ListCount() == 1 || Combo5[pos].ListCount() != weeks) {
        Combo5[pos].SetSingleItem(CountItem(week, weeks));
    } else if (Combo5[pos].ListIndex() != week - 1) {
        Combo5[pos].SetListIndex(week - 1);
    }
    Start::Updating = false;
}

bool MonthlyWindow::GridDrawable(int16_t cal) const {
    if (Calc::CurrentJD < Calc::MinJD[cal]) return false;
    const int32_t month = Calc::CalDates[cal][Calc::Month];
    if (month < 1 || month > 13) return false;
    const int16_t days = Calc::MonthDays(cal, month);
    const int16_t start = Calc::MonthStartWeekDay(cal, month);
    const int16_t first = Calc::FirstWeekDay[cal];
    return days >= 1 && days <= 31 && start >= 1 && start <= 7 && first >= 1 && first <= 7;
}

void MonthlyWindow::PaintDay(platform::MSFlexGrid &grid, int row, int col, bool selected,
                             int16_t cal) {
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetCellBackColor(selected ? Start::BackColors[Start::SelectedDayBack]
                                   : Start::BackColors[cal]);
    grid.SetCellForeColor(selected ? Start::ForeColors[Start::SelectedDayText]
                                   : Start::ForeColors[Start::DayText]);
    grid.SetCellFontBold(selected);
}

void MonthlyWindow::RestoreHighlight(int16_t pos) {
    const int16_t c = Start::ColumnCals[pos];
    PaintDay(MSFlexGrid1[pos], MonthGridSel[c][1], MonthGridSel[c][2], false, c);
}

void MonthlyWindow::SetGrid(int16_t pos) {
    const int16_t c = Start::ColumnCals[pos];
    // Before its calendar's range, or with tables that describe no month, the grid is
    // hidden or disabled: it keeps what it shows.
    if (!GridDrawable(c)) return;
    platform::MSFlexGrid &grid = MSFlexGrid1[pos];
    Start::Updating = true;
    grid.SetRedraw(false);
    RestoreHighlight(pos);

    const int16_t first = Calc::FirstWeekDay[c];
    for (int row = 0; row < 7; ++row) {
        const int weekDay = Arith::Mod(row + first - 1, 7) + 1;
        grid.SetTextMatrix(row, 0, QString::fromStdString(Texts::WeekDayAbbrs[weekDay]));
    }

    // Day numbers run down a week column, then on at the top of the next.
    const int32_t month = Calc::CalDates[c][Calc::Month];
    int row = 0;
    int col = 1;
    const auto advance = [&] {
        if (++row == 7) {
            row = 0;
            ++col;
        }
    };
    const int blanks = Arith::Mod(Calc::MonthStartWeekDay(c, month) + 7 - first, 7);
    for (int i = 0; i < blanks; ++i) {
        grid.SetTextMatrix(row, col, QString());
        advance();
    }
    const int32_t today = Calc::CalDates[c][Calc::Day];
    for (int day = 1; day <= Calc::MonthDays(c, month); ++day) {
        grid.SetTextMatrix(row, col, QString::number(day));
        if (day == today) {
            PaintDay(grid, row, col, true, c);
            MonthGridSel[c][1] = static_cast<int16_t>(row);
            MonthGridSel[c][2] = static_cast<int16_t>(col);
        }
        advance();
    }
    while (col < 7) {
        grid.SetTextMatrix(row, col, QString());
        advance();
    }
    Start::Updating = false;
    grid.SetRedraw(true);
    grid.Refresh();
}

void MonthlyWindow::SetCommonInfo() {
    Start::Updating = true;
    if (Combo6.ListIndex() != ChangeCals::CurrentWeekDay - 1)
        Combo6.SetListIndex(ChangeCals::CurrentWeekDay - 1);

    const int16_t phase = ChangeCals::MoonPhase;
    Command2[phase].ZOrder(0);
    for (int i = 0; i <= 8; ++i)
        Command2[i].SetTabStop(i == phase);
    Command2[phase].SetTabIndex(1);

    LastText = MoonAgeText(ChangeCals::MoonAge);
    Combo7.SetSingleItem(LastText);

    Combo8.SetSingleItem(QString::number(Calc::CurrentJD));
    Start::Updating = false;
}

void MonthlyWindow::ReSetForm() {
    Start::Updating = true;
    for (int16_t pos = 1; pos <= 4; ++pos) {
        const int16_t c = Start::ColumnCals[pos];
        Combo1[pos].Clear();
        for (int cal = 1; cal <= 4; ++cal)
            Combo1[pos].AddItem(QString::fromStdString(Texts::CalendarNames[cal]));
        Combo1[pos].SetListIndex(c - 1);
        Image1[c].SetLeft(Start::ColumnLeft[pos]);
        // The month names may have changed with the language.
        Combo3[pos].Clear();
    }
    Combo6.Clear();
    for (int day = 1; day <= 7; ++day)
        Combo6.AddItem(QString::fromStdString(Texts::WeekDayNames[day]));
    for (int16_t pos = 1; pos <= 4; ++pos) {
        SetCal(pos);
        SetGrid(pos);
    }
    SetCommonInfo();
}
