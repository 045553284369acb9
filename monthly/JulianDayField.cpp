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
    if (Combo8.ListCount() == 1) FillJulianDayCombo();
}

void MonthlyWindow::Combo8_Change() {
    if (IsJulianDayText(Combo8.Text())) {
        JulianDayText = Combo8.Text();
        return;
    }
    platform::Beep();
    Combo8.SetText(JulianDayText);
}

void MonthlyWindow::Combo8_KeyDown(int &keyCode) {
    if (keyCode != platform::KeyEnter) return;
    // The field's list is ours: Enter applies the day and adds no item of its own.
    keyCode = 0;
    ApplyJulianDay();
}

void MonthlyWindow::Combo8_LeftWindow() {
    // The user went to another window: the field shows the day every column shows,
    // the typed one when it can be, else the current one again (no message: the user
    // is elsewhere now).
    if (ApplyingJulianDay) return;
    const std::optional<int32_t> day = AdmissibleJulianDay(Combo8.Text());
    if (day && *day != Calc::CurrentJD) {
        Calc::CurrentJD = *day;
        ChangeCals::ChangeJD();
    } else if (!day) {
        Combo8.SetText(QString::number(Calc::CurrentJD));
    }
}

void MonthlyWindow::ApplyJulianDay() {
    // The message box and the focus moves of the refresh take the focus from the
    // field; they must not apply it once more.
    if (ApplyingJulianDay) return;
    ApplyingJulianDay = true;
    const std::optional<int32_t> day = AdmissibleJulianDay(Combo8.Text());
    if (!day) {
        const int32_t first = Calc::MinJD[Calc::Jewish];
        const int32_t last = Calc::MaxJD[Calc::Jewish];
        platform::MsgBox(QString::fromStdString(Texts::StringTexts[Texts::TextJulianDayRange]) +
                             '\n' + QString::number(first) + " \u2014 " + QString::number(last),
                         Caption());
        Combo8.TakeFocusBack();
    } else if (*day != Calc::CurrentJD) {
        Calc::CurrentJD = *day;
        ChangeCals::ChangeJD();
    }
    ApplyingJulianDay = false;
}

void MonthlyWindow::FillJulianDayCombo() {
    const QString typed = Combo8.Text();
    const std::optional<int32_t> day = AdmissibleJulianDay(typed);
    const Hourglass wait;
    Combo8.Clear();
    for (const int32_t item : JulianDays(day.value_or(0)))
        Combo8.AddItem(QString::number(item));
    Combo8.SetText(day ? QString::number(*day) : typed);
}
