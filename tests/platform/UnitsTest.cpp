#include "platform/Units.h"
#include "platform/Input.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include "QtPrinters.h"

namespace {

using platform::PixelsToTwips;
using platform::ToQColor;
using platform::TwipsToPixels;

TEST(Units, TwipsRoundToTheNearestPixelTiesToEven) {
    struct Case {
        double twips;
        int pixels;
    };
    const Case cases[] = {
        {0, 0}, {7, 0}, {8, 1}, {22.5, 2}, {37.5, 2}, {1440, 96}, {-22.5, -2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(Units, WholePixelsSurviveTheRoundTrip) {
    for (int px = -40; px <= 40; ++px)
        EXPECT_EQ(TwipsToPixels(PixelsToTwips(px)), px);
}

TEST(Units, PackedColoursKeepRedInTheLowByte) {
    struct Case {
        int32_t packed;
        QColor color;
    };
    const Case cases[] = {
        {0x0000FF, QColor(255, 0, 0)},
        {0x00FF00, QColor(0, 255, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {0xFFFFC0, QColor(0xC0, 0xFF, 0xFF)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ToQColor(c.packed), c.color) << std::hex << c.packed;
}

TEST(Input, KeysMapToClassicCodes) {
    struct Case {
        const char *name;
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, 13},
        {"numpad Enter", Qt::Key_Enter, Qt::KeypadModifier, 13},
        {"Esc", Qt::Key_Escape, Qt::NoModifier, 27},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, 8},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, 9},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, 46},
        {"Left", Qt::Key_Left, Qt::NoModifier, 37},
        {"digit 5", Qt::Key_5, Qt::NoModifier, 53},
        {"numpad 5", Qt::Key_5, Qt::KeypadModifier, 101},
        {"A", Qt::Key_A, Qt::NoModifier, 65},
        {"Z with Shift", Qt::Key_Z, Qt::ShiftModifier, 90},
        {"period", Qt::Key_Period, Qt::NoModifier, 190},
        {"numpad period", Qt::Key_Period, Qt::KeypadModifier, 110},
        {"numpad minus", Qt::Key_Minus, Qt::KeypadModifier, 109},
        {"F1", Qt::Key_F1, Qt::NoModifier, 112},
    };
    for (const Case &c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(platform::VirtualKeyCode(event), c.code) << c.name;
    }
}

TEST(Input, CharacterCodesOfTypedKeys) {
    struct Case {
        const char *name;
        int key;
        QString text;
        int code;
    };
    const Case cases[] = {
        {"letter", Qt::Key_A, "a", 'a'},      {"digit", Qt::Key_7, "7", '7'},
        {"period", Qt::Key_Period, ".", '.'}, {"Esc", Qt::Key_Escape, "\x1b", 27},
        {"Enter", Qt::Key_Return, "\r", 13},  {"arrow", Qt::Key_Left, "", 0},
    };
    for (const Case &c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
        EXPECT_EQ(platform::CharacterCode(event), c.code) << c.name;
    }
}

TEST(Input, ShiftStateAddsUp) {
    EXPECT_EQ(platform::ShiftState(Qt::NoModifier), 0);
    EXPECT_EQ(platform::ShiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(platform::ShiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

} // namespace
