// The five buttons and the moon-phase buttons.
#include "monthly/MonthlyWindow.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/WindowManagement.h"
#include "frame/about/AboutWindow.h"
#include "frame/options/OptionsWindow.h"
#include "platform/Input.h"
#include "platform/core/Clock.h"

namespace {

enum Button { YearCalendarsButton = 1, TodayButton, OptionsButton, AboutButton, ExitButtonIndex };

} // namespace

void MonthlyWindow::Command1_Click(int index) {
    switch (index) {
    case YearCalendarsButton:
        // Column 1's window is opened last, so it ends on top.
        for (int pos = 4; pos >= 1; --pos) {
            YearForm &window = *YearWindowOf(Start::ColumnCals[pos]);
            window.SetYearForm();
            window.Show();
            window.SetWindowState(platform::WindowNormal);
        }
        Frame::SetExitTips();
        break;
    case TodayButton: {
        const platform::CalendarDate today = platform::Today();
        int32_t *const gregorian = Calc::CalDates[Calc::Gregorian];
        if (gregorian[Calc::Day] != today.Day || gregorian[Calc::Month] != today.Month ||
            gregorian[Calc::Year] != today.Year) {
            gregorian[Calc::Day] = today.Day;
            gregorian[Calc::Month] = today.Month;
            gregorian[Calc::Year] = today.Year;
            ChangeCals::ChangeCal(Calc::Gregorian);
        }
        break;
    }
    case OptionsButton:
        Start::ShowOptions();
        break;
    case AboutButton:
        frmAbout->Show();
        break;
    case ExitButtonIndex:
        Frame::CloseWindow(*this, 0);
        Frame::UpdateExitTips();
        break;
    }
}

void MonthlyWindow::Command1_MouseDown(int index, int button) {
    if (index == ExitButtonIndex && button == platform::MouseRight) {
        Frame::ExitProgram(0);
    }
}

void MonthlyWindow::Command2_Click() {
    if (!frmMoon->Visible()) frmMoon->ReSetForm();
    frmMoon->Show();
}
