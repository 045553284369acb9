// The end of the program, as a seam.
//  - EndProgram: the program ends: from here on the window procedures do nothing,
//    and the event loop is told to return (QCoreApplication::exit), so that main
//    can take the remaining windows down and return; later calls do nothing
//  - ProgramEnded: whether EndProgram has run
//  - SetEndHandler(handler): tests put a recorder in place of the exit; it also
//    starts a new run (ProgramEnded false again). An empty handler brings back the
//    exit.
#pragma once

#include <functional>

namespace Frame {

void EndProgram();
bool ProgramEnded();
void SetEndHandler(std::function<void()> handler);

} // namespace Frame
