// RegisterProgramWindows: makes the program's own window classes known to the frame
// (the monthly window, the year window of each calendar, the moon window), for the
// program and for the tools that run its windows.
#pragma once

namespace App {

void RegisterProgramWindows();

} // namespace App
