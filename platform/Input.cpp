#include "Input.h"

#include <QKeyEvent>

namespace platform {

namespace {

struct KeyCode {
    int qt;
    int code;
};

// Keys whose classic code is not their character code.
constexpr KeyCode NamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},   {Qt::Key_NumLock, 144}, {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},   {Qt::Key_Comma, 188},   {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},  {Qt::Key_Slash, 191},
};

// The number pad's own codes, when the key comes from it.
constexpr KeyCode KeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

int Lookup(const auto &table, int key) {
    for (const KeyCode &k : table)
        if (k.qt == key) return k.code;
    return 0;
}

} // namespace

int VirtualKeyCode(const QKeyEvent &event) {
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return (keypad ? 96 : 48) + key - Qt::Key_0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + key - Qt::Key_A;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + key - Qt::Key_F1;
    if (keypad) {
        if (const int code = Lookup(KeypadKeys, key)) return code;
    }
    return Lookup(NamedKeys, key);
}

int CharacterCode(const QKeyEvent &event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) return 0;
    return text.at(0).unicode();
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int MouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseLeft;
    case Qt::RightButton:
        return MouseRight;
    case Qt::MiddleButton:
        return MouseMiddle;
    default:
        return 0;
    }
}

} // namespace platform
