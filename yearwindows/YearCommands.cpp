// The year window's list and buttons.
#include "yearwindows/YearCals.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/WindowManagement.h"
#include "frame/YearItems.h"
#include "frame/about/AboutWindow.h"
#include "frame/options/OptionsWindow.h"
#include "platform/Screen.h"
#include "platform/core/Alerts.h"
#include "platform/core/Clock.h"
#include "yearwindows/YearWindow.h"

namespace YearCals {

namespace {

enum Command { PreviousYear = 1, NextYear, Today, Options, About, Close };

void ChangeFromWindow(int16_t source, int16_t cal) {
    ChangeCals::ChangeSource = source;
    ChangeCals::ChangeCal(cal);
}

// One year back or on, or a beep at the calendar's first or last year.
void StepYear(YearWindow &window, int16_t cal, int step) {
    int32_t &year = Calc::CalDates[cal][Calc::Year];
    if (step < 0 ? year <= Calc::MinYear[cal] : year >= Calc::MaxYear[cal]) {
        platform::Beep();
        return;
    }
    year += step;
    KeepYearList(window, cal);
    ChangeFromWindow(cal, cal);
}

// Today is a Gregorian date, whichever window asks.
void GoToToday(int16_t cal) {
    const platform::CalendarDate today = platform::Today();
    int32_t *const gregorian = Calc::CalDates[Calc::Gregorian];
    if (gregorian[Calc::Day] == today.Day && gregorian[Calc::Month] == today.Month &&
        gregorian[Calc::Year] == today.Year)
        return;
    gregorian[Calc::Day] = today.Day;
    gregorian[Calc::Month] = today.Month;
    gregorian[Calc::Year] = today.Year;
    ChangeFromWindow(cal, Calc::Gregorian);
}

} // namespace

void KeepYearList(YearWindow &window, int16_t cal) {
    platform::ComboBox &list = window.Combo1;
    const int32_t year = Calc::CalDates[cal][Calc::Year];
    const int32_t index = year - Calc::MinYear[cal];
    if (list.ListCount() > 1 && index >= 0 && index < list.ListCount()) {
        list.SetListIndex(index);
    } else {
        list.Clear();
        list.AddItem(QString::number(year));
        list.SetListIndex(0);
    }
    // What the list shows now is what a pick is compared with, wherever the year
    // came from.
    window.LastYearText = list.Text();
}

void FillYearList(YearWindow &window, int16_t cal) {
    platform::ComboBox &list = window.Combo1;
    const QString text = list.Text();
    list.Clear();
    platform::SetMousePointer(platform::MousePointerHourglass);
    list.AddItems(Start::YearItems(cal));
    // The list holds every year from the first on: the shown year's place is known
    // without searching 6,000 texts for it.
    bool shown = false;
    const int32_t year = text.toInt(&shown);
    if (shown) list.SetListIndex(year - Calc::MinYear[cal]);
    platform::SetMousePointer(platform::MousePointerDefault);
}

void YearListClick(YearWindow &window, int16_t cal) {
    if (Start::Updating) return;
    if (window.Combo1.Text() != window.LastYearText) {
        Calc::CalDates[cal][Calc::Year] = window.Combo1.ListIndex() + Calc::MinYear[cal];
        ChangeFromWindow(cal, cal);
    }
    window.LastYearText = window.Combo1.Text();
}

void YearCommand(YearWindow &window, int16_t cal, int index) {
    Start::Updating = true;
    switch (index) {
    case PreviousYear:
        StepYear(window, cal, -1);
        break;
    case NextYear:
        StepYear(window, cal, 1);
        break;
    case Today:
        GoToToday(cal);
        break;
    case Options:
        Start::ShowOptions();
        break;
    case About:
        frmAbout->Show();
        break;
    case Close:
        Frame::CloseWindow(window, cal);
        Frame::UpdateExitTips();
        break;
    }
    Start::Updating = false;
}

void ShowMoon() {
    if (!frmMoon->Visible()) frmMoon->ReSetForm();
    frmMoon->Show();
    frmMoon->SetWindowState(platform::WindowNormal);
}

} // namespace YearCals
