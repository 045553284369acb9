// Start-up (module Start).
//  - Main: the program's entry: reads the settings, shows the About window as a
//    splash, prepares the calendar tables, the language and today's date, creates
//    the six calendar windows hidden, keeps the splash on the screen for at least
//    1.0368 seconds (the user's input meanwhile is dropped), opens the startup
//    window and removes the splash. The windows must be registered first (RegisterWindows).
//  - StartWithoutSplash: what Main prepares before it takes today's date, without
//    the splash: what an earlier run left cleared (ResetState, ChangeCals::Reset), the
//    settings read, the colour and column tables filled, the engine started with the
//    Moslem variant and the first week days read, the language LanguageName loaded.
//    For code that brings up the windows without Main (tests, benchmarks); the
//    selected day and the windows are left to the caller
//  - PlaceWindow(window, index): puts the window of that WindowIndex where it opens:
//    its saved position (WinTop, WinLeft) when its title bar is then on one of the
//    desktop's screens, its designed place when none was saved, and the saved
//    position moved onto the primary screen otherwise (WindowPlacement.h)
#pragma once

#include "platform/Form.h"

#include <cstdint>

namespace Start {

void Main();
void StartWithoutSplash();
void PlaceWindow(platform::Form &window, int16_t index);

} // namespace Start
