#include "MenuIcons.h"

namespace artgen {

Shape playIcon(float cx, float cy) {
    // Shrunk then inflated so the triangle gets softly rounded corners.
    return inflate(polygon({{cx - 8.0f, cy - 11.0f}, {cx - 8.0f, cy + 11.0f}, {cx + 11.0f, cy}}),
                   1.5f);
}

Shape stopwatchIcon(float cx, float cy) {
    const Shape face = circle(cx, cy + 2.0f, 11.0f);
    const Shape crown = roundedBox(cx - 3.0f, cy - 13.0f, cx + 3.0f, cy - 8.0f, 1.0f);
    const Shape button = capsule({cx + 8.5f, cy - 8.5f}, {cx + 10.5f, cy - 10.5f}, 1.6f);
    return unite(face, unite(crown, button));
}

Shape stopwatchHands(float cx, float cy) {
    const Point hub{cx, cy + 2.0f};
    return unite(capsule(hub, {cx, cy - 5.5f}, 1.3f), capsule(hub, {cx + 5.0f, cy + 4.5f}, 1.3f));
}

Shape trophyIcon(float cx, float cy) {
    const Shape bowl = intersect(circle(cx, cy - 4.0f, 10.5f),
                                 roundedBox(cx - 20.0f, cy - 11.0f, cx + 20.0f, cy + 20.0f, 0.0f));
    const Shape handles = subtract(
        unite(ring(cx - 10.0f, cy - 5.0f, 2.5f, 4.6f), ring(cx + 10.0f, cy - 5.0f, 2.5f, 4.6f)),
        roundedBox(cx - 10.0f, cy - 20.0f, cx + 10.0f, cy + 20.0f, 0.0f));
    const Shape stem = roundedBox(cx - 2.0f, cy + 4.0f, cx + 2.0f, cy + 9.0f, 0.0f);
    const Shape base = roundedBox(cx - 8.0f, cy + 9.0f, cx + 8.0f, cy + 13.0f, 1.5f);
    return unite(unite(bowl, handles), unite(stem, base));
}

Shape powerIcon(float cx, float cy) {
    const Point middle{cx, cy + 1.5f};
    const Shape arc =
        subtract(ring(middle.x, middle.y, 7.5f, 11.0f),
                 polygon({{cx, cy + 1.0f}, {cx - 9.0f, cy - 14.0f}, {cx + 9.0f, cy - 14.0f}}));
    return unite(arc, capsule({cx, cy - 11.0f}, {cx, cy - 1.0f}, 1.9f));
}

} // namespace artgen
