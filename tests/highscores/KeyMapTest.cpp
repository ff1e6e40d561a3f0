// Where a press on the keyboard reads its key map.
#include "highscores/KeyMap.h"

#include <gtest/gtest.h>

TEST(KeyMap, ReadsTheValueUnderAPressInsideTheMapOnly) {
    // 2 x 2 pixels in rows padded to 12 bytes, and memory past the map.
    const Uint32 memory[] = {1, 2, 0xDEAD, 3, 4, 0xBEEF, 0xCAFE, 0xCAFE};
    const KeyMapView map{reinterpret_cast<const Uint8*>(memory), 2, 2, 12, 4};
    struct Point {
        int x, y;
        Uint32 value;
    };
    const Point points[] = {
        {0, 0, 1}, {1, 0, 2},  {0, 1, 3}, {1, 1, 4},  // the four pixels
        {2, 0, 0}, {-1, 0, 0}, {0, 2, 0}, {0, -1, 0}, // beside and past them
    };
    for (const Point& p : points)
        EXPECT_EQ(keyMapValueAt(map, p.x, p.y), p.value) << p.x << ", " << p.y;
}

TEST(KeyMap, LeavesOutTheBitsOfTheMapsAlphaChannel) {
    const Uint32 memory[] = {0xFF000000, 0xFF410000};
    const KeyMapView map{reinterpret_cast<const Uint8*>(memory), 2, 1, 8, 4, 0xFF000000};
    EXPECT_EQ(keyMapValueAt(map, 0, 0), 0u) << "an opaque gap between the keys";
    EXPECT_EQ(keyMapValueAt(map, 1, 0), 0x410000u);
}

TEST(KeyMap, ReadsNarrowerPixelsLowestByteFirst) {
    const Uint8 memory[] = {0x41, 0, 0, 1, 2, 3};
    const KeyMapView map{memory, 2, 1, 6, 3};
    EXPECT_EQ(keyMapValueAt(map, 0, 0), 0x41u);
    EXPECT_EQ(keyMapValueAt(map, 1, 0), 0x030201u);
}
