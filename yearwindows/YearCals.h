// YearCals: what the four year windows share; each procedure takes the window and
// its CalendarId, so one implementation serves all four.
//  - LoadYearForm: caption, the grid's designed geometry and colours, the window
//    sized to end at the grid
//  - SetYearForm: the window brought up to the selected day: the other-calendar
//    buttons, the moon of the day, the list and year buttons for the day's place in
//    the calendar's range, and the grid: redrawn in full (SetYearGrid) when the day
//    lies outside the year drawn last, else only its highlight moved (two cells)
//  - SelectDay: a left press on a day of the grid selects it
//  - FillYearList: every admissible year in the list, keeping the one shown;
//    YearListClick: a year picked in the list; KeepYearList: the list shows the
//    selected day's year (as its one entry while it is not filled, or when the year
//    lies past the calendar's last one)
//  - YearCommand: previous / next year, today, options, about, close
//  - ShowMoon: the moon window opened from a year window
//  - UnloadYearForm: the window is being destroyed: its grid counts as never drawn,
//    the window hides, and the exit tooltips follow the new count of visible windows
//    (which ends the program when it was the last one)
//  - JewishWidth: the Jewish window as wide as its year's week columns
//  - OtherCalendar(cal, index): the calendar that button Command1(index), 7..9, opens:
//    the three other calendars in increasing order
#pragma once

#include <cstdint>

class YearWindow;

namespace YearCals {

void LoadYearForm(YearWindow &window, int16_t cal);
void SetYearForm(YearWindow &window, int16_t cal);
void SetYearGrid(YearWindow &window, int16_t cal);
void SelectDay(YearWindow &window, int16_t cal);
void FillYearList(YearWindow &window, int16_t cal);
void YearListClick(YearWindow &window, int16_t cal);
void KeepYearList(YearWindow &window, int16_t cal);
void YearCommand(YearWindow &window, int16_t cal, int index);
void ShowMoon();
void UnloadYearForm(YearWindow &window, int16_t cal);
void JewishWidth(YearWindow &window);
int16_t OtherCalendar(int16_t cal, int index);

} // namespace YearCals
