#pragma once

#include <vector>

namespace artgen {

// Coverage values 0..1 on a grid: rendered text, or any stencil to paint through.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> values;

    Mask(int w, int h) : width(w), height(h), values(std::size_t(w) * h, 0.0f) {}

    float& at(int x, int y) { return values[std::size_t(y) * width + x]; }
    float at(int x, int y) const { return values[std::size_t(y) * width + x]; }
};

// The mask grown by a round brush of the given radius, for outlines around
// text. The mask must already have that much empty border.
Mask grown(const Mask& m, float radius);

} // namespace artgen
