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

Image drawDesktopIcon() {
    constexpr int kSize = 64;
    constexpr float kCentre = kSize * 0.5f;
    Canvas canvas(kSize, kSize);
    canvas.fill(roundedBox(0.0f, 0.0f, float(kSize), float(kSize), 0.0f),
                verticalGradient(rgb(36, 42, 58), rgb(10, 10, 14), 0.0f, float(kSize)));
    paintTarget(canvas, kCentre, kCentre, 25.0f);
    // Light arms, so the crosshair reads on the dark tile as well as on the rings.
    const Colour steel = rgb(190, 196, 210);
    const float in = 11.0f;
    const float out = 30.0f;
    canvas.fill(capsule({kCentre - out, kCentre}, {kCentre - in, kCentre}, 1.6f), steel);
    canvas.fill(capsule({kCentre + in, kCentre}, {kCentre + out, kCentre}, 1.6f), steel);
    canvas.fill(capsule({kCentre, kCentre - out}, {kCentre, kCentre - in}, 1.6f), steel);
    canvas.fill(capsule({kCentre, kCentre + in}, {kCentre, kCentre + out}, 1.6f), steel);
    return canvas.flattenOver(kBlack);
}

} // namespace artgen
