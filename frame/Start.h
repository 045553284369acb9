// Start-up (module Start).
//  - Main: the program's entry: reads the settings, shows the About window as a
//    splash, prepares the calendar tables, the language and today's date, creates
//    the six calendar windows hidden, keeps the splash on the screen for at least
//    1.0368 seconds (the user's input meanwhile is dropped), opens the startup
//    window and removes the splash. The windows must be registered first (RegisterWindows).
//  - PlaceWindow(window, top, left): puts a window at a saved position, in twips,
//    when both values are less than the screen's height and width; otherwise the
//    window keeps its designed position. Negative values are applied.
#pragma once

#include "platform/Form.h"

#include <cstdint>

namespace Start {

void Main();
void PlaceWindow(platform::Form &window, int16_t top, int16_t left);

} // namespace Start
