#include "yearwindows/YearCals.h"

#include "frame/WindowManagement.h"

namespace YearCals {

void UnloadYearForm(YearForm &window) {
    window.Hide();
    ChangeCals::UpdateExitTips();
}

void ShowMoon() {
    if (!frmMoon->Visible()) frmMoon->ReSetForm();
    frmMoon->Show();
    frmMoon->SetWindowState(0);
}

} // namespace YearCals
