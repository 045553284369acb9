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

namespace {

Area InTwips(const QRect &pixels) {
    return {PixelsToTwips(pixels.left()), PixelsToTwips(pixels.top()),
            PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height())};
}

} // namespace

std::vector<Area> ScreenAreas() {
    std::vector<Area> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.push_back(InTwips(screen->geometry()));
    return areas;
}

Area WorkArea() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? InTwips(screen->availableGeometry()) : Area{};
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
