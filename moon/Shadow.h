// The shadow over the moon picture: which part of the moon is dark at a given
// age, as one shape (a rectangle or a circle) in the picture's twips.
//  - ShadowOf(age, pictureWidth, pictureHeight): the shape for a moon age in
//    [0, ChangeCals::SynodicMonth), in the kinds and fill styles of ShapeStyle.h
//
// Every intermediate value is single precision, so that the phase changes on
// exactly the same day as the engine's single-precision age says.
#pragma once

#include <optional>

namespace Moon {

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

} // namespace Moon
