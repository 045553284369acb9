// YearCals: what the four year windows share; each procedure takes the window and
// its CalendarId where it needs them.
//  - UnloadYearForm(window): the window is being destroyed: hidden, then the
//    exit tooltips follow the new count of visible windows (which ends the program
//    when it was the last one)
//  - ShowMoon: the moon window brought up to date when it was hidden, shown and
//    restored from minimised
#pragma once

#include "frame/Windows.h"

namespace YearCals {

void UnloadYearForm(YearForm &window);
void ShowMoon();

} // namespace YearCals
