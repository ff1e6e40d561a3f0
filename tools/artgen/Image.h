#pragma once

#include "Colour.h"

#include <vector>

namespace artgen {

// A finished 24-bit picture, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image(int w, int h, Rgb fill = Rgb{}) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}

    Rgb& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    Rgb at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

} // namespace artgen
