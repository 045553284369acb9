// Where a calendar window opens, worked out from plain numbers (twips): no window
// or screen is touched here.
//  - DesignedPlace(index, window, monthly, work): the place a window has before the
//    user moves it: the monthly window (WindowIndex 5) centred on the work area (the
//    primary screen without its panels); the year windows 1..4 and then the moon
//    window (6) cascaded down and to the right from the monthly window's designed
//    place, one title bar apart. Every place keeps the window inside the work area
//    as far as its size allows.
//  - PlacedAt(top, left, designed, screens, work): a saved place as it is used: never
//    saved (NoPosition), the designed place; saved where the window's title bar
//    lies on one of the desktop's screens, the saved place; saved where nobody
//    could reach the window (a screen that is gone, a hand-edited value), the saved
//    place moved just far enough to put the window inside the work area
#pragma once

#include "platform/Screen.h"

#include <cstdint>
#include <vector>

namespace Start {

using platform::Area;

// window and monthly: the sizes (Width, Height) of the window placed and of the
// monthly window.
Area DesignedPlace(int16_t index, const Area &window, const Area &monthly, const Area &work);

Area PlacedAt(int16_t top, int16_t left, const Area &designed, const std::vector<Area> &screens,
              const Area &work);

} // namespace Start
