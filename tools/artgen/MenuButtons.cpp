#include "MenuButtons.h"

#include "Canvas.h"
#include "MenuIcons.h"
#include "Palette.h"
#include "Text.h"

#include <stdexcept>

namespace artgen {

namespace {

constexpr int kWidth = 112;
constexpr int kHeight = 84;
constexpr float kMiddle = kWidth * 0.5f;
constexpr float kIconY = 28.0f;
constexpr float kIconScale = 1.2f;
constexpr float kLabelY = 62.0f;
constexpr int kLabelSize = 22;

struct ButtonLook {
    const char* label;
    Colour base;
    Colour iconColour;
    Shape icon;
    Shape detail; // painted in the edge colour over the icon; may be empty
};

ButtonLook lookOf(MenuButton which) {
    switch (which) {
    case MenuButton::Play:
        return {"Play", rgb(46, 170, 62), kWhite, playIcon(kMiddle + 1.0f, kIconY), nullptr};
    case MenuButton::Challenge:
        return {"Challenge", rgb(236, 128, 24), kWhite, stopwatchIcon(kMiddle, kIconY),
                stopwatchHands(kMiddle, kIconY)};
    case MenuButton::HighScores:
        return {"High scores", rgb(48, 96, 208), rgb(255, 204, 48), trophyIcon(kMiddle, kIconY),
                nullptr};
    case MenuButton::Exit:
        return {"Exit", rgb(200, 38, 44), kWhite, powerIcon(kMiddle, kIconY), nullptr};
    }
    throw std::logic_error("unknown menu button");
}

// Dark edge, a face lit from above and a glossy band across the upper half.
void paintSlab(Canvas& canvas, Colour base) {
    const float w = kWidth;
    const float h = kHeight;
    canvas.fill(roundedBox(0.0f, 0.0f, w, h, 14.0f), scaled(base, 0.38f));
    const Shape face = roundedBox(2.5f, 2.5f, w - 2.5f, h - 2.5f, 11.5f);
    canvas.fill(face,
                verticalGradient(mix(base, kWhite, 0.15f), scaled(base, 0.72f), 3.0f, h - 3.0f));
    const Shape gloss = intersect(inflate(face, -2.0f), circle(kMiddle, -95.0f, 133.0f));
    canvas.fill(gloss,
                verticalGradient(mix(base, kWhite, 0.45f), mix(base, kWhite, 0.12f), 4.0f, 38.0f));
}

// The icons are drawn small and enlarged, so one scale sets them all.
void paintIcon(Canvas& canvas, const ButtonLook& look) {
    const Colour edge = scaled(look.base, 0.3f);
    const Shape icon = scaledAbout(look.icon, kMiddle, kIconY, kIconScale);
    canvas.fill(inflate(icon, 2.0f), edge);
    canvas.fill(icon, look.iconColour);
    if (look.detail) {
        canvas.fill(scaledAbout(look.detail, kMiddle, kIconY, kIconScale), edge);
    }
}

} // namespace

Image drawMenuButton(MenuButton which, const std::string& brushFontPath) {
    const ButtonLook look = lookOf(which);
    Canvas canvas(kWidth, kHeight);
    paintSlab(canvas, look.base);
    paintIcon(canvas, look);

    const Font font(brushFontPath, kLabelSize);
    TextStyle style;
    style.outline = scaled(look.base, 0.3f);
    style.outlineWidth = 2.0f;
    style.shadow = scaled(look.base, 0.3f);
    style.shadowOffset = 1;
    drawLabel(canvas, font, look.label, kMiddle, kLabelY, style);
    return canvas.flatten();
}

} // namespace artgen
