// The shape kinds and fill styles a Shape takes, in the toolkit's numbers; free of
// Qt, so that plain code can describe a shape for a window to copy.
//  - ShapeRectangle, ShapeSquare, ShapeOval, ShapeCircle: SetShape's kinds
//  - FillSolid, FillTransparent: SetFillStyle's styles
#pragma once

namespace platform {

inline constexpr int ShapeRectangle = 0;
inline constexpr int ShapeSquare = 1;
inline constexpr int ShapeOval = 2;
inline constexpr int ShapeCircle = 3;

inline constexpr int FillSolid = 0;
inline constexpr int FillTransparent = 1;

} // namespace platform
