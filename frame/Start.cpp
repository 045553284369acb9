#include "frame/Start.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "frame/AppState.h"
#include "frame/Language.h"
#include "frame/SettingsTable.h"
#include "frame/Tooltips.h"
#include "frame/Windows.h"
#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"
#include "platform/core/Clock.h"

namespace Start {

namespace {

// The splash stays up at least this long: 0.000012 day is 1.0368 seconds.
constexpr double SplashDays = 0.000012;

void TakeTodayAsGregorian() {
    const platform::CalendarDate today = platform::Today();
    Calc::CalDates[Calc::Gregorian][Calc::Day] = today.Day;
    Calc::CalDates[Calc::Gregorian][Calc::Month] = today.Month;
    Calc::CalDates[Calc::Gregorian][Calc::Year] = today.Year;
}

void CreateCalendarWindows() {
    frmMonthlyCal.Get();
    for (int16_t cal = 1; cal <= 4; ++cal)
        YearWindowOf(cal).Get();
    frmMoon.Get();
}

// A startup window that names none would leave the program running with nothing
// shown: the monthly window, the default, opens then.
void OpenStartupWindow(int16_t window) {
    if (window >= 1 && window <= 4) {
        YearForm &year = *YearWindowOf(window);
        year.SetYearForm();
        year.Show();
        return;
    }
    frmMonthlyCal->ReSetForm();
    frmMonthlyCal->Show();
}

} // namespace

void Main() {
    ReadSettings();
    FillColors();

    frmAbout->Show();
    frmAbout->Refresh();
    const double deadline = platform::Now() + SplashDays;

    FillColumnLeft();
    Calc::InitCalendarTables();
    LoadLanguage(LanguageName);
    Calc::SetMoslemType();
    TakeTodayAsGregorian();
    Calc::FromGregorian();
    Calc::ToJulian();
    Calc::ToJewish();
    Calc::ToMoslem();
    ChangeCals::SetDayFacts();

    CreateCalendarWindows();
    if (ShowTips != 0) ChangeCals::SetToolTips();

    // The splash is not to be used meanwhile, so no window event is handled.
    while (platform::Now() < deadline) {
    }

    ChangeCals::ChangeSource = StartupWindow;
    OpenStartupWindow(StartupWindow);
    frmAbout.Destroy();
}

void PlaceWindow(platform::Form &window, int16_t top, int16_t left) {
    if (top < platform::ScreenHeight() && left < platform::ScreenWidth()) {
        window.SetTop(top);
        window.SetLeft(left);
    }
}

} // namespace Start
