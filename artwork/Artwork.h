// Every picture the program shows, drawn by our own code:
// - MoonBitmap: the full moon of the moon window, written to "Moon.bmp" at build time;
// - MoonPhaseButton: the moon-button pictures, one per phase 0..8;
// - ButtonPicture: the pictograms of the year and monthly windows' buttons;
// - CalendarPicture: the emblem shown where a calendar cannot show the day;
// - ProgramPicture / ProgramIcon: the About picture and the window icon.
//
// Pictures come back at the asked logical size times the device pixel ratio, with that
// ratio set, so they stay sharp on high-density screens.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QSize>

namespace Artwork {

// The colour around the moon in MoonBitmap: a night blue dark enough to read as sky. The
// moon window's shadow shape is filled with exactly this colour, so the covered part of
// the moon disappears into the background.
inline constexpr QRgb MoonBackground = qRgb(12, 16, 34);

// The side of the "Moon.bmp" written at build time, in pixels.
inline constexpr int MoonBitmapSide = 220;

// A square picture of the full moon, almost touching the edges, on MoonBackground.
// Always the same pixels for the same side.
QImage MoonBitmap(int sidePx);

// The moon as seen at phase 0..8, in eighths of the synodic month: 0 and 8 new moon,
// 2 first quarter, 4 full, 6 last quarter. The lit part is on the right while the moon
// waxes and on the left while it wanes, as seen from the northern hemisphere. The unlit
// part stays faintly visible so that even the new moon reads as a disc. A phase outside
// 0..8 is taken as the nearest of them.
QPixmap MoonPhaseButton(int phase, QSize logicalSize, qreal devicePixelRatio);

enum class ButtonKind {
    PreviousYear,
    NextYear,
    Today,
    YearCalendars,
    Options,
    About,
    Exit,
    Apply,
    Close
};

// A pictogram on a transparent background, for a button face.
QPixmap ButtonPicture(ButtonKind kind, QSize logicalSize, qreal devicePixelRatio);

// The emblem of calendar 1 Julian, 2 Gregorian, 3 Jewish or 4 Moslem on that calendar's
// background colour. Any other id gives a null pixmap.
QPixmap CalendarPicture(int calendarId, QSize logicalSize, qreal devicePixelRatio);

// The program's own picture: four calendar columns and the moon on a night-blue tile.
QPixmap ProgramPicture(QSize logicalSize, qreal devicePixelRatio);

// ProgramPicture at the usual icon sizes, for the windows and the desktop.
QIcon ProgramIcon();

} // namespace Artwork
