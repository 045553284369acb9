// Screen: the screen as the windows see it.
//  - ScreenWidth / ScreenHeight: the primary screen's size in twips
//  - Area: a rectangle in twips, left and top edge, width and height
//  - ScreenAreas: every screen of the desktop, where it lies on the virtual desktop
//  - WorkArea: the primary screen without the desktop's panels and docks
//  - MousePointer / SetMousePointer: the pointer over every window of the program,
//    MousePointerHourglass (11) or MousePointerDefault (0); setting the value it
//    already has changes nothing
#pragma once

#include <vector>

namespace platform {

struct Area {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const Area &) const = default;
};

constexpr int MousePointerDefault = 0;
constexpr int MousePointerHourglass = 11;

int ScreenWidth();
int ScreenHeight();
std::vector<Area> ScreenAreas();
Area WorkArea();

int MousePointer();
// Values other than 11 give the default pointer.
void SetMousePointer(int pointer);

} // namespace platform
