#include "frame/Start.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/StartEngine.h"
#include "frame/AppState.h"
#include "frame/Language.h"
#include "frame/SettingsTable.h"
#include "frame/Tooltips.h"
#include "frame/WindowPlacement.h"
#include "frame/Windows.h"
#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"
#include "platform/Wait.h"
#include "platform/core/Clock.h"

namespace Start {

namespace {

// The splash stays up at least 0.000012 day, 1036.8 ms, counted in whole
// milliseconds on a clock that time-zone changes and clock steps leave alone.
constexpr qint64 SplashMilliseconds = 1037;
static_assert(SplashMilliseconds >= 0.000012 * 24 * 60 * 60 * 1000);

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

// Before the splash appears: the settings into memory, the colour tables filled.
void ReadStoredState() {
    ReadSettings();
    FillColors();
}

// While the splash is up: the column edges, the engine and the language, as the
// settings in memory have them.
void PrepareTables() {
    FillColumnLeft();
    Calc::StartEngine({Calc::MoslemType,
                       {Calc::FirstWeekDay[Calc::Julian], Calc::FirstWeekDay[Calc::Gregorian],
                        Calc::FirstWeekDay[Calc::Jewish], Calc::FirstWeekDay[Calc::Moslem]}});
    LoadLanguage(LanguageName);
}

} // namespace

void Main() {
    ReadStoredState();

    frmAbout->Show();
    frmAbout->Refresh();
    const qint64 deadline = platform::SteadyMilliseconds() + SplashMilliseconds;
    // Under a window manager the splash shows nothing until the manager has put it
    // on the screen and it has been painted there.
    platform::WaitWithoutInput(deadline, [] { return frmAbout->Exposed(); });

    PrepareTables();
    TakeTodayAsGregorian();
    Calc::FromGregorian();
    Calc::ToJulian();
    Calc::ToJewish();
    Calc::ToMoslem();
    ChangeCals::SetDayFacts();

    CreateCalendarWindows();
    if (ShowTips != 0) Frame::SetToolTips();

    // The splash stays on the screen, but is not to be used meanwhile.
    platform::WaitWithoutInput(deadline);

    ChangeCals::ChangeSource = StartupWindow;
    OpenStartupWindow(StartupWindow);
    frmAbout.Destroy();
}

void StartWithoutSplash() {
    ChangeCals::Reset();
    ResetState();
    ReadStoredState();
    PrepareTables();
}

void PlaceWindow(platform::Form &window, int16_t index) {
    const Area size{0, 0, window.Width(), window.Height()};
    const Area monthly =
        frmMonthlyCal.Exists() ? Area{0, 0, frmMonthlyCal->Width(), frmMonthlyCal->Height()} : size;
    const Area work = platform::WorkArea();
    const Area placed =
        PlacedAt(WinTop[index], WinLeft[index], DesignedPlace(index, size, monthly, work),
                 platform::ScreenAreas(), work);
    window.SetTop(placed.Top);
    window.SetLeft(placed.Left);
}

} // namespace Start
