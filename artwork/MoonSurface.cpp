// The moon is shaded per pixel on a sphere seen face-on under a full-moon sun: maria and
// craters sit at their positions on the sphere, so they foreshorten towards the limb as
// the real ones do. Layout after the near side's best-known features; every detail is
// a fixed table or a hash of its position, so each build draws the same moon.
#include "MoonSurface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace Artwork::Detail {
namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 operator*(Vec3 v, double k) {
    return {v.x * k, v.y * k, v.z * k};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Normalised(Vec3 v) {
    return v * (1.0 / std::sqrt(Dot(v, v)));
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// Selenographic longitude (east to the viewer's right) and latitude, in degrees, to a
// point of the unit sphere with the viewer on +z and north up (+y).
Vec3 OnSphere(double lonDeg, double latDeg) {
    const double lon = Radians(lonDeg), lat = Radians(latDeg);
    return {std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon)};
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// A bump of height 1 at x = centre falling to 0 at centre ± halfWidth.
double Bump(double x, double centre, double halfWidth) {
    const double t = std::abs(x - centre) / halfWidth;
    return t >= 1.0 ? 0.0 : (1.0 - t * t) * (1.0 - t * t);
}

uint32_t Hash(int32_t x, int32_t y, int32_t z, uint32_t salt) {
    uint32_t h = salt ^ 0x9e3779b9u;
    h ^= static_cast<uint32_t>(x) * 0x8da6b343u;
    h ^= static_cast<uint32_t>(y) * 0xd8163841u;
    h ^= static_cast<uint32_t>(z) * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double Unit(uint32_t h) {
    return static_cast<double>(h) / 4294967295.0;
}

// Value noise in [0, 1], smooth between integer lattice points.
double ValueNoise(Vec3 p, uint32_t salt) {
    const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const auto ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy),
               iz = static_cast<int32_t>(fz);
    const double tx = SmoothStep(0, 1, p.x - fx), ty = SmoothStep(0, 1, p.y - fy),
                 tz = SmoothStep(0, 1, p.z - fz);
    auto corner = [&](int dx, int dy, int dz) {
        return Unit(Hash(ix + dx, iy + dy, iz + dz, salt));
    };
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const double x00 = lerp(corner(0, 0, 0), corner(1, 0, 0), tx);
    const double x10 = lerp(corner(0, 1, 0), corner(1, 1, 0), tx);
    const double x01 = lerp(corner(0, 0, 1), corner(1, 0, 1), tx);
    const double x11 = lerp(corner(0, 1, 1), corner(1, 1, 1), tx);
    return lerp(lerp(x00, x10, ty), lerp(x01, x11, ty), tz);
}

// Fractal noise in about [0, 1]: octaves of value noise, each twice as fine and half as
// strong as the one before.
double Fractal(Vec3 p, int octaves, uint32_t salt) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(p, salt + static_cast<uint32_t>(i));
        weight += amplitude;
        amplitude *= 0.5;
        p = p * 2.03;
    }
    return sum / weight;
}

struct Mare {
    double lon, lat, radiusDeg, darkness;
};

// The dark plains as overlapping soft patches; the large irregular ones take several.
constexpr std::array Maria{
    Mare{-17, 35, 17, 0.9},   Mare{-28, 43, 10, 0.8},  Mare{-4, 30, 9, 0.75}, // Imbrium
    Mare{-12, 22, 7, 0.6},                                                    // its southern shore
    Mare{17, 27, 10, 0.95},                                                   // Serenitatis
    Mare{30, 8, 12, 0.9},     Mare{21, 2, 7, 0.8},     Mare{38, 16, 6, 0.7},  // Tranquillitatis
    Mare{59, 17, 8, 1.0},                                                     // Crisium
    Mare{51, -6, 9, 0.8},     Mare{47, -15, 6, 0.7},                          // Fecunditatis
    Mare{35, -15, 6, 0.8},                                                    // Nectaris
    Mare{-55, 22, 17, 0.7},   Mare{-62, 4, 14, 0.7},   Mare{-45, 38, 10, 0.65},
    Mare{-48, -8, 11, 0.6},   Mare{-38, 12, 10, 0.55},                       // Procellarum
    Mare{-30, 7, 7, 0.5},                                                    // Insularum
    Mare{-22, -10, 8, 0.5},                                                  // Cognitum
    Mare{-17, -21, 10, 0.8},  Mare{-8, -14, 6, 0.5},                         // Nubium
    Mare{-39, -24, 6.5, 0.9},                                                // Humorum
    Mare{4, 13, 5.5, 0.8},    Mare{-2, 5, 5, 0.5},     Mare{10, 20, 5, 0.6}, // Vaporum
    Mare{-30, 56, 7, 0.55},   Mare{-8, 57, 7, 0.65},   Mare{12, 57, 7, 0.6},
    Mare{32, 55, 6, 0.5},     // Frigoris
    Mare{-68, -5, 3.5, 0.95}, // Grimaldi
    Mare{-9, 52, 2.8, 0.7},   // Plato's floor
};

