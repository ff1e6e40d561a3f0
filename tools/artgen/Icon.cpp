#include "Icon.h"

#include "Palette.h"
#include "Target.h"

namespace artgen {

Image drawIcon() {
    constexpr float kCentre = 16.0f;
    Canvas canvas(32, 32);
    paintTarget(canvas, kCentre, kCentre, 13.0f);
    // Crosshair arms reach past the rings but stop short of the bullseye.
    const Colour arm = kInk;
    canvas.fill(roundedBox(1.0f, 15.0f, 10.0f, 17.0f, 0.5f), arm);
    canvas.fill(roundedBox(22.0f, 15.0f, 31.0f, 17.0f, 0.5f), arm);
    canvas.fill(roundedBox(15.0f, 1.0f, 17.0f, 10.0f, 0.5f), arm);
    canvas.fill(roundedBox(15.0f, 22.0f, 17.0f, 31.0f, 0.5f), arm);
    return canvas.flatten();
}

} // namespace artgen
