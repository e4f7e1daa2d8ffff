#include "AboutArtwork.h"

#include <algorithm>
#include <cmath>

namespace kx {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Panel and frame geometry, in pixels.
constexpr double kPanelRadiusX = 146.0;
constexpr double kPanelRadiusY = 84.0;
constexpr double kRimWidth = 5.0;
constexpr double kRipplePeriod = 6.5;
constexpr double kBevelWidth = 3.0;
constexpr int kSamplesPerAxis = 3;  // supersampling smooths every edge

// Light falls from the upper left.
constexpr double kLightX = -0.6;
constexpr double kLightY = -0.8;

struct Colour {
    double r, g, b;
};

Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scaled(Colour c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

double Clamp01(double value) { return std::clamp(value, 0.0, 1.0); }

double SmoothStep(double from, double to, double x) {
    const double t = Clamp01((x - from) / (to - from));
    return t * t * (3 - 2 * t);
}

// A repeatable pseudo-random value in [0, 1] for each lattice point.
double LatticeValue(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFFu) / 65535.0;
}

double ValueNoise(double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = SmoothStep(0, 1, x - fx), ty = SmoothStep(0, 1, y - fy);
    const double top = LatticeValue(ix, iy) + (LatticeValue(ix + 1, iy) - LatticeValue(ix, iy)) * tx;
    const double bottom = LatticeValue(ix, iy + 1) + (LatticeValue(ix + 1, iy + 1) - LatticeValue(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

// A grainy texture in [0, 1]: three octaves of value noise.
double Texture(double x, double y) {
    return 0.5 * ValueNoise(x / 9.0, y / 9.0) + 0.3 * ValueNoise(x / 3.5 + 17, y / 3.5) +
           0.2 * ValueNoise(x / 1.3, y / 1.3 + 31);
}

// Where a point lies against the panel's outline: signed distance in pixels (negative inside,
// to first order) and the outward direction of the outline there.
struct OvalPosition {
    double distance;
    double normalX, normalY;
};

OvalPosition PanelPosition(double x, double y) {
    const double u = (x - kAboutPanelCentreX) / kPanelRadiusX;
    const double v = (y - kAboutPanelCentreY) / kPanelRadiusY;
    const double r = std::hypot(u, v);
    if (r < 1e-9) return {-kPanelRadiusY, 0, -1};
    const double gx = u / (kPanelRadiusX * r), gy = v / (kPanelRadiusY * r);
    const double length = std::hypot(gx, gy);
    return {(r - 1) / length, gx / length, gy / length};
}

double Lit(const OvalPosition& at) { return at.normalX * kLightX + at.normalY * kLightY; }

// Bronze ripples running parallel to the panel, lit from the upper left, on a grainy ground.
Colour FrameColour(double x, double y, const OvalPosition& at) {
    const Colour dark{84, 54, 26}, light{222, 176, 96};
    const double phase = 2 * kPi * (at.distance - kRimWidth) / kRipplePeriod;
    const double fade = 1.0 - 0.45 * SmoothStep(0, 70, at.distance);
    const double slope = std::sin(phase) * Lit(at) * fade;
    const double grain = Texture(x, y) - 0.5;
    return Mix(dark, light, Clamp01(0.46 + 0.34 * slope + 0.55 * grain + 0.08 * std::cos(phase)));
}

// The window's own edge: a raised bevel with a dark outline.
Colour WithOuterBevel(Colour colour, double x, double y) {
    const double w = kAboutArtworkWidth, h = kAboutArtworkHeight;
    const double edge = std::min(std::min(x, y), std::min(w - x, h - y));
    if (edge >= kBevelWidth) return colour;
    if (edge < 1.0) return Mix(colour, Colour{40, 24, 10}, 0.85);
    const bool upperLeft = std::min(x, y) <= std::min(w - x, h - y);
    return upperLeft ? Mix(colour, Colour{255, 236, 180}, 0.45) : Scaled(colour, 0.6);
}

// A rounded gold bead around the panel, with a fine groove on either side.
Colour RimColour(const OvalPosition& at) {
    const Colour dark{150, 104, 34}, light{255, 234, 150};
    const double across = at.distance / kRimWidth;  // 0 at the panel, 1 at the frame
    const double slope = std::cos(kPi * across) * Lit(at);
    const Colour bead = Mix(dark, light, Clamp01(0.62 + 0.38 * slope));
    const double groove =
        std::max(1 - SmoothStep(0, 0.9, at.distance), SmoothStep(kRimWidth - 0.9, kRimWidth, at.distance));
    return Mix(bead, Colour{96, 62, 22}, 0.7 * groove);
}

// Pale yellow, a touch deeper towards the rim, with a soft shadow under the rim.
Colour PanelColour(const OvalPosition& at) {
    const Colour centre{255, 250, 218}, edge{250, 236, 174};
    const Colour base = Mix(centre, edge, SmoothStep(-60, 0, at.distance));
    return Scaled(base, 1.0 - 0.16 * std::exp(at.distance / 2.5));
}

// The emblem: a compass rose of four long and four short points inside a fine ring, drawn in
// light golds so that the captions over it stay readable.
struct RoseLayer {
    bool covered;
    Colour colour;
};

RoseLayer CompassPoint(double localX, double localY, double length) {
    constexpr double kValleyRadius = 13.0;
    constexpr double kHalfSector = kPi / 8;
    const double valleyX = kValleyRadius * std::cos(kHalfSector), valleyY = kValleyRadius * std::sin(kHalfSector);
    const double side = std::abs(localY);
    const double cross = (valleyX - length) * side - valleyY * (localX - length);
    if (cross <= 0 || localX < 0) return {false, {}};
    const bool main = length > 40;
    const Colour lit = main ? Colour{242, 218, 140} : Colour{248, 234, 178};
    const Colour shaded = main ? Colour{226, 190, 104} : Colour{238, 214, 146};
    return {true, localY >= 0 ? shaded : lit};
}

RoseLayer Rose(double x, double y) {
    constexpr double kMainLength = 58.0, kMinorLength = 38.0, kRingRadius = 44.0, kHubRadius = 5.0;
    const double dx = x - kAboutPanelCentreX, dy = y - kAboutPanelCentreY;
    const double radius = std::hypot(dx, dy);
    if (radius <= kHubRadius) return {true, radius > kHubRadius - 1.5 ? Colour{170, 128, 52} : Colour{222, 184, 96}};
    const double angle = std::atan2(dy, dx);
    const int sector = static_cast<int>(std::lround(angle / (kPi / 4)));
    const double tipAngle = sector * (kPi / 4);
    const double localX = dx * std::cos(tipAngle) + dy * std::sin(tipAngle);
    const double localY = -dx * std::sin(tipAngle) + dy * std::cos(tipAngle);
    const RoseLayer point = CompassPoint(localX, localY, sector % 2 == 0 ? kMainLength : kMinorLength);
    if (point.covered) return point;
    if (std::abs(radius - kRingRadius) < 0.8) return {true, Colour{214, 180, 100}};
    if (std::abs(radius - kRingRadius - 4) < 0.5) return {true, Colour{232, 208, 142}};
    return {false, {}};
}

Colour ColourAt(double x, double y) {
    const OvalPosition at = PanelPosition(x, y);
    Colour colour;
    if (at.distance > kRimWidth)
        colour = FrameColour(x, y, at);
    else if (at.distance >= 0)
        colour = RimColour(at);
    else {
        colour = PanelColour(at);
        const RoseLayer rose = Rose(x, y);
        if (rose.covered) colour = rose.colour;
    }
    return WithOuterBevel(colour, x, y);
}

std::uint32_t Packed(Colour c) {
    const auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

}  // namespace

std::vector<std::uint32_t> AboutArtworkPixels() {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(kAboutArtworkWidth * kAboutArtworkHeight);
    constexpr double kStep = 1.0 / kSamplesPerAxis;
    for (int y = 0; y < kAboutArtworkHeight; ++y)
        for (int x = 0; x < kAboutArtworkWidth; ++x) {
            Colour sum{0, 0, 0};
            for (int sy = 0; sy < kSamplesPerAxis; ++sy)
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    const Colour c = ColourAt(x + (sx + 0.5) * kStep, y + (sy + 0.5) * kStep);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            pixels.push_back(Packed(Scaled(sum, 1.0 / (kSamplesPerAxis * kSamplesPerAxis))));
        }
    return pixels;
}

}  // namespace kx
