#include "ProgramWindows.h"

#include "frame/Windows.h"
#include "monthly/MonthlyWindow.h"
#include "moon/MoonWindow.h"
#include "yearwindows/YearWindow.h"

namespace App {

void RegisterProgramWindows() {
    RegisterWindows({[] { return new MonthlyWindow(); },
                     [](int16_t cal) { return new YearWindow(cal); },
                     [] { return new MoonWindow(); }});
}

} // namespace App
