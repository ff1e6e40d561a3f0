#include "Colour.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
}

// True when the colour lands on cyan after the 5-6-5 bit reduction of the screen.
bool looksLikeKey(Rgb p) {
    return (p.r >> 3) == 0 && (p.g >> 2) == 63 && (p.b >> 3) == 31;
}

} // namespace

Rgb toVisibleRgb(Colour c) {
    Rgb p{toByte(c.r), toByte(c.g), toByte(c.b)};
    if (looksLikeKey(p)) {
        p.g = 240;
    }
    return p;
}

} // namespace artgen
