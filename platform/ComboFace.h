// ComboFace: the closed face of a drop-down list as one picture. The style lays the
// shown text out again on every paint, and a date change repaints up to nineteen
// lists; the face is drawn by the style itself, once for each look (text, size, state,
// palette, font, pixel ratio), and later paints are one copy of that picture. A new
// text is drawn over a copy of the frame and arrow its list had with any other text.
//  - PaintComboFace(combo, option, painter): paints a drop-down list's face, described
//    by its style option, as QComboBox::paintEvent does
#pragma once

class QPainter;
class QStyleOptionComboBox;
class QWidget;

namespace platform {

void PaintComboFace(QWidget &combo, const QStyleOptionComboBox &option, QPainter &painter);

} // namespace platform
