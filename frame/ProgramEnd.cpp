#include "frame/ProgramEnd.h"

#include <QCoreApplication>
#include <utility>

namespace Frame {

namespace {

std::function<void()> endHandler;
bool ended = false;

} // namespace

void EndProgram() {
    if (ended) return;
    ended = true;
    if (endHandler)
        endHandler();
    else
        // Not quit(): that first offers every window a close, which the windows
        // take as their title bar's close button and refuse.
        QCoreApplication::exit(0);
}

bool ProgramEnded() {
    return ended;
}

void SetEndHandler(std::function<void()> handler) {
    endHandler = std::move(handler);
    ended = false;
}

} // namespace Frame