struct Crater {
    double lon, lat, radiusDeg;
    double rim;  // brightness of the rim's crest
    double rays; // strength of the bright ray system, 0 for none
};

constexpr std::array NamedCraters{
    Crater{-11, -43, 2.6, 0.2, 0.16}, // Tycho
    Crater{-20, 10, 2.8, 0.16, 0.1},  // Copernicus
    Crater{-38, 8, 1.3, 0.15, 0.06},  // Kepler
    Crater{-47, 24, 1.2, 0.28, 0.04}, // Aristarchus
    Crater{-9, 52, 3.0, 0.1, 0},      // Plato
    Crater{61, -9, 3.8, 0.11, 0},     // Langrenus
    Crater{26, -11, 2.9, 0.12, 0},    // Theophilus
    Crater{-14, -58, 6.0, 0.08, 0},   // Clavius
    Crater{-3, -13, 4.0, 0.07, 0},    // Ptolemaeus
    Crater{44, 48, 2.2, 0.1, 0},      // Atlas
    Crater{-2, -9, 2.4, 0.08, 0},     // Alphonsus
    Crater{60, -25, 2.9, 0.1, 0},     // Petavius
};

// Maria sized up a little so that neighbours merge, with where each can reach at most.
struct PlacedMare {
    Vec3 centre;
    double radius, darkness, cosReach;
};

constexpr double MareWobble = 0.9; // how far noise moves a shore, in mare radii

std::vector<PlacedMare> PlaceMaria() {
    std::vector<PlacedMare> placed;
    for (const Mare &m : Maria) {
        const double r = Radians(m.radiusDeg * 1.2);
        placed.push_back(
            {OnSphere(m.lon, m.lat), r, m.darkness, std::cos(r * (1 + MareWobble / 2))});
    }
    return placed;
}

double MareStrength(const std::vector<PlacedMare> &maria, Vec3 p, double wobble) {
    double strength = 0;
    for (const PlacedMare &m : maria) {
        const double cosAngle = Dot(p, m.centre);
        if (cosAngle < m.cosReach) continue;
        const double d =
            std::acos(std::min(cosAngle, 1.0)) + (wobble - 0.5) * MareWobble * m.radius;
        strength =
            std::max(strength, (0.8 + 0.2 * m.darkness) * SmoothStep(m.radius, 0.6 * m.radius, d));
    }
    return strength;
}

// Small craters scattered by a fixed sequence, kept mostly off the maria as on the moon.
std::vector<Crater> ScatteredCraters(const std::vector<PlacedMare> &maria) {
    std::vector<Crater> craters;
    for (uint32_t i = 0; craters.size() < 36 && i < 400; ++i) {
        const double u = Unit(Hash(static_cast<int32_t>(i), 1, 0, 77));
        const double v = Unit(Hash(static_cast<int32_t>(i), 2, 0, 77));
        const double s = Unit(Hash(static_cast<int32_t>(i), 3, 0, 77));
        const double lon = -80 + 160 * u;
        const double lat = std::asin(-0.97 + 1.94 * v) * 180 / std::numbers::pi;
        if (MareStrength(maria, OnSphere(lon, lat), 0.5) > 0.35) continue;
        craters.push_back({lon, lat, 0.8 + 2.2 * s * s, 0.03 + 0.04 * s, 0});
    }
    return craters;
}

struct Shading {
    double brightness = 0; // added to the albedo
    double ray = 0;        // ray brightening, which spreads over maria and highlands alike
};

constexpr int RaySpokes = 14;

// A crater with its local frame on the sphere and the reach of its rim, blanket and rays.
struct PlacedCrater {
    Crater crater;
    Vec3 centre, east, north;
    double radius, cosReach;
};

PlacedCrater Place(const Crater &c) {
    const Vec3 centre = OnSphere(c.lon, c.lat);
    const Vec3 east = Normalised(Cross({0, 1, 0}, centre));
    const double radius = Radians(c.radiusDeg);
    const double reach = c.rays > 0 ? 14.0 : 2.2; // in crater radii
    return {c, centre, east, Cross(centre, east), radius, std::cos(reach * radius)};
}

