// Input: keyboard and mouse events in the classic codes the windows are written in.
//  - VirtualKeyCode: the key of a key event as a classic virtual-key code
//    (Enter 13, Esc 27, Backspace 8, Tab 9, Delete 46, arrows 37..40, digits 48..57,
//    letters 65..90, numpad digits 96..105, numpad '.' 110, '.' 190, ',' 188 ...)
//  - CharacterCode: the character a key event types (Enter 13, Esc 27, Backspace 8),
//    0 when it types none
//  - ShiftState: 1 Shift, 2 Ctrl, 4 Alt, added together
//  - MouseButtonCode: 1 left, 2 right, 4 middle
//  - KeyEnter, KeyEscape...: the codes window code tests most
#pragma once

#include <Qt>

class QKeyEvent;

namespace platform {

constexpr int KeyBackspace = 8;
constexpr int KeyTab = 9;
constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
constexpr int KeyDelete = 46;

constexpr int MouseLeft = 1;
constexpr int MouseRight = 2;
constexpr int MouseMiddle = 4;

// 0 when the key has no classic code.
int VirtualKeyCode(const QKeyEvent &event);
int CharacterCode(const QKeyEvent &event);
int ShiftState(Qt::KeyboardModifiers modifiers);
int MouseButtonCode(Qt::MouseButton button);

} // namespace platform
