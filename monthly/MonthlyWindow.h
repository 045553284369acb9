// MonthlyWindow (instance frmMonthlyCal): the monthly calendars window, the selected day in four
// calendar columns side by side with the day's facts below them.
//  - per column pos 1..4 (the calendar ColumnCals(pos)): Combo1 calendar selector,
//    Combo2 year, Combo3 month, MSFlexGrid1 month grid, Combo4 year day, Combo5 week
//  - window-wide: Combo6 week day, Combo7 moon age, Combo8 Julian Day (typed),
//    Command2(0..8) the moon-phase buttons stacked on one spot (the current phase in
//    front), Command1(1..5) year calendars, today, options, about, exit;
//    Image1(1..4) the calendars' pictures, seen where a column is hidden
//  - SetCal, SetGrid, SetCommonInfo: one column's fields, one column's grid, the
//    window-wide facts, brought up to the engine's tables; ReSetForm: all of it,
//    with the calendar and week-day names
//  - the long lists (years, months, year days, weeks, moon ages, Julian Days) hold
//    only the current value until the user enters the field
//
// objectNames are the controls' names, with the index for array elements: "Combo2_3",
// "MSFlexGrid1_1", "Command1_5", "Command2_0", "Image1_4", "Combo8".
#pragma once

#include "frame/Windows.h"
#include "monthly/ColumnContent.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/Image.h"
#include "platform/MSFlexGrid.h"

#include <QString>
#include <cstdint>

class MonthlyWindow final : public MonthlyForm {
  public:
    MonthlyWindow();

    // Created first, so that every grid lies over the picture of its calendar.
    platform::ControlArray<platform::Image, 1, 4> Image1;
    platform::ControlArray<platform::ComboBox, 1, 4> Combo1;
    platform::ControlArray<platform::ComboBox, 1, 4> Combo2;
    platform::ControlArray<platform::ComboBox, 1, 4> Combo3;
    platform::ControlArray<platform::MSFlexGrid, 1, 4> MSFlexGrid1;
    platform::ControlArray<platform::ComboBox, 1, 4> Combo4;
    platform::ControlArray<platform::ComboBox, 1, 4> Combo5;
    platform::ComboBox Combo6;
    platform::ComboBox Combo7;
    platform::ComboBox Combo8;
    platform::ControlArray<platform::CommandButton, 0, 8> Command2;
    platform::ControlArray<platform::CommandButton, 1, 5> Command1;

    void SetCal(int16_t pos) override;
    void SetGrid(int16_t pos) override;
    void SetCommonInfo() override;
    void ReSetForm() override;
    void FocusToday() override;
    platform::CommandButton &ExitButton() override { return Command1[5]; }
    void SetTips(const MonthlyTips &tips) override;

  protected:
    void Form_Load() override;
    void Form_Unload() override;

  private:
    // Design of the controls: styles, fonts, geometry, pictures, tab order.
    void DesignColumn(int pos);
    void DesignCommonFields();
    void DesignButtons();
    void ConnectColumn(int pos);
    void ConnectCommonFields();
    void ConnectButtons();

    // Display helpers.
    void MoveFocusOffColumn();
    // A full list that still fits is kept and moved to the value; any other list
    // becomes the single item.
    void ShowField(platform::ComboBox &field, const Monthly::FieldContent &content);

    // Field events.
    void Combo1_Click(int pos);
    void ColumnField_GotFocus(int pos, platform::ComboBox &field, void (MonthlyWindow::*fill)(int));
    void ColumnField_DropDown(int pos, platform::ComboBox &field, void (MonthlyWindow::*fill)(int));
    void Combo2_Click(int pos);
    void Combo3_Click(int pos);
    void Combo4_Click(int pos);
    void Combo5_Click(int pos);
    void Combo6_Click();
    void Combo7_DropDown();
    void Combo7_Click();
    void Combo8_DropDown();
    void Combo8_Change();
    void Combo8_KeyDown(int &keyCode);
    void Combo8_LeftWindow();
    void SwapColumnCals(int pos);
    // A day out of the range keeps the focus in the field, and a click that moved
    // the focus away does nothing.
    void ApplyJulianDay();
    // While the program itself moves the focus or rewrites the field.
    bool IgnoresJulianDayFieldEvents() const;
    // A week-day or moon-age step: the new day, or the beep when it leaves the range.
    bool StepDays(double days);

    // List fillers.
    void FillYearCombo(int pos);
    void FillMonthCombo(int pos);
    void FillYearDayCombo(int pos);
    void FillWeekCombo(int pos);
    void FillMoonAgeCombo();
    void FillJulianDayCombo();
    static void FillColumnList(platform::ComboBox &field, const QStringList &items);

    // Grid events.
    void MSFlexGrid1_MouseDown(int pos);
    void MSFlexGrid1_DblClick(int pos);

    // Buttons.
    void Command1_Click(int index);
    void Command1_MouseDown(int index, int button);
    void Command2_Click();

    // The user started a change in a column; SetCal takes the focus off a column it
    // hides or disables only then.
    bool EditStarted = false;
    // The Julian Day field's text as last shown by the window or typed and let
    // through: a refused keystroke brings it back. The other fields compare with
    // the engine's tables, which hold what they showed before the user's change.
    QString JulianDayText;
    // ApplyJulianDay is running: the focus moves it causes do not run it again.
    bool ApplyingJulianDay = false;
};
