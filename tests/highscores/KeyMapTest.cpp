#include "highscores/KeyMap.h"
#include "highscores/NameEntry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KeyCodeOf, TakesTheLowestNonZeroByte) {
    const std::pair<Uint32, Uint8> cases[] = {{0, 0},           {65, 65},
                                              {65u << 8, 65},   {65u * 65536, 65},
                                              {65u << 24, 65},  {0x00414200u, 0x42},
                                              {0x0D000008u, 8}, {0xFFFFFFFFu, 255}};
    for (const auto& [value, code] : cases)
        EXPECT_EQ(keyCodeOf(value), code) << std::hex << value;
}

// A 3 x 2 map of 32-bit values in rows padded to 16 bytes, on plain memory.
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
}

TEST(KeyMapValuesOfOtherDepths, ReadTheirOwnPixelSizeLowestByteFirst) {
    const Uint8 bytes[] = {0x41, 0x00, 0x00, 0x00, 0x00, 0x42, 0, 0};
    EXPECT_EQ(keyMapValueAt(KeyMapView{bytes, 2, 1, 8, 3}, 0, 0), 0x41u);
    EXPECT_EQ(keyMapValueAt(KeyMapView{bytes, 2, 1, 8, 3}, 1, 0), 0x420000u);
    EXPECT_EQ(keyMapValueAt(KeyMapView{bytes, 8, 1, 8, 1}, 5, 0), 0x42u);
}

TEST(KeyMapViewOf, DescribesASurfaceAndNothingForNone) {
    std::vector<Uint32> memory(4 * 3, 7);
    SDL_Surface* map = SDL_CreateRGBSurfaceFrom(memory.data(), 4, 3, 32, 16, 0x00FF0000, 0x0000FF00,
                                                0x000000FF, 0);
    ASSERT_NE(map, nullptr);
    const KeyMapView view = keyMapViewOf(map);
    EXPECT_EQ(view.width, 4);
    EXPECT_EQ(view.height, 3);
    EXPECT_EQ(view.bytesPerPixel, 4);
    EXPECT_EQ(keyMapValueAt(view, 3, 2), 7u);
    SDL_FreeSurface(map);
    EXPECT_EQ(keyMapViewOf(nullptr).pixels, nullptr);
}

TEST(ApplyKeyCode, EditsTheNameByCode) {
    const struct {
        const char* before;
        int code;
        const char* after;
    } cases[] = {{"AB", 'C', "ABC"},
                 {"AB", ' ', "AB "},
                 {"AB", 126, "AB~"},
                 {"AB", 0xE9, "AB\xE9"},
                 {"AB", 8, "A"},
                 {"", 8, ""},
                 // Other control codes change nothing.
                 {"AB", 0, "AB"},
                 {"AB", 1, "AB"},
                 {"AB", 9, "AB"},
                 {"AB", 10, "AB"},
                 {"AB", 27, "AB"},
                 {"AB", 31, "AB"},
                 {"AB", 127, "AB"}};
    for (const auto& c : cases) {
        std::string name = c.before;
        EXPECT_EQ(applyKeyCode(name, static_cast<Uint8>(c.code)), NameEdit::Continue) << c.code;
        EXPECT_EQ(name, c.after) << c.code;
    }
    for (const char* before : {"AB", ""}) {
        std::string name = before;
        EXPECT_EQ(applyKeyCode(name, 13), NameEdit::End);
        EXPECT_EQ(name, before);
    }
}

} // namespace
