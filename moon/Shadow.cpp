#include "moon/Shadow.h"

#include "engine/ChangeCals.h"
#include "platform/ShapeStyle.h"

#include <cmath>

namespace Moon {

using platform::FillSolid;
using platform::FillTransparent;
using platform::ShapeCircle;
using platform::ShapeRectangle;

namespace {

// The shadow's frame reaches 60 twips past the picture, and 2 % further down
// so that the circles' poles clear the moon's rim.
struct ShadowFrame {
    float W;
    float H;
    float Hh;
    float PH;
};

Shadow Rectangle(std::optional<int> fill, float left, float width, float height) {
    return {ShapeRectangle, fill, 1, left, 0, width, height};
}

// A circle through the top and bottom of the moon's vertical centre line at
// half-height Hh that reaches x past that line; the gibbous circles are a
// quarter of the frame larger, so that their wide border lies over the dark
// side while the lit side stays inside them.
float Radius(const ShadowFrame &f, float x) {
    return (f.Hh * f.Hh + x * x) * 0.5f / x;
}

Shadow Circle(const ShadowFrame &f, int fill, int border, float left, float radius) {
    const float side = 2 * radius;
    return {ShapeCircle, fill, border, left, (f.H - side) / 2 - f.PH / 60, side, side};
}

} // namespace

Shadow ShadowOf(float age, float pictureWidth, float pictureHeight) {
    const float S = ChangeCals::SynodicMonth;
    const float A = age;
    const float H = (pictureHeight + 60) * 1.02f;
    const ShadowFrame f{pictureWidth + 60, H, H / 2, pictureHeight};
    const float W = f.W;
    const float quarter = S / 4;
    const float half = S / 2;
    const float threeQuarters = 0.75f * S;
    // Twips over pixels: at 15 twips a pixel this border is about half the frame.
    const int gibbousBorder = static_cast<int>(std::nearbyint(W / 32));

    if (A > 0.5f && A <= quarter - 0.5f) {
        const float x = W / 2 - (W / 2) * A / quarter;
        const float R = Radius(f, x);
        return Circle(f, FillSolid, 1, W / 2 + x - 2 * R, R);
    }
    if (A > quarter - 0.5f && A <= quarter + 0.5f) {
        return Rectangle(FillSolid, 0, W / 2, H);
    }
    if (A > quarter + 0.5f && A <= half - 0.5f) {
        const float x = (W / 2) * (A - quarter) / quarter;
        return Circle(f, FillTransparent, gibbousBorder, W / 4 - x, Radius(f, x) + W / 4);
    }
    if (A > half - 0.5f && A <= half + 0.5f) {
        return Rectangle(std::nullopt, 0, 1, 1);
    }
    if (A > half + 0.5f && A <= threeQuarters - 0.5f) {
        const float x = W / 2 - (W / 2) * (A - half) / quarter;
        const float R = Radius(f, x) + W / 4;
        return Circle(f, FillTransparent, gibbousBorder, W - W / 4 + x - 2 * R, R);
    }
    if (A > threeQuarters - 0.5f && A <= threeQuarters + 0.5f) {
        return Rectangle(FillSolid, W / 2, W / 2, H);
    }
    if (A > threeQuarters + 0.5f && A <= S - 0.5f) {
        const float x = (W / 2) * (A - threeQuarters) / quarter;
        return Circle(f, FillSolid, 1, W / 2 - x, Radius(f, x));
    }
    // New moon: [0, 0.5] and (S - 0.5, S).
    return Rectangle(FillSolid, 0, W, H);
}

} // namespace Moon