// The sun stands a little to the upper left of the viewer, enough to give crater walls
// a hint of relief.
Shading CraterShading(Vec3 p, const PlacedCrater &placed) {
    Shading s;
    const double cosAngle = Dot(p, placed.centre);
    if (cosAngle < placed.cosReach) return s;
    const Crater &c = placed.crater;
    const double t = std::acos(std::min(cosAngle, 1.0)) / placed.radius;

    const Vec3 along = p - placed.centre * cosAngle;
    const double angle = std::atan2(Dot(along, placed.north), Dot(along, placed.east));
    const double towardSun = -std::cos(angle - Radians(135));

    if (t < 1.0) {
        s.brightness -= 0.08 * SmoothStep(0.9, 0.3, t);
        s.brightness += 0.12 * towardSun * SmoothStep(0.45, 0.95, t) * SmoothStep(1.02, 0.9, t);
    }
    s.brightness += c.rim * Bump(t, 1.0, 0.3) * (0.75 - 0.25 * towardSun);
    s.brightness += 0.03 * SmoothStep(2.2, 1.0, t);

    if (c.rays > 0 && t > 0.9) {
        const double turns = (angle + std::numbers::pi) / (2 * std::numbers::pi) * RaySpokes;
        const auto spoke = static_cast<int32_t>(std::floor(turns));
        const double frac = turns - std::floor(turns);
        const double a = Unit(Hash(spoke % RaySpokes, 0, 5, 991));
        const double b = Unit(Hash((spoke + 1) % RaySpokes, 0, 5, 991));
        // Strength and length both blend from spoke to spoke: a length taken from one
        // spoke alone would end the rays with a straight seam at every spoke's edge.
        const double blend = a + (b - a) * SmoothStep(0, 1, frac);
        const double pattern = std::pow(blend, 3.0);
        const double reach = 4.0 + 9.0 * blend;
        s.ray =
            c.rays * pattern * SmoothStep(reach, 1.2, t) + c.rays * 0.5 * SmoothStep(3.0, 1.0, t);
    }
    return s;
}

struct Rgb {
    double r, g, b;
};

constexpr Rgb Highland{226, 222, 210};
constexpr Rgb MareTone{128, 130, 136};

int Channel(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

QImage MoonDisc(int diameterPx) {
    if (diameterPx <= 0) return {};
    QImage image(diameterPx, diameterPx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    const std::vector<PlacedMare> maria = PlaceMaria();
    std::vector<PlacedCrater> craters;
    for (const Crater &c : NamedCraters)
        craters.push_back(Place(c));
    for (const Crater &c : ScatteredCraters(maria))
        craters.push_back(Place(c));

    const double radius = diameterPx / 2.0;
    for (int py = 0; py < diameterPx; ++py) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int px = 0; px < diameterPx; ++px) {
            const double dx = px + 0.5 - radius, dy = radius - (py + 0.5);
            const double fromCentre = std::hypot(dx, dy);
            const double coverage = std::clamp(radius - fromCentre + 0.5, 0.0, 1.0);
            if (coverage <= 0) continue;

            const double nx = dx / radius, ny = dy / radius;
            const double z = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
            const Vec3 p = Normalised({nx, ny, std::max(z, 1e-6)});

            const double mare = std::min(1.0, MareStrength(maria, p, Fractal(p * 6.0, 3, 11)) *
                                                  (0.8 + 0.35 * Fractal(p * 4.0, 3, 13)));
            const double roughness = 0.09 * (1 - mare) + 0.04 * mare;
            double albedo = 1.0 + roughness * (Fractal(p * 11.0, 4, 23) - 0.5) * 2 +
                            0.035 * (Fractal(p * 34.0, 2, 31) - 0.5) * 2 +
                            0.05 * (Fractal(p * 2.5, 2, 41) - 0.5) * 2;
            double rays = 0;
            for (const PlacedCrater &c : craters) {
                const Shading s = CraterShading(p, c);
                albedo += s.brightness * (1 - 0.4 * mare);
                rays += s.ray;
            }
            const double limb = 0.74 + 0.26 * std::pow(z, 0.55);
            const double lit = std::max(0.0, albedo) * limb;
            const auto tone = [&](double high, double low) {
                const double opaque = (high + (low - high) * mare) * lit + 190 * rays * limb;
                return std::clamp(opaque, 0.0, 255.0) * coverage;
            };
            line[px] =
                qRgba(Channel(tone(Highland.r, MareTone.r)), Channel(tone(Highland.g, MareTone.g)),
                      Channel(tone(Highland.b, MareTone.b)), Channel(255 * coverage));
        }
    }
    return image;
}

} // namespace Artwork::Detail
