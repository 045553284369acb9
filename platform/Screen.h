// Screen: the screen as the windows see it.
//  - ScreenWidth / ScreenHeight: the primary screen's size in twips
//  - MousePointer / SetMousePointer: the pointer over every window of the program,
//    MousePointerHourglass (11) or MousePointerDefault (0); setting the value it
//    already has changes nothing
#pragma once

namespace platform {

constexpr int MousePointerDefault = 0;
constexpr int MousePointerHourglass = 11;

int ScreenWidth();
int ScreenHeight();

int MousePointer();
// Values other than 11 give the default pointer.
void SetMousePointer(int pointer);

} // namespace platform
