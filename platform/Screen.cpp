#include "Screen.h"

#include "Units.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

int pointer = MousePointerDefault;

QSize ScreenSize() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

} // namespace

int ScreenWidth() {
    return PixelsToTwips(ScreenSize().width());
}

int ScreenHeight() {
    return PixelsToTwips(ScreenSize().height());
}

int MousePointer() {
    return pointer;
}

void SetMousePointer(int value) {
    const int wanted = value == MousePointerHourglass ? value : MousePointerDefault;
    if (wanted == pointer) return;
    pointer = wanted;
    if (wanted == MousePointerHourglass)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace platform
