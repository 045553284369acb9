// Closing the main windows and ending the program (the window half of module ChangeCals).
//  - CountVisibleWindows: how many of the five main windows are shown (minimised
//    counts, hidden does not; the moon window never counts; a window that does not
//    exist is not created to be counted)
//  - CloseWindow(w, n): an exit button's left click: hides w, or ends the program
//    through ExitProgram when w is the only visible main window
//  - ExitProgram(n): saves the six window positions, ends the program, closes every
//    window
//  - CloseOtherWindows(n): minimises and destroys the moon window and every main
//    window but window n (minimised windows are left alone)
//  - SetExitTips: the exit buttons' tooltip for several visible windows
//  - UpdateExitTips: after a main window was hidden: ends the program, saving
//    nothing, when none is visible; else the exit tooltips for the new count
//  - ShowMonthlyWindow: a double-click's way to the monthly window: a shown one
//    is restored from minimised and raised, a hidden one is set up afresh from
//    the current day and shown; the exit tooltips follow
//
// Window numbers: 0 the monthly window, 1..4 the year window of that CalendarId.
// Once the program has ended (see ProgramEnd.h), CloseWindow, ExitProgram,
// SetExitTips and UpdateExitTips do nothing, so that the unload handlers the end
// still runs can neither end it twice nor bring windows back. Neither ending nor the
// exit tips create a window: windows that no longer exist are neither counted, saved,
// closed nor given a tip.
#pragma once

#include "platform/Form.h"

#include <cstdint>

namespace Frame {

int16_t CountVisibleWindows();
void CloseWindow(platform::Form &w, int16_t n);
void ExitProgram(int16_t n);
void CloseOtherWindows(int16_t n);
void SetExitTips();
void UpdateExitTips();
void ShowMonthlyWindow();

} // namespace Frame
