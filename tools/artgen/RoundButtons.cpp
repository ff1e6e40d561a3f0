#include "RoundButtons.h"

#include "Canvas.h"
#include "Palette.h"

#include <initializer_list>
#include <utility>

namespace artgen {

namespace {

constexpr int kSize = 30;
constexpr float kCentre = kSize * 0.5f;

// A glossy coin of the given colour; the sign is painted on top by the caller.
Canvas roundButton(Colour base) {
    Canvas canvas(kSize, kSize);
    canvas.fill(circle(kCentre, kCentre, kCentre), scaled(base, 0.45f));
    canvas.fill(circle(kCentre, kCentre, kCentre - 1.5f),
                verticalGradient(mix(base, kWhite, 0.35f), scaled(base, 0.8f), 2.0f, 28.0f));
    canvas.fill(
        intersect(circle(kCentre, kCentre, kCentre - 3.0f), circle(kCentre, kCentre - 9.0f, 10.0f)),
        mix(base, kWhite, 0.45f));
    return canvas;
}

// White bars over a dark edge, so the sign reads on the bright half of the coin
// too. All edges go first, or one bar's edge would cut across the other.
void paintSign(Canvas& canvas, std::initializer_list<std::pair<Point, Point>> bars) {
    for (const auto& [from, to] : bars) {
        canvas.fill(capsule(from, to, 3.3f), scaled(kInk, 1.5f));
    }
    for (const auto& [from, to] : bars) {
        canvas.fill(capsule(from, to, 2.2f), kWhite);
    }
}

const std::pair<Point, Point> kAcross{{8.5f, kCentre}, {21.5f, kCentre}};
const std::pair<Point, Point> kDown{{kCentre, 8.5f}, {kCentre, 21.5f}};

} // namespace

Image drawMinusButton() {
    Canvas canvas = roundButton(rgb(214, 52, 44));
    paintSign(canvas, {kAcross});
    return canvas.flatten();
}

// The plus coin stands in a picture 6 pixels taller than itself, with clear
// rows above and below: the setup screen centres each value half a plus height
// above the bottom edge, and this lifts the lowest row's value ("psycho" with
// its tails) fully onto the screen.
Image drawPlusButton() {
    Canvas canvas = roundButton(rgb(40, 168, 64));
    paintSign(canvas, {kAcross, kDown});
    const Image coin = canvas.flatten();
    constexpr int kMargin = 3;
    Image padded(coin.width, coin.height + 2 * kMargin, kCyan);
    for (int y = 0; y < coin.height; ++y)
        for (int x = 0; x < coin.width; ++x)
            padded.at(x, y + kMargin) = coin.at(x, y);
    return padded;
}

} // namespace artgen
