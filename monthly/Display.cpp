// Copies what the monthly window shows onto its controls: the contents come from
// ColumnContent and MonthGrid, worked out from the engine's tables.
#include "monthly/MonthlyWindow.h"

#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "monthly/ColumnContent.h"
#include "monthly/MonthGrid.h"
#include "platform/ButtonStack.h"

using namespace Monthly;

void MonthlyWindow::MoveFocusOffColumn() {
    if (!EditStarted || !Visible()) return;
    EditStarted = false;
    Combo8.SetFocus();
    ChangeCals::ShowCalWindow(ChangeCals::ChangeSource);
}

void MonthlyWindow::ShowField(platform::ComboBox &field, const FieldContent &content) {
    if (content.ListCount > 1 && field.ListCount() == content.ListCount) {
        field.SetListIndex(content.ListIndex);
        return;
    }
    field.SetSingleItem(content.Text);
}

void MonthlyWindow::SetCal(int16_t pos) {
    const ColumnContent column = ColumnContentOf(Start::ColumnCals[pos]);
    Start::Updating = true;
    platform::ComboBox *const fields[] = {&Combo1[pos], &Combo2[pos], &Combo3[pos], &Combo4[pos],
                                          &Combo5[pos]};
    const bool shown = column.State != ColumnState::Hidden;
    const bool editable = column.State == ColumnState::Enabled;
    if (!editable) MoveFocusOffColumn();
    for (platform::ComboBox *field : fields)
        field->SetVisible(shown);
    MSFlexGrid1[pos].SetVisible(shown);
    if (shown) {
        for (platform::ComboBox *field : fields)
            field->SetEnabled(editable);
        MSFlexGrid1[pos].SetTabStop(editable);
        Combo1[pos].SetListIndex(column.CalendarIndex);
        ShowField(Combo2[pos], column.Year);
        ShowField(Combo3[pos], column.Month);
        ShowField(Combo4[pos], column.YearDay);
        ShowField(Combo5[pos], column.Week);
    }
    Start::Updating = false;
}

void MonthlyWindow::SetGrid(int16_t pos) {
    // A grid whose calendar cannot show the day is hidden: it keeps what it shows.
    const auto content = MonthGridOf(Start::ColumnCals[pos]);
    if (!content) return;
    Start::Updating = true;
    platform::ShowGridContent(MSFlexGrid1[pos], *content);
    Start::Updating = false;
}

void MonthlyWindow::SetCommonInfo() {
    const CommonContent common = CommonContentOf();
    Start::Updating = true;
    Combo6.SetListIndex(common.WeekDayIndex);

    platform::ShowInFront(Command2, common.MoonPhase, 1);
    Combo7.SetSingleItem(common.MoonAge);
    Combo8.SetSingleItem(common.JulianDay);
    JulianDayText = common.JulianDay;
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
