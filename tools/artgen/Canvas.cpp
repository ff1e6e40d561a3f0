#include "Canvas.h"

#include <algorithm>

namespace artgen {

Paint verticalGradient(Colour top, Colour bottom, float y0, float y1) {
    return [=](float, float y) {
        return mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f));
    };
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * height) {}

// Premultiplied "over": the new paint covers `amount` of what is there.
void Canvas::blend(int x, int y, Colour c, float amount) {
    if (amount <= 0.0f) {
        return;
    }
    Pixel& p = pixels_[std::size_t(y) * width_ + x];
    const float keep = 1.0f - amount;
    p.r = c.r * amount + p.r * keep;
    p.g = c.g * amount + p.g * keep;
    p.b = c.b * amount + p.b * keep;
    p.a = amount + p.a * keep;
}

void Canvas::fill(const Shape& shape, const Paint& paint) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float px = float(x) + 0.5f;
            const float py = float(y) + 0.5f;
            const float amount = coverage(shape, px, py);
            if (amount > 0.0f) {
                blend(x, y, paint(px, py), amount);
            }
        }
    }
}

void Canvas::fill(const Mask& mask, int left, int top, const Paint& paint, float opacity) {
    for (int my = 0; my < mask.height; ++my) {
        for (int mx = 0; mx < mask.width; ++mx) {
            const int x = left + mx;
            const int y = top + my;
            if (x < 0 || y < 0 || x >= width_ || y >= height_) {
                continue;
            }
            const float amount = mask.at(mx, my) * opacity;
            if (amount > 0.0f) {
                blend(x, y, paint(float(x) + 0.5f, float(y) + 0.5f), amount);
            }
        }
    }
}

Image Canvas::flatten() const {
    Image out(width_, height_, kCyan);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const Pixel& p = pixels_[i];
        if (p.a >= 0.5f) {
            out.pixels[i] = toVisibleRgb(Colour{p.r / p.a, p.g / p.a, p.b / p.a});
        }
    }
    return out;
}

Image Canvas::flattenOver(Colour background) const {
    Image out(width_, height_);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const Pixel& p = pixels_[i];
        const float keep = 1.0f - p.a;
        out.pixels[i] = toVisibleRgb(Colour{p.r + background.r * keep, p.g + background.g * keep,
                                            p.b + background.b * keep});
    }
    return out;
}

} // namespace artgen
