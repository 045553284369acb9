#include "frame/ProgramEnd.h"

#include <QCoreApplication>
#include <utility>

namespace ChangeCals {

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
        QCoreApplication::quit();
}

bool ProgramEnded() {
    return ended;
}

void SetEndHandler(std::function<void()> handler) {
    endHandler = std::move(handler);
    ended = false;
}

} // namespace ChangeCals
