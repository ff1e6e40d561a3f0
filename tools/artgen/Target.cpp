#include "Target.h"

#include "Palette.h"

#include <array>

namespace artgen {

namespace {

struct Band {
    float radius; // as a fraction of the whole target
    Colour colour;
};

// Outer edge first; each band is painted over the previous one. The dark rim
// keeps the target readable on the white squares and stripes of the backgrounds.
constexpr std::array<Band, 6> kBands{{
    {1.00f, kTargetRim},
    {0.90f, kTargetRed},
    {0.75f, kTargetWhite},
    {0.57f, kTargetRed},
    {0.39f, kTargetWhite},
    {0.22f, kTargetRed},
}};

} // namespace

void paintTarget(Canvas& canvas, float cx, float cy, float radius) {
    for (const Band& band : kBands) {
        canvas.fill(circle(cx, cy, band.radius * radius), band.colour);
    }
    // A small glint on the bullseye gives the flat rings a little depth.
    const float glint = radius * 0.07f;
    canvas.fill(circle(cx - radius * 0.07f, cy - radius * 0.07f, glint),
                mix(kTargetRed, kTargetWhite, 0.55f));
}

Image drawTarget() {
    constexpr int kSize = 60;
    Canvas canvas(kSize, kSize);
    paintTarget(canvas, kSize * 0.5f, kSize * 0.5f, kSize * 0.5f);
    return canvas.flatten();
}

} // namespace artgen
