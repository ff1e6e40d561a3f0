#pragma once

#include "artgen/KeyboardLayout.h"
#include "support/FakeSdl.h"

#include <SDL.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

// Scripting the on-screen keyboard: where its keys are on the screen, pressing
// them, and writing key maps of a test's own.

// The keyboard is centred and touches the bottom edge of the screen.
constexpr int KEYBOARD_LEFT = 160 - artgen::kKeyboardWidth / 2;
constexpr int KEYBOARD_TOP = 240 - artgen::kKeyboardHeight;

struct ScreenPoint {
    int x;
    int y;
};

inline ScreenPoint keyCentre(int code) {
    for (const artgen::Key& key : artgen::keyboardLayout()) {
        if (key.code == code)
            return {KEYBOARD_LEFT + key.x + key.w / 2, KEYBOARD_TOP + key.y + key.h / 2};
    }
    throw std::invalid_argument("no key for code " + std::to_string(code));
}

// Queues one click per character: '\b' is the delete key, '\r' the end key.
inline void pressKeys(const std::string& keys) {
    for (const char c : keys) {
        const ScreenPoint at = keyCentre(static_cast<unsigned char>(c));
        fake::click(at.x, at.y);
    }
}

// Writes a 32-bit key map in the game's BMP layout (bit fields, bottom-up
// rows, blue in the lowest byte); value(x, y) gives each pixel's 32 bits.
inline void writeKeyMap(const std::string& path, int width, int height,
                        const std::function<std::uint32_t(int, int)>& value) {
    std::string bytes;
    const auto put16 = [&bytes](std::uint32_t v) {
        bytes += static_cast<char>(v & 0xFF);
        bytes += static_cast<char>((v >> 8) & 0xFF);
    };
    const auto put32 = [&put16](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const std::uint32_t pixelOffset = 14 + 40 + 12;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(width * height * 4);
    bytes += "BM";
    put32(pixelOffset + imageSize);
    put32(0);
    put32(pixelOffset);
    put32(40);
    put32(static_cast<std::uint32_t>(width));
    put32(static_cast<std::uint32_t>(height));
    put16(1);
    put16(32);
    put32(3); // bit fields
    put32(imageSize);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    put32(0x00FF0000u);
    put32(0x0000FF00u);
    put32(0x000000FFu);
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
            put32(value(x, y));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
