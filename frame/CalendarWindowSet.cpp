#include "frame/CalendarWindowSet.h"

#include "frame/Windows.h"

namespace Frame {

bool CalendarWindowSet::MonthlyShown() {
    return frmMonthlyCal->Visible();
}
bool CalendarWindowSet::YearWindowShown(int16_t cal) {
    return YearWindowOf(cal)->Visible();
}
bool CalendarWindowSet::MoonShown() {
    return frmMoon->Visible();
}

void CalendarWindowSet::SetCal(int16_t pos) {
    frmMonthlyCal->SetCal(pos);
}
void CalendarWindowSet::SetGrid(int16_t pos) {
    frmMonthlyCal->SetGrid(pos);
}
void CalendarWindowSet::SetCommonInfo() {
    frmMonthlyCal->SetCommonInfo();
}
void CalendarWindowSet::SetYearForm(int16_t cal) {
    YearWindowOf(cal)->SetYearForm();
}
void CalendarWindowSet::MoonReSetForm() {
    frmMoon->ReSetForm();
}

void CalendarWindowSet::ShowYearWindow(int16_t cal) {
    YearWindowOf(cal)->Show();
}
void CalendarWindowSet::FocusMonthlyToday() {
    frmMonthlyCal->FocusToday();
}

CalendarWindowSet &CalendarWindows() {
    static CalendarWindowSet windows;
    return windows;
}

} // namespace Frame
