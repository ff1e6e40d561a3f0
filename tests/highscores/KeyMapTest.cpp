#include "highscores/KeyMap.h"
#include "highscores/NameEntry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KeyCodeOf, TakesTheLowestNonZeroByte) {
    const struct {
        Uint32 value;
        Uint8 code;
    } cases[] = {
        {0, 0},           {65, 65},
        {65u << 8, 65},   {65u * 65536, 65},
        {65u << 24, 65},  {0x00414200u, 0x42},
        {0x0D000008u, 8}, {0xFFFFFFFFu, 255},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keyCodeOf(c.value), c.code) << std::hex << c.value;
}

// A 3 x 2 map of 32-bit values in rows padded to 16 bytes, built on plain
// memory: no display needed.
class KeyMapValues : public ::testing::Test {
protected:
    std::vector<Uint32> memory = {1, 2, 3, 0xDEAD, 4, 5, 6, 0xBEEF, 0xCAFE};
    KeyMapView view{reinterpret_cast<const Uint8*>(memory.data()), 3, 2, 16, 4};
};

TEST_F(KeyMapValues, ReadsThePixelUnderAPoint) {
    EXPECT_EQ(keyMapValueAt(view, 0, 0), 1u);
    EXPECT_EQ(keyMapValueAt(view, 2, 0), 3u);
    EXPECT_EQ(keyMapValueAt(view, 0, 1), 4u);
    EXPECT_EQ(keyMapValueAt(view, 2, 1), 6u);
}

TEST_F(KeyMapValues, PointsOutsideTheMapReadZero) {
    const int outside[][2] = {{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {-300, -300}, {32767, 32767}};
    for (const auto& p : outside)
        EXPECT_EQ(keyMapValueAt(view, p[0], p[1]), 0u) << p[0] << ", " << p[1];
}

TEST_F(KeyMapValues, NeverReadsPastARowShorterThanItsPixels) {
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
        NameEdit result;
    } cases[] = {
        {"AB", 'C', "ABC", NameEdit::Continue},
        {"AB", ' ', "AB ", NameEdit::Continue},
        {"AB", 8, "A", NameEdit::Continue},
        {"", 8, "", NameEdit::Continue},
        {"AB", 13, "AB", NameEdit::End},
        {"", 13, "", NameEdit::End},
        {"AB", 0, "AB", NameEdit::Continue},
        {"AB", 1, "AB", NameEdit::Continue},
        {"AB", 9, "AB", NameEdit::Continue},
        {"AB", 10, "AB", NameEdit::Continue},
        {"AB", 27, "AB", NameEdit::Continue},
        {"AB", 31, "AB", NameEdit::Continue},
        {"AB", 127, "AB", NameEdit::Continue},
        {"AB", 126, "AB~", NameEdit::Continue},
        {"AB", 0xE9, "AB\xE9", NameEdit::Continue},
    };
    for (const auto& c : cases) {
        std::string name = c.before;
        EXPECT_EQ(applyKeyCode(name, static_cast<Uint8>(c.code)), c.result) << c.code;
        EXPECT_EQ(name, c.after) << c.code;
    }
}

} // namespace
