#include "Splashes.h"

#include "Canvas.h"
#include "Palette.h"
#include "Target.h"
#include "Text.h"

#include <string>

namespace artgen {

namespace {

constexpr float kMiddle = kSplashWidth * 0.5f;

// Small shot holes in the rings, as if someone had been practising.
void paintHole(Canvas& canvas, float x, float y) {
    canvas.fill(circle(x, y, 4.2f), rgb(70, 60, 56));
    canvas.fill(circle(x, y, 3.0f), rgb(12, 8, 8));
}

void paintScope(Canvas& canvas, float cx, float cy, float radius) {
    const Colour steel = rgb(190, 196, 210);
    canvas.fill(ring(cx, cy, radius - 1.0f, radius + 1.0f), steel);
    const float in = radius - 6.0f;
    const float out = radius + 12.0f;
    canvas.fill(capsule({cx - out, cy}, {cx - in, cy}, 1.2f), steel);
    canvas.fill(capsule({cx + in, cy}, {cx + out, cy}, 1.2f), steel);
    canvas.fill(capsule({cx, cy - out}, {cx, cy - in}, 1.2f), steel);
    canvas.fill(capsule({cx, cy + in}, {cx, cy + out}, 1.2f), steel);
}

void paintBadge(Canvas& canvas, float cx, float cy, float r) {
    const Shape disc = circle(cx, cy, r - 3.0f);
    canvas.fill(circle(cx, cy, r), rgb(232, 176, 52));
    canvas.fill(disc, verticalGradient(rgb(22, 30, 84), rgb(54, 96, 188), cy - r, cy + r * 0.3f));
    canvas.fill(intersect(disc, circle(cx + r * 0.32f, cy - r * 0.28f, r * 0.2f)),
                rgb(255, 196, 72));
    const Shape mountains = unite(polygon({{cx - r, cy + r * 0.3f},
                                           {cx - r * 0.28f, cy - r * 0.42f},
                                           {cx + r * 0.3f, cy + r * 0.3f}}),
                                  polygon({{cx - r * 0.1f, cy + r * 0.3f},
                                           {cx + r * 0.38f, cy - r * 0.12f},
                                           {cx + r, cy + r * 0.3f}}));
    canvas.fill(intersect(disc, mountains), rgb(236, 240, 250));
    const Shape lake = roundedBox(cx - r, cy + r * 0.3f, cx + r, cy + r, 0.0f);
    canvas.fill(intersect(disc, lake), rgb(24, 58, 140));
    for (int i = 0; i < 3; ++i) {
        const float y = cy + r * (0.45f + 0.17f * float(i));
        const float half = r * (0.45f - 0.1f * float(i));
        canvas.fill(capsule({cx - half, y}, {cx + half, y}, 1.1f), rgb(120, 170, 236));
    }
}

// Opens small capitals up, the way title cards set their taglines.
std::string letterSpaced(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (!out.empty()) {
            out += ' ';
        }
        out += c == ' ' ? "  " : std::string(1, c);
    }
    return out;
}

} // namespace

Image drawTitleSplash(const FontPaths& fonts) {
    Canvas canvas(kSplashWidth, kSplashHeight);
    const float targetY = 86.0f;
    paintScope(canvas, kMiddle, targetY, 82.0f);
    paintTarget(canvas, kMiddle, targetY, 72.0f);
    paintHole(canvas, kMiddle - 40.0f, targetY - 34.0f);
    paintHole(canvas, kMiddle + 47.0f, targetY - 20.0f);
    paintHole(canvas, kMiddle + 12.0f, targetY + 52.0f);

    const Font title(fonts.brush, 64);
    TextStyle style;
    style.fill = verticalGradient(kWhite, rgb(255, 214, 120), targetY - 24.0f, targetY + 24.0f);
    style.outline = rgb(60, 0, 8);
    style.outlineWidth = 3.0f;
    style.shadow = kBlack;
    style.shadowOffset = 3;
    drawLabel(canvas, title, "Brenvik", kMiddle, targetY + 2.0f, style);

    const Font tagline(fonts.keycap, 9);
    TextStyle quiet;
    quiet.fill = solid(rgb(200, 204, 214));
    drawLabel(canvas, tagline, letterSpaced("A REFLEX SHOOTING GAME"), kMiddle, 188.0f, quiet);
    return canvas.flattenOver(kBlack);
}

Image drawStudioSplash(const FontPaths& fonts) {
    Canvas canvas(kSplashWidth, kSplashHeight);
    paintBadge(canvas, kMiddle, 66.0f, 40.0f);

    const Font name(fonts.brush, 48);
    TextStyle style;
    style.fill = solid(kWhite);
    style.shadow = rgb(40, 60, 120);
    style.shadowOffset = 2;
    drawLabel(canvas, name, "Tolvane", kMiddle, 140.0f, style);

    const Font small(fonts.brush, 18);
    TextStyle quiet;
    quiet.fill = solid(rgb(170, 176, 196));
    drawLabel(canvas, small, "presents", kMiddle, 180.0f, quiet);
    return canvas.flattenOver(kBlack);
}

} // namespace artgen
