// Hourglass: the hourglass pointer while a long list is filled, the default after.
#pragma once

#include "platform/Screen.h"

namespace Monthly {

class Hourglass {
  public:
    Hourglass() { platform::SetMousePointer(platform::MousePointerHourglass); }
    ~Hourglass() { platform::SetMousePointer(platform::MousePointerDefault); }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;
};

} // namespace Monthly
