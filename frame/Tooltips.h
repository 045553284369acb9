// The tooltips of the calendar windows (the window half of module ChangeCals).
//  - SetToolTips: every tooltip from the language tables, on the monthly window,
//    the four year windows and the moon window, shown or hidden, so that a window
//    opened later already carries them; each exit button gets "Exit" (the caller
//    follows with UpdateExitTips when several windows are shown)
//  - SetYearTips(w, c): one year window's tooltips; Command1(7..9) name the other
//    three calendars in CalendarId order
//  - ClearToolTips, ClearYearTips(w): the same controls without tooltips
//  - MonthlyTipTexts, YearTipTexts(c), MoonTipTexts: the texts those procedures give
#pragma once

#include "frame/WindowTips.h"
#include "frame/Windows.h"

#include <cstdint>

namespace Frame {

MonthlyTips MonthlyTipTexts();
YearTips YearTipTexts(int16_t cal);
MoonTips MoonTipTexts();

void SetToolTips();
void SetYearTips(YearForm &w, int16_t c);
void ClearToolTips();
void ClearYearTips(YearForm &w);

} // namespace Frame
