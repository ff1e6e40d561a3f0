#pragma once

#include <cstdint>

namespace artgen {

// A colour with float channels in 0..255, so gradients and blends stay exact
// until the picture is finally rounded to bytes.
struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// One stored pixel of a finished picture.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b) {
    return !(a == b);
}

// The game's colour key: every pixel of this exact colour is not drawn.
constexpr Rgb kCyan{0, 255, 255};

constexpr Colour rgb(int r, int g, int b) {
    return Colour{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
}

inline Colour mix(Colour a, Colour b, float t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Colour scaled(Colour c, float k) {
    return Colour{c.r * k, c.g * k, c.b * k};
}

// Rounds to bytes. A colour that the 16-bit screen would show as the colour key
// is pulled off it, or it would turn into a hole once the game converts the picture.
Rgb toVisibleRgb(Colour c);

} // namespace artgen
