#include "frame/WindowManagement.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/ProgramEnd.h"
#include "frame/SettingsTable.h"
#include "frame/Windows.h"
#include "frame/about/AboutWindow.h"
#include "frame/options/OptionsWindow.h"

#include <algorithm>
#include <limits>

namespace Frame {

namespace {

// The window of a WindowIndex: 1..4 the year windows, then the monthly and the moon
// window.
platform::Form &WindowAt(int16_t index) {
    if (index == Start::MonthlyWindowIndex) return *frmMonthlyCal;
    if (index == Start::MoonWindowIndex) return *frmMoon;
    return *YearWindowOf(index);
}

// A window edge as a saved position: a desktop larger than the 16-bit range can
// place a window beyond it, and the nearest value it can hold is stored then.
int16_t SavedEdge(int twips) {
    return static_cast<int16_t>(std::clamp<int>(twips, std::numeric_limits<int16_t>::min(),
                                                std::numeric_limits<int16_t>::max()));
}

void SetExitButtonTips(const std::string &tip) {
    const QString text = QString::fromStdString(tip);
    frmMonthlyCal->ExitButton().SetToolTipText(text);
    for (int16_t cal = 1; cal <= 4; ++cal)
        YearWindowOf(cal)->ExitButton().SetToolTipText(text);
}

template <class Base> void MinimiseAndDestroy(WindowRef<Base> &ref) {
    ref->SetWindowState(platform::WindowMinimised);
    ref.Destroy();
}

template <class Base> void CloseUnlessMinimised(WindowRef<Base> &ref) {
    if (ref->WindowState() != platform::WindowMinimised) MinimiseAndDestroy(ref);
}

} // namespace

int16_t CountVisibleWindows() {
    int16_t count = frmMonthlyCal->Visible() ? 1 : 0;
    for (int16_t cal = 1; cal <= 4; ++cal)
        if (YearWindowOf(cal)->Visible()) ++count;
    return count;
}

void CloseWindow(platform::Form &w, int16_t n) {
    if (ProgramEnded()) return;
    if (CountVisibleWindows() < 2)
        ExitProgram(n);
    else
        w.Hide();
}

void ExitProgram(int16_t n) {
    if (ProgramEnded()) return;
    for (int16_t index = 1; index <= Start::WindowCount; ++index) {
        platform::Form &window = WindowAt(index);
        // A window never shown in this run keeps the place it was saved with, or
        // none when it never had one, so that it goes on opening at its designed place.
        if (window.WindowState() == platform::WindowMinimised || !window.EverShown()) continue;
        Start::WinTop[index] = SavedEdge(window.Top());
        Start::WinLeft[index] = SavedEdge(window.Left());
    }
    Start::WriteWindowPositions();
    if (n == 0)
        MinimiseAndDestroy(frmMonthlyCal);
    else if (n >= 1 && n <= 4)
        MinimiseAndDestroy(YearWindowOf(n));
    CloseOtherWindows(n);
    frmAbout.Destroy();
    frmOptions.Destroy();
    EndProgram();
}

void CloseOtherWindows(int16_t n) {
    CloseUnlessMinimised(frmMoon);
    for (int16_t cal = 1; cal <= 4; ++cal)
        if (cal != n) CloseUnlessMinimised(YearWindowOf(cal));
    if (n != 0) CloseUnlessMinimised(frmMonthlyCal);
}

void SetExitTips() {
    if (ProgramEnded()) return;
    if (Start::ShowTips != 0) SetExitButtonTips(Texts::StringTexts[Texts::TipExitTwoButtons]);
}

void UpdateExitTips() {
    if (ProgramEnded()) return;
    const int16_t visible = CountVisibleWindows();
    if (visible == 0) {
        EndProgram();
        return;
    }
    if (Start::ShowTips == 0) return;
    if (visible < 2)
        SetExitButtonTips(Texts::StringTexts[Texts::TipExit]);
    else
        SetExitTips();
}

void ShowMonthlyWindow() {
    if (frmMonthlyCal->Visible()) {
        if (frmMonthlyCal->WindowState() == platform::WindowMinimised)
            frmMonthlyCal->SetWindowState(platform::WindowNormal);
        frmMonthlyCal->Show();
    } else {
        frmMonthlyCal->ReSetForm();
        ChangeCals::ChangeSource = 0;
        ChangeCals::ChangeCal(Calc::Jewish);
        frmMonthlyCal->Show();
    }
    SetExitTips();
}

} // namespace Frame
