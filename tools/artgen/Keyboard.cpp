#include "Keyboard.h"

#include "Canvas.h"
#include "KeyboardLayout.h"
#include "Palette.h"
#include "Text.h"

namespace artgen {

namespace {

constexpr int kCharacterSize = 12;
constexpr int kPunctuationSize = 16; // a lone dot or dash needs more size to be seen
constexpr int kWordSize = 9;

struct CapLook {
    Colour face;
    Colour label;
};

CapLook lookOf(const Key& key) {
    switch (key.code) {
    case kKeyDelete:
        return {rgb(216, 64, 52), kWhite};
    case kKeyEnd:
        return {rgb(52, 166, 72), kWhite};
    case ' ':
        return {rgb(150, 164, 196), kWhite};
    default:
        return {rgb(236, 236, 242), rgb(28, 30, 44)};
    }
}

void paintPanel(Canvas& canvas) {
    const float w = kKeyboardWidth;
    const float h = kKeyboardHeight;
    canvas.fill(roundedBox(-1.0f, 0.0f, w + 1.0f, h + 8.0f, 0.0f), rgb(92, 100, 128));
    canvas.fill(roundedBox(-1.0f, 1.0f, w + 1.0f, h + 8.0f, 0.0f), rgb(30, 33, 46));
}

// A cap with a darker lip along its bottom, so it stands up off the panel.
void paintCap(Canvas& canvas, const Key& key, const CapLook& look) {
    const float x0 = float(key.x);
    const float y0 = float(key.y);
    const float x1 = x0 + float(key.w);
    const float y1 = y0 + float(key.h);
    canvas.fill(roundedBox(x0, y0, x1, y1, 3.5f), scaled(look.face, 0.55f));
    canvas.fill(roundedBox(x0 + 1.0f, y0 + 1.0f, x1 - 1.0f, y1 - 3.0f, 2.5f),
                verticalGradient(mix(look.face, kWhite, 0.3f), look.face, y0, y1 - 3.0f));
}

const Font& fontFor(const Key& key, const Font& character, const Font& punctuation,
                    const Font& word) {
    if (key.label.size() > 1) {
        return word;
    }
    const char c = key.label[0];
    const bool alphanumeric = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return alphanumeric ? character : punctuation;
}

} // namespace

Image drawKeyboard(const std::string& keycapFontPath) {
    Canvas canvas(kKeyboardWidth, kKeyboardHeight);
    paintPanel(canvas);
    const Font characterFont(keycapFontPath, kCharacterSize);
    const Font wordFont(keycapFontPath, kWordSize);
    const Font punctuationFont(keycapFontPath, kPunctuationSize);
    for (const Key& key : keyboardLayout()) {
        const CapLook look = lookOf(key);
        paintCap(canvas, key, look);
        const Font& font = fontFor(key, characterFont, punctuationFont, wordFont);
        TextStyle style;
        style.fill = solid(look.label);
        drawLabel(canvas, font, key.label, float(key.x) + float(key.w) * 0.5f,
                  float(key.y) + float(key.h - 2) * 0.5f, style);
    }
    return canvas.flattenOver(kBlack);
}

std::vector<std::uint32_t> drawKeyboardMap() {
    std::vector<std::uint32_t> values(std::size_t(kKeyboardWidth) * kKeyboardHeight, 0);
    for (const Key& key : keyboardLayout()) {
        for (int y = key.y; y < key.y + key.h; ++y) {
            for (int x = key.x; x < key.x + key.w; ++x) {
                values[std::size_t(y) * kKeyboardWidth + x] = std::uint32_t(key.code);
            }
        }
    }
    return values;
}

} // namespace artgen
