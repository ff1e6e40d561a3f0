#pragma once

#include "Colour.h"
#include "Image.h"
#include "Mask.h"
#include "Shapes.h"

#include <functional>
#include <vector>

namespace artgen {

// Colour chosen per pixel, for gradients and shading.
using Paint = std::function<Colour(float x, float y)>;

inline Paint solid(Colour c) {
    return [c](float, float) { return c; };
}

// A vertical gradient from top colour at y0 to bottom colour at y1.
Paint verticalGradient(Colour top, Colour bottom, float y0, float y1);

// A drawing surface that keeps coverage apart from colour, so shapes blend into
// one another smoothly while the outline against the transparent area stays hard.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    void fill(const Shape& shape, const Paint& paint);
    void fill(const Shape& shape, Colour c) { fill(shape, solid(c)); }
    // Paints through a mask whose top left corner lands at (left, top).
    void fill(const Mask& mask, int left, int top, const Paint& paint, float opacity = 1.0f);

    // Transparent (cyan) wherever less than half a pixel was painted; the rest
    // keeps its own colour with no blend towards the key.
    Image flatten() const;
    // Everything on an opaque background colour.
    Image flattenOver(Colour background) const;

private:
    struct Pixel {
        float r = 0.0f;
        float g = 0.0f;
        float b = 0.0f;
        float a = 0.0f;
    };

    void blend(int x, int y, Colour c, float amount);

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

} // namespace artgen
