// The few colours all pictures share, so the buttons, emblems and icon read as one set.
#pragma once

#include <QColor>
#include <array>

namespace Artwork::Palette {

inline constexpr QColor Ink{44, 58, 92};         // outlines and glyphs: a soft navy
inline constexpr QColor InkLight{116, 130, 158}; // secondary lines
inline constexpr QColor Accent{52, 118, 196};    // calm blue for headers and highlights
inline constexpr QColor AccentPale{196, 216, 240};
inline constexpr QColor Marker{214, 72, 64}; // "today" and leaving: a warm red
inline constexpr QColor Paper{255, 255, 255};
inline constexpr QColor PaperShade{228, 234, 243};
inline constexpr QColor Gold{204, 152, 52};
inline constexpr QColor Bronze{150, 102, 34};
inline constexpr QColor Laurel{76, 128, 72};
inline constexpr QColor DeepGreen{22, 104, 74};
inline constexpr QColor Night{24, 34, 70};
inline constexpr QColor NightHigh{56, 82, 146};

// The calendars' background colours: Julian white, Gregorian light cyan, Jewish light
// yellow, Moslem light green, at CalendarId − 1.
inline constexpr std::array<QColor, 4> CalendarBacks{QColor{255, 255, 255}, QColor{192, 255, 255},
                                                     QColor{255, 255, 192}, QColor{192, 255, 192}};

} // namespace Artwork::Palette
