// Wait: time passing while the shown windows stay on the screen but cannot be used.
//  - WaitWithoutInput(until, done): until the monotonic clock (SteadyMilliseconds)
//    reaches until, or done() answers true, the window system may map, expose and
//    paint the shown windows; the user's input arriving meanwhile (keys, mouse, wheel,
//    touch, a close from the title bar) reaches no window and is dropped. The thread
//    sleeps between checks.
#pragma once

#include <QtGlobal>
#include <functional>

namespace platform {

void WaitWithoutInput(qint64 until, const std::function<bool()> &done = {});

} // namespace platform
