#include "frame/Tooltips.h"

#include "engine/Texts.h"

namespace Frame {

namespace {

QString Tip(Texts::StringText entry) {
    return QString::fromStdString(Texts::StringTexts[entry]);
}

} // namespace

MonthlyTips MonthlyTipTexts() {
    using namespace Texts;
    MonthlyTips tips{Tip(TipCalendar),  Tip(TipYear), Tip(TipMonth),   Tip(TipMonthGrid),
                     Tip(TipYearDay),   Tip(TipWeek), Tip(TipWeekDay), Tip(TipMoonAge),
                     Tip(TipJulianDay), {},           Tip(TipMoon)};
    for (int k = 1; k <= 5; ++k)
        tips.Command1[k] = Tip(static_cast<StringText>(TipMoon + k));
    return tips;
}

YearTips YearTipTexts(int16_t cal) {
    using namespace Texts;
    YearTips tips{{QString(), Tip(TipPreviousYear), Tip(TipNextYear), Tip(TipToday),
                   Tip(TipOptions), Tip(TipAbout), Tip(TipExit)},
                  Tip(TipMoon),
                  Tip(TipYearGrid),
                  Tip(TipYear)};
    int button = 7;
    for (int16_t other = 1; other <= 4; ++other)
        if (other != cal) tips.Command1[button++] = QString::fromStdString(CalendarNames[other]);
    return tips;
}

MoonTips MoonTipTexts() {
    return {Tip(Texts::TipMoonPicture), Tip(Texts::TipMoonAge)};
}

void SetToolTips() {
    frmMonthlyCal->SetTips(MonthlyTipTexts());
    for (int16_t cal = 1; cal <= 4; ++cal)
        SetYearTips(*YearWindowOf(cal), cal);
    frmMoon->SetTips(MoonTipTexts());
}

void SetYearTips(YearForm &w, int16_t c) {
    w.SetTips(YearTipTexts(c));
}

void ClearToolTips() {
    frmMonthlyCal->SetTips({});
    for (int16_t cal = 1; cal <= 4; ++cal)
        ClearYearTips(*YearWindowOf(cal));
    frmMoon->SetTips({});
}

void ClearYearTips(YearForm &w) {
    w.SetTips({});
}

} // namespace Frame
