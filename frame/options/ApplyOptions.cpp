// Apply: every choice written to the settings, then only the windows it changes
// brought up to date.
#include "frame/options/OptionsWindow.h"

#include "engine/Calc.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Language.h"
#include "frame/SettingsTable.h"
#include "frame/Tooltips.h"
#include "frame/WindowManagement.h"
#include "frame/Windows.h"
#include "frame/about/AboutWindow.h"
#include "platform/Screen.h"
#include "platform/core/Alerts.h"
#include "platform/core/Program.h"

#include <algorithm>
#include <iterator>

namespace {

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

// Marks of what changed: 1..4 a calendar's year window, 5 the monthly window.
using RowFlags = bool[6];

} // namespace

bool OptionsWindow::ApplyOptions() {
    if (Combo3.Text().isEmpty()) {
        Combo3.SetFocus();
        platform::MsgBox(Text(Texts::StringTexts[Texts::TextSelectLanguage]),
                         platform::ProgramTitle());
        return false;
    }
    platform::SetMousePointer(platform::MousePointerHourglass);
    NewLanguage = Combo3.Text();
    Start::StartupWindow = static_cast<int16_t>(Combo2.ListIndex());
    Start::StoredOptions options{
        NewMoslemType, {}, NewLanguage, Start::StartupWindow, static_cast<int16_t>(Check1.Value())};
    std::copy(std::begin(NewFirstWeekDay), std::end(NewFirstWeekDay), options.FirstWeekDay);
    Start::WriteOptions(options);
    frmAbout.Destroy();
    Hide();
    for (int cal = 1; cal <= 4; ++cal)
        std::fill(std::begin(Start::GridYearBounds[cal]), std::end(Start::GridYearBounds[cal]), 0);
    if (NewLanguage != Start::LanguageName)
        ApplyLanguage();
    else
        ApplySettings();
    platform::SetMousePointer(platform::MousePointerDefault);
    return true;
}

namespace {

// The Moslem variant and the first week days into the engine; marks the windows
// whose contents they change.
void ApplyCalendarChoices(int16_t newMoslemType, const int16_t (&newFirstWeekDay)[5],
                          RowFlags &changed) {
    if (newMoslemType != Calc::MoslemType) {
        changed[5] = changed[Calc::Moslem] = true;
        Calc::MoslemType = newMoslemType;
        Calc::SetMoslemType();
        Calc::ToMoslem();
    }
    for (int16_t cal = 1; cal <= 4; ++cal) {
        if (newFirstWeekDay[cal] == Calc::FirstWeekDay[cal]) continue;
        changed[5] = changed[cal] = true;
        Calc::FirstWeekDay[cal] = newFirstWeekDay[cal];
        ChangeCals::SetWeekFacts(cal);
    }
}

void SetCaptions() {
    frmMonthlyCal->SetCaption(Text(Texts::CalendarNames[5]));
    for (int16_t cal = 1; cal <= 4; ++cal)
        YearWindowOf(cal)->SetCaption(Text(Texts::CalendarNames[cal]));
    // Shown or not, so that it opens later in the new language as well.
    frmMoon->SetCaption(Text(Texts::LabelTexts[Texts::LabelMoonCaption]));
}

} // namespace

// LoadLanguage has formed the Jewish month names of the current year from the new
// Adar name already, so they are not formed a second time here. A Moslem variant
// that changed together with a language that could not be loaded still brings the
// windows up to date: the engine has moved to the new variant either way.
void OptionsWindow::ApplyLanguage() {
    RowFlags changed = {};
    Start::LoadLanguage(NewLanguage);
    ApplyCalendarChoices(NewMoslemType, NewFirstWeekDay, changed);
    const bool languageChanged = NewLanguage != Start::LanguageName;
    if (languageChanged) SetCaptions();
    if (languageChanged || changed[5]) {
        Start::LanguageName = NewLanguage;
        if (frmMonthlyCal->Visible()) frmMonthlyCal->ReSetForm();
        for (int16_t cal = 1; cal <= 4; ++cal)
            if (YearWindowOf(cal)->Visible()) YearWindowOf(cal)->SetYearForm();
    }
    Start::ShowTips = static_cast<int16_t>(Check1.Value());
    ApplyTips();
}

void OptionsWindow::ApplySettings() {
    RowFlags changed = {};
    ApplyCalendarChoices(NewMoslemType, NewFirstWeekDay, changed);
    if (changed[5]) frmMonthlyCal->ReSetForm();
    for (int16_t cal = 1; cal <= 4; ++cal)
        if (changed[cal] && YearWindowOf(cal)->Visible()) YearWindowOf(cal)->SetYearForm();
    if (Check1.Value() != Start::ShowTips) {
        Start::ShowTips = static_cast<int16_t>(Check1.Value());
        ApplyTips();
    }
}

void OptionsWindow::ApplyTips() {
    if (Start::ShowTips != 0) {
        Frame::SetToolTips();
        Frame::UpdateExitTips();
    } else {
        Frame::ClearToolTips();
    }
}
