// The shadow over the moon picture: which part of the moon is dark at a given
// age, as one shape (a rectangle or a circle) in the picture's twips.
//  - SynodicMonth: 29.530588 in single precision, the length the engine uses
//  - ShadowOf(age, pictureWidth, pictureHeight): the shape for a moon age in
//    [0, SynodicMonth)
//
// Every intermediate value is single precision, so that the phase changes on
// exactly the same day as the engine's single-precision age says.
#pragma once

#include <optional>

namespace moon {

inline constexpr float SynodicMonth = 29.530588f;

// Shape kinds and fill styles of the window toolkit.
inline constexpr int ShapeRectangle = 0;
inline constexpr int ShapeCircle = 3;
inline constexpr int FillSolid = 0;
inline constexpr int FillTransparent = 1;

struct Shadow {
    int Kind;
    // Empty: the fill stays as it was (the full moon's shadow is too small to
    // show either way).
    std::optional<int> FillStyle;
    // In pixels: the gibbous circles darken only the band under their border.
    int BorderWidth;
    float Left;
    float Top;
    // A circle's side; the window squares its bounding box from the height.
    float Width;
    float Height;
};

Shadow ShadowOf(float age, float pictureWidth, float pictureHeight);

} // namespace moon
