// The pictures and sounds the build makes, read from the game folder as the game reads them.
#include "artgen/KeyboardLayout.h"
#include "support/ScreenTest.h"

#include <SDL_image.h>

TEST(Artwork, EachPictureFitsWhereTheGamePutsIt) {
    // A splash on the screen; a button in its quarter, beside "+"; "+" and "-" in a setup row; a
    // target in a three-player column and a four-player row; a background larger than the screen.
    const std::tuple<std::vector<std::string>, int, int, int, int> ROOMS[] = {
        {{"splash-brenvik.png", "splash-tolvane.png"}, 200, 120, 320, 240},
        {{"playbutton.png", "challengebutton.png"}, 80, 60, 116, 100},
        {{"highscoresbutton.png", "exitbutton.png"}, 80, 60, 116, 100},
        {{"minus.png", "plus.png"}, 24, 24, 36, 36},
        {{"target.png"}, 56, 56, 105, 119},
        {{"keyboard.png"}, 320, 60, 320, 160},
        {{"bwbg.png", "rwbg.png", "rwbg2.png"}, 321, 241, 2048, 2048},
        {{"vrel_icon.bmp"}, 32, 32, 32, 32}};
    for (const auto& [files, w, h, maxW, maxH] : ROOMS)
        for (const std::string& file : files) {
            SurfacePtr p(IMG_Load(("images/" + file).c_str()));
            ASSERT_TRUE(p) << file;
            EXPECT_TRUE(p->w >= w && p->w <= maxW && p->h >= h && p->h <= maxH) << file;
        }
}

// The game reads the map unconverted: each pixel holds its key's code, 0 between keys.
TEST(Artwork, TheKeyMapHoldsEachKeysCodeUnderItsCap) {
    SurfacePtr keyboard(IMG_Load("images/keyboard.png")), map(IMG_Load("images/keyboardmap.bmp"));
    ASSERT_TRUE(keyboard && map && map->format->BytesPerPixel == 4);
    EXPECT_TRUE(map->w == keyboard->w && map->h == keyboard->h);
    auto code = [&](int x, int y) { return int(Sprite::getPixel(map.get(), x, y)); };
    auto shown = [&](int x, int y) { return Sprite::getPixel(keyboard.get(), x, y); };
    std::string codes;
    for (const artgen::Key& key : artgen::keyboardLayout()) {
        codes += char(code(key.x + key.w / 2, key.y + key.h / 2));
        const int right = key.x + key.w - 1, bottom = key.y + key.h - 1;
        EXPECT_TRUE(code(key.x, key.y) == key.code && code(right, bottom) == key.code) << key.label;
        EXPECT_TRUE(code(key.x - 1, key.y) == 0 && code(right + 1, bottom) == 0 &&
                    code(right, bottom + 1) == 0)
            << key.label;
        EXPECT_NE(shown(key.x + 3, key.y + 9), shown(key.x - 1, key.y + 9)) << "a cap on the panel";
    }
    EXPECT_EQ(codes, "1234567890QWERTYUIOPASDFGHJKLZXCVBNM-.! \b\r");
}
