#pragma once

#include <functional>
#include <vector>

namespace artgen {

// A shape is its signed distance in pixels at a point: negative inside,
// positive outside. Pixel centres sit at half-integer coordinates.
using Shape = std::function<float(float x, float y)>;

struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

Shape circle(float cx, float cy, float radius);
Shape ring(float cx, float cy, float innerRadius, float outerRadius);
Shape roundedBox(float x0, float y0, float x1, float y1, float radius);
// A stroke of the given half width from a to b with round ends.
Shape capsule(Point a, Point b, float halfWidth);
// Any simple polygon, corners in either winding order.
Shape polygon(std::vector<Point> corners);

Shape unite(Shape a, Shape b);
Shape subtract(Shape from, Shape cut);
Shape intersect(Shape a, Shape b);
// Grows (positive) or shrinks (negative) a shape by the given distance.
Shape inflate(Shape s, float by);

// The shape enlarged (factor > 1) or reduced about the point (cx, cy).
Shape scaledAbout(Shape s, float cx, float cy, float factor);

// How much of the pixel around (x, y) the shape covers, for one-pixel anti-aliasing.
float coverage(const Shape& s, float x, float y);

} // namespace artgen
