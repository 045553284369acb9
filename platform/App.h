// App: the program as a whole.
//  - InitApplication: call once, right after the QApplication is made: names the
//    program ("Orvanta", for the settings store too), gives every window the same
//    style and the dialog font (a sans-serif at 8.25 points), and leaves the end of
//    the program to the program itself (closing the last window does not quit)
//  - AppTitle: "Orvanta"; AppMajor / AppMinor / AppRevision: the version, 1.0.17,
//    from the build
#pragma once

#include <QString>

namespace platform {

void InitApplication();

QString AppTitle();
int AppMajor();
int AppMinor();
int AppRevision();

} // namespace platform
