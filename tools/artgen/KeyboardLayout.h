#pragma once

#include <string>
#include <vector>

namespace artgen {

// The on-screen keyboard for typing a name. The picture and the map of key
// codes are both drawn from this one table, so they always line up.
constexpr int kKeyboardWidth = 320;
constexpr int kKeyboardHeight = 122;
constexpr int kKeyPitchX = 32;
constexpr int kKeyPitchY = 24;
constexpr int kKeyWidth = 30;
constexpr int kKeyHeight = 22;

constexpr int kKeyDelete = 8;
constexpr int kKeyEnd = 13;

struct Key {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int code = 0;
    std::string label;
};

namespace layout_detail {

inline void addRow(std::vector<Key>& keys, const char* characters, int row, int indent) {
    for (int i = 0; characters[i] != '\0'; ++i) {
        const int code = static_cast<unsigned char>(characters[i]);
        keys.push_back({indent + 1 + i * kKeyPitchX, 2 + row * kKeyPitchY, kKeyWidth, kKeyHeight,
                        code, std::string(1, characters[i])});
    }
}

// A key spanning `slots` places of the grid, starting at place `first`.
inline Key wideKey(int first, int slots, int row, int code, const char* label) {
    return {1 + first * kKeyPitchX,
            2 + row * kKeyPitchY,
            slots * kKeyPitchX - 2,
            kKeyHeight,
            code,
            label};
}

} // namespace layout_detail

// Rows stagger like a real keyboard; the bottom row holds punctuation, the space
// bar, delete and the end key that finishes the name.
inline std::vector<Key> keyboardLayout() {
    using namespace layout_detail;
    std::vector<Key> keys;
    addRow(keys, "1234567890", 0, 0);
    addRow(keys, "QWERTYUIOP", 1, 0);
    addRow(keys, "ASDFGHJKL", 2, kKeyPitchX / 2);
    addRow(keys, "ZXCVBNM", 3, kKeyPitchX * 3 / 2);
    addRow(keys, "-.!", 4, 0);
    keys.push_back(wideKey(3, 3, 4, ' ', "SPACE"));
    keys.push_back(wideKey(6, 2, 4, kKeyDelete, "DEL"));
    keys.push_back(wideKey(8, 2, 4, kKeyEnd, "END"));
    return keys;
}

} // namespace artgen
