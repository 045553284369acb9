#include "frame/WindowPlacement.h"

#include "frame/AppState.h"

#include <algorithm>

namespace Start {

namespace {

// One title bar and a little more: each cascaded window shows the caption of the
// one it covers.
constexpr int CascadeStep = 450;
// How much of the title bar must lie on a screen for the user to grab it.
constexpr int GrabWidth = 600;
constexpr int GrabHeight = 150;

// The window moved as little as possible to lie inside the area, its top-left
// corner first when it is larger than the area.
Area Inside(Area window, const Area &area) {
    window.Left = std::max(area.Left, std::min(window.Left, area.Left + area.Width - window.Width));
    window.Top = std::max(area.Top, std::min(window.Top, area.Top + area.Height - window.Height));
    return window;
}

bool TitleBarOn(const Area &window, const Area &screen) {
    const int left = std::max(window.Left, screen.Left);
    const int right = std::min(window.Left + window.Width, screen.Left + screen.Width);
    const int top = std::max(window.Top, screen.Top);
    const int bottom = std::min(window.Top + GrabHeight, screen.Top + screen.Height);
    return right - left >= std::min(GrabWidth, window.Width) && bottom - top >= GrabHeight;
}

} // namespace

Area DesignedPlace(int16_t index, const Area &window, const Area &monthly, const Area &work) {
    const Area centred =
        Inside({work.Left + (work.Width - monthly.Width) / 2,
                work.Top + (work.Height - monthly.Height) / 2, monthly.Width, monthly.Height},
               work);
    const int steps = index == MonthlyWindowIndex ? 0 : index == MoonWindowIndex ? 5 : index;
    return Inside({centred.Left + steps * CascadeStep, centred.Top + steps * CascadeStep,
                   window.Width, window.Height},
                  work);
}

Area PlacedAt(int16_t top, int16_t left, const Area &designed, const std::vector<Area> &screens,
              const Area &work) {
    if (top == NoPosition || left == NoPosition) return designed;
    const Area saved{left, top, designed.Width, designed.Height};
    for (const Area &screen : screens)
        if (TitleBarOn(saved, screen)) return saved;
    return Inside(saved, work);
}

} // namespace Start
