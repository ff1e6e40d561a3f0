// The key map's decoding on plain memory; the fuzz target tries far more maps
// and presses, and the name entry tests press the game's own map.
#include "highscores/KeyMap.h"
#include "highscores/NameEntry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 3 x 2 map of 32-bit values in rows padded to 16 bytes.
TEST(KeyMapValueAt, ReadsThePixelUnderAPointAndNothingOutsideTheMap) {
    const std::vector<Uint32> memory = {1, 2, 3, 0xDEAD, 4, 5, 6, 0xBEEF, 0xCAFE};
    KeyMapView view{reinterpret_cast<const Uint8*>(memory.data()), 3, 2, 16, 4};
    EXPECT_EQ(keyMapValueAt(view, 0, 0), 1u);
    EXPECT_EQ(keyMapValueAt(view, 2, 0), 3u);
    EXPECT_EQ(keyMapValueAt(view, 0, 1), 4u);
    EXPECT_EQ(keyMapValueAt(view, 2, 1), 6u);
    const int outside[][2] = {{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {-300, -300}, {32767, 32767}};
    for (const auto& p : outside)
        EXPECT_EQ(keyMapValueAt(view, p[0], p[1]), 0u) << p[0] << ", " << p[1];

    // Never past a row shorter than its pixels.
    view.pitch = 8; // only two pixels fit in a row
    EXPECT_EQ(keyMapValueAt(view, 1, 1), 0xDEADu);
    EXPECT_EQ(keyMapValueAt(view, 2, 0), 0u);
    EXPECT_EQ(keyMapValueAt(KeyMapView{}, 0, 0), 0u);
    view.bytesPerPixel = 5;
    EXPECT_EQ(keyMapValueAt(view, 0, 0), 0u);
    // Other pixel sizes read their own size, lowest byte first.
    const Uint8 bytes[] = {0x41, 0x00, 0x00, 0x00, 0x00, 0x42, 0, 0};
    EXPECT_EQ(keyMapValueAt(KeyMapView{bytes, 2, 1, 8, 3}, 1, 0), 0x420000u);
    EXPECT_EQ(keyMapValueAt(KeyMapView{bytes, 8, 1, 8, 1}, 5, 0), 0x42u);
}

TEST(ApplyKeyCode, OfTheControlCodesOnlyDeleteAndEndDoAnything) {
    for (int code = 0; code < 256; ++code) {
        std::string name = "AB";
        const NameEdit result = applyKeyCode(name, static_cast<Uint8>(code));
        const bool control = code < 32 || code == 127;
        EXPECT_EQ(name, code == 8 ? "A"
                        : control ? "AB"
                                  : "AB" + std::string(1, char(code)))
            << code;
        EXPECT_EQ(result == NameEdit::End, code == 13) << code;
    }
    std::string empty;
    EXPECT_EQ(applyKeyCode(empty, 13), NameEdit::End);
    EXPECT_EQ(empty, "");
}

} // namespace
