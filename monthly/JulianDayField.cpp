// The Julian Day field, the only one that takes typing: digits only, applied on
// Enter, on a pick from its list and when the field is left.
#include "monthly/MonthlyWindow.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "monthly/FieldTexts.h"
#include "monthly/Hourglass.h"
#include "monthly/ListItems.h"
#include "platform/Input.h"
#include "platform/core/Alerts.h"

using namespace Monthly;

void MonthlyWindow::Combo8_DropDown() {
    LastText = Combo8.Text();
    if (Combo8.ListCount() == 1) FillJulianDayCombo();
}

void MonthlyWindow::Combo8_Change() {
    if (IsJulianDayText(Combo8.Text())) return;
    platform::Beep();
    Combo8.SetText(LastText);
}

void MonthlyWindow::Combo8_KeyDown(int &keyCode) {
    if (keyCode != platform::KeyEnter) return;
    // The field's list is ours: Enter applies the day and adds no item of its own.
    keyCode = 0;
    ApplyJulianDay();
}

void MonthlyWindow::ApplyJulianDay() {
    // The message box and the focus moves of the refresh take the focus from the
    // field; they must not apply it once more.
    if (ApplyingJulianDay) return;
    ApplyingJulianDay = true;
    const double day = Val(Combo8.Text());
    const int32_t first = Calc::MinJD[Calc::Jewish];
    const int32_t last = Calc::MaxJD[Calc::Jewish];
    if (day < first || day > last) {
        Combo8.SetFocus();
        platform::MsgBox(QString::fromStdString(Texts::StringTexts[Texts::TextJulianDayRange]) + '\n' +
                             QString::number(first) + " \u2014 " + QString::number(last),
                         Caption());
    } else {
        if (Val(LastText) != day) {
            Calc::CurrentJD = ToLong(day);
            ChangeCals::ChangeJD();
        }
        LastText = Combo8.Text();
    }
    ApplyingJulianDay = false;
}

void MonthlyWindow::FillJulianDayCombo() {
    const int32_t day = ToLong(Val(Combo8.Text()));
    const Hourglass wait;
    Combo8.Clear();
    for (const int32_t item : JulianDays(day))
        Combo8.AddItem(QString::number(item));
    Combo8.SetText(QString::number(day));
}
