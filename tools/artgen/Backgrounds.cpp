#include "Backgrounds.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr float kTau = 6.2831853f;

template <class ColourAt> Image paintEveryPixel(ColourAt colourAt) {
    Image image(kBackgroundWidth, kBackgroundHeight);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.at(x, y) = toVisibleRgb(colourAt(float(x) + 0.5f, float(y) + 0.5f));
        }
    }
    return image;
}

// Fully saturated colour wheel; `turn` in 0..1.
Colour hue(float turn) {
    const float h = (turn - std::floor(turn)) * 6.0f;
    const auto channel = [h](float offset) {
        const float k = std::fmod(offset + h, 6.0f);
        return 255.0f * std::clamp(std::min(k, 4.0f - k), 0.0f, 1.0f);
    };
    return Colour{channel(5.0f), channel(3.0f), channel(1.0f)};
}

} // namespace

Image drawCheckerBackground() {
    constexpr int kSquare = 20;
    const Colour dark = rgb(16, 16, 16);
    const Colour light = rgb(240, 240, 240);
    return paintEveryPixel([&](float x, float y) {
        const int parity = (int(x) / kSquare + int(y) / kSquare) % 2;
        return parity == 0 ? light : dark;
    });
}

Image drawStripeBackground() {
    // One red and one white stripe per 60 pixels along a row; 60 divides both
    // sides of the picture, so the stripes run on seamlessly.
    constexpr float kPeriod = 60.0f;
    const Colour red = rgb(204, 26, 36);
    const Colour white = rgb(246, 240, 232);
    return paintEveryPixel([&](float x, float y) {
        const float phase = std::fmod(x + y, kPeriod) / kPeriod;
        // Distance to the nearest stripe edge, in pixels across the diagonal.
        const float edge = std::min(std::fabs(phase - 0.5f), std::min(phase, 1.0f - phase));
        const float pixels = edge * kPeriod / std::sqrt(2.0f);
        const Colour inside = phase < 0.5f ? red : white;
        const Colour across = phase < 0.5f ? white : red;
        return mix(across, inside, std::min(pixels + 0.5f, 1.0f));
    });
}

Image drawPsychoBackground() {
    // Whole numbers of waves across the picture keep the pattern seamless.
    const float w = kBackgroundWidth;
    const float h = kBackgroundHeight;
    return paintEveryPixel([&](float x, float y) {
        const float u = x / w;
        const float v = y / h;
        const float swirl =
            std::sin(kTau * (2.0f * u + 1.0f * v)) +
            std::sin(kTau * (-1.0f * u + 3.0f * v) + 1.3f) +
            std::sin(kTau * (3.0f * u - 2.0f * v) + 2.1f) +
            0.6f * std::sin(kTau * (5.0f * u + 4.0f * v) + 2.0f * std::sin(kTau * (u - v)));
        // Many colour turns over the sum give tight, loud bands.
        const float turn = swirl * 0.9f;
        const float stripe = 0.5f + 0.5f * std::cos(kTau * swirl * 2.5f);
        return mix(hue(turn), rgb(20, 0, 40), 0.55f * stripe * stripe);
    });
}

} // namespace artgen
