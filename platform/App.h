// App: the program as a whole.
//  - InitApplication: call once, right after the QApplication is made: names the
//    program (ProgramTitle and ProgramVersion, the settings store's name too), gives every window
//    the same style and the dialog font (a sans-serif at 8.25 points), and leaves the end of the
//    program to the program itself (closing the last window does not quit)
#pragma once

#include <QString>

namespace platform {

void InitApplication();

} // namespace platform
