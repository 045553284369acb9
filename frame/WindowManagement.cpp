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

// A window edge as a saved position: a desktop larger than the 16-bit range can
// place a window beyond it, and the nearest value it can hold is stored then.
int16_t SavedEdge(int twips) {
    return static_cast<int16_t>(std::clamp<int>(twips, std::numeric_limits<int16_t>::min(),
                                                std::numeric_limits<int16_t>::max()));
}

// A window closed through its title bar no longer exists. Looking at it through its
// name would create it anew, so counting, saving, closing and the exit tips look only
// at the windows that exist: neither the end of the program nor a tip brings a window
// back. A window shown later gets its exit tip then (SetExitTips follows every show).
template <class Base> bool Shown(WindowRef<Base> &ref) {
    return ref.Exists() && ref->Visible();
}

template <class Base> void SetExitTip(WindowRef<Base> &ref, const QString &text) {
    if (ref.Exists()) ref->ExitButton().SetToolTipText(text);
}

void SetExitButtonTips(const std::string &tip) {
    const QString text = QString::fromStdString(tip);
    SetExitTip(frmMonthlyCal, text);
    for (int16_t cal = 1; cal <= 4; ++cal)
        SetExitTip(YearWindowOf(cal), text);
}

// A window never shown in this run keeps the place it was saved with, or none when
// it never had one, so that it goes on opening at its designed place; a minimised
// one keeps what memory holds.
template <class Base> void SavePlace(WindowRef<Base> &ref, int16_t index) {
    if (!ref.Exists() || ref->WindowState() == platform::WindowMinimised || !ref->EverShown())
        return;
    Start::WinTop[index] = SavedEdge(ref->Top());
    Start::WinLeft[index] = SavedEdge(ref->Left());
}

template <class Base> void MinimiseAndDestroy(WindowRef<Base> &ref) {
    if (!ref.Exists()) return;
    ref->SetWindowState(platform::WindowMinimised);
    ref.Destroy();
}

template <class Base> void CloseUnlessMinimised(WindowRef<Base> &ref) {
    if (ref.Exists() && ref->WindowState() != platform::WindowMinimised) MinimiseAndDestroy(ref);
}

} // namespace

int16_t CountVisibleWindows() {
    int16_t count = Shown(frmMonthlyCal) ? 1 : 0;
    for (int16_t cal = 1; cal <= 4; ++cal)
        if (Shown(YearWindowOf(cal))) ++count;
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
    for (int16_t cal = 1; cal <= 4; ++cal)
        SavePlace(YearWindowOf(cal), cal);
    SavePlace(frmMonthlyCal, Start::MonthlyWindowIndex);
    SavePlace(frmMoon, Start::MoonWindowIndex);
    Start::WriteWindowPositions();
    // Ended before the windows close: their unload handlers, which count the windows
    // left for the exit tooltips, then do nothing.
    EndProgram();
    if (n == 0)
        MinimiseAndDestroy(frmMonthlyCal);
    else if (n >= 1 && n <= 4)
        MinimiseAndDestroy(YearWindowOf(n));
    CloseOtherWindows(n);
    frmAbout.Destroy();
    frmOptions.Destroy();
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
