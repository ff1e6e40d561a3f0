#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace artgen {

Shape circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape ring(float cx, float cy, float innerRadius, float outerRadius) {
    const float mid = (innerRadius + outerRadius) * 0.5f;
    const float half = (outerRadius - innerRadius) * 0.5f;
    return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - mid) - half; };
}

Shape roundedBox(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) * 0.5f;
    const float cy = (y0 + y1) * 0.5f;
    const float hx = (x1 - x0) * 0.5f - radius;
    const float hy = (y1 - y0) * 0.5f - radius;
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hx;
        const float qy = std::fabs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape capsule(Point a, Point b, float halfWidth) {
    return [=](float x, float y) {
        const float px = x - a.x;
        const float py = y - a.y;
        const float dx = b.x - a.x;
        const float dy = b.y - a.y;
        const float lengthSquared = dx * dx + dy * dy;
        const float t = lengthSquared > 0.0f
                            ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0f, 1.0f)
                            : 0.0f;
        return std::hypot(px - dx * t, py - dy * t) - halfWidth;
    };
}

// Distance to the nearest edge, signed by an even-odd inside test.
Shape polygon(std::vector<Point> corners) {
    return [c = std::move(corners)](float x, float y) {
        float nearest = 1e30f;
        bool inside = false;
        for (std::size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
            const float ex = c[j].x - c[i].x;
            const float ey = c[j].y - c[i].y;
            const float wx = x - c[i].x;
            const float wy = y - c[i].y;
            const float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
            nearest = std::min(nearest, std::hypot(wx - ex * t, wy - ey * t));
            const bool crosses = (c[i].y > y) != (c[j].y > y);
            if (crosses && x < c[i].x + (y - c[i].y) * ex / ey) {
                inside = !inside;
            }
        }
        return inside ? -nearest : nearest;
    };
}

Shape unite(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape subtract(Shape from, Shape cut) {
    return [=](float x, float y) { return std::max(from(x, y), -cut(x, y)); };
}

Shape intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape inflate(Shape s, float by) {
    return [=](float x, float y) { return s(x, y) - by; };
}

Shape scaledAbout(Shape s, float cx, float cy, float factor) {
    return [=](float x, float y) {
        return factor * s(cx + (x - cx) / factor, cy + (y - cy) / factor);
    };
}

float coverage(const Shape& s, float x, float y) {
    return std::clamp(0.5f - s(x, y), 0.0f, 1.0f);
}

} // namespace artgen
