// The pictures the build draws, read from the game folder as the game reads them.
#include "artgen/KeyboardLayout.h"
#include "support/ScreenTest.h"

#include <SDL_image.h>

TEST(Artwork, EachPictureFitsWhereTheGamePutsIt) {
    // A splash on the screen; a button in its quarter, beside "+"; "+" and "-" in a setup row; a
    // target in a three-player column and a four-player row; a background larger than the screen.
    struct Room {
        const char* picture;
        int leastWidth, leastHeight, mostWidth, mostHeight;
    };
    const Room rooms[] = {
        {"splash-brenvik.png", 200, 120, 320, 240},
        {"splash-tolvane.png", 200, 120, 320, 240},
        {"playbutton.png", 80, 60, 116, 100},
        {"challengebutton.png", 80, 60, 116, 100},
        {"highscoresbutton.png", 80, 60, 116, 100},
        {"exitbutton.png", 80, 60, 116, 100},
        {"minus.png", 24, 24, 36, 36},
        {"plus.png", 24, 24, 36, 36},
        {"target.png", 56, 56, 105, 119},
        {"keyboard.png", 320, 60, 320, 160},
        {"bwbg.png", 321, 241, 2048, 2048},
        {"rwbg.png", 321, 241, 2048, 2048},
        {"rwbg2.png", 321, 241, 2048, 2048},
        {"vrel_icon.bmp", 32, 32, 32, 32},
    };
    for (const Room& room : rooms) {
        SurfacePtr picture(IMG_Load((std::string("images/") + room.picture).c_str()));
        ASSERT_TRUE(picture) << room.picture;
        EXPECT_GE(picture->w, room.leastWidth) << room.picture;
        EXPECT_LE(picture->w, room.mostWidth) << room.picture;
        EXPECT_GE(picture->h, room.leastHeight) << room.picture;
        EXPECT_LE(picture->h, room.mostHeight) << room.picture;
    }
}

// The game reads the map unconverted: each pixel holds its key's code, 0 between keys.
TEST(Artwork, TheKeyMapHoldsEachKeysCodeUnderItsCap) {
    SurfacePtr keyboard(IMG_Load("images/keyboard.png")), map(IMG_Load("images/keyboardmap.bmp"));
    ASSERT_TRUE(keyboard && map);
    EXPECT_EQ(map->format->BytesPerPixel, 4);
    EXPECT_EQ(readFile("images/keyboardmap.bmp")[30], 3) << "bit fields, so no loader adds alpha";
    EXPECT_EQ(map->w, keyboard->w);
    EXPECT_EQ(map->h, keyboard->h);
    auto code = [&](int x, int y) { return int(Sprite::getPixel(map.get(), x, y)); };
    auto shown = [&](int x, int y) { return Sprite::getPixel(keyboard.get(), x, y); };
    std::string codes;
    for (const artgen::Key& key : artgen::keyboardLayout()) {
        codes += char(code(key.x + key.w / 2, key.y + key.h / 2));
        const int right = key.x + key.w - 1, bottom = key.y + key.h - 1;
        EXPECT_EQ(code(key.x, key.y), key.code) << key.label << ": its top-left corner";
        EXPECT_EQ(code(right, bottom), key.code) << key.label << ": its bottom-right corner";
        EXPECT_EQ(code(key.x - 1, key.y), 0) << key.label << ": left of it";
        EXPECT_EQ(code(right + 1, bottom), 0) << key.label << ": right of it";
        EXPECT_EQ(code(right, bottom + 1), 0) << key.label << ": below it";
        EXPECT_NE(shown(key.x + 3, key.y + 9), shown(key.x - 1, key.y + 9)) << "a cap on the panel";
    }
    EXPECT_EQ(codes, "1234567890QWERTYUIOPASDFGHJKLZXCVBNM-.! \b\r");
}
