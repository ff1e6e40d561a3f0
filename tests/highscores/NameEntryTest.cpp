// Typing a name on the on-screen keyboard: what each key's code does, and the
// name shown in red above the keyboard.
#include "highscores/HighScoreTable.h"
#include "support/ScreenTest.h"

using NameEntryTest = ScreenTest;

// Four entries, each from the name the last returned (the game remembers it as
// long as it runs): typed with detours on a keyboard drawn from the map, deleted
// to nothing and ended by a quit request, typed on a map of our own, no map.
TEST_F(NameEntryTest, TheNameTypedIsShownAboveTheKeyboard) {
    IN_A_PROCESS_OF_ITS_OWN(); // and so the keyboard's picture is not loaded yet
    ScratchFolder folder;
    std::rename("images/keyboard.png", "images/hidden.png");
    writeFile("high.dat", "");
    HighScoreTable table;
    const char* shown[] = {"",     "B",   "BR", "BRE", "BREN", "BRE", "BREV",
                           "BREV", "BRE", "BR", "B",   "",     "",    "A"};
    fake::onFrame([&](int frame) {
        if (frame > 7) {
            EXPECT_TRUE(pictureAt("images/keyboard.png", KEYBOARD_LEFT, KEYBOARD_TOP)) << frame;
        } else { // light caps drawn without the picture
            const ScreenPoint a = keyCentre('A'), end = keyCentre(13);
            EXPECT_TRUE(pixelIs(a.x - 12, a.y - 8, 210, 210, 214)) << "A in frame " << frame;
            EXPECT_TRUE(pixelIs(end.x - 12, end.y - 8, 210, 210, 214)) << "END in frame " << frame;
        }
        if (frame > 14)
            return; // the key map is then one of our own
        const char* name = shown[frame - 1];
        EXPECT_TRUE(*name ? showsCentredText("big", name, RED, 160, KEYBOARD_TOP / 2)
                          : countPixels({0, 0, 320, KEYBOARD_TOP}, 255, 0, 0) == 0)
            << frame;
    });
    pressKeys("BREN\b");
    fake::push(fake::mouseMotion(keyCentre('X').x, keyCentre('X').y)); // only button presses
    fake::push(fake::keyDown(SDLK_x));                                 // count, whichever button
    fake::push(fake::mouseDown(keyCentre('V').x, keyCentre('V').y, SDL_BUTTON_RIGHT));
    pressKeys("\r");
    table.addScore(1, 1, nullptr);
    std::rename("images/hidden.png", "images/keyboard.png");
    pressKeys("\b\b\b\b\bA");
    fake::push(fake::quitRequest());
    pressKeys("C");
    table.addScore(2, 2, "");
    EXPECT_EQ(readFile("high.dat"), "2\n2\nA\n1\n1\nBREV\n");
    EXPECT_EQ(fake::pendingEvents(), 2u) << "the quit request is consumed, the click after it not";
    EXPECT_EQ(fake::delays(), std::vector<Uint32>(14, 20u)) << "a 20 ms nap before each look";

    // The code is the lowest non-zero byte of the value under the press, which
    // is measured from the keyboard's corner; the map's alpha is no part of it.
    Uint32 values[] = {65, 65 << 16, 8, 127, 31, 0x4200FF00, 0x20000000, 0xFF00000D};
    SurfacePtr map(
        SDL_CreateRGBSurfaceFrom(values, 8, 1, 32, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    SDL_SaveBMP(map.get(), "images/keyboardmap.bmp");
    // The map's pixels but the last, presses past its end, above and below it, then its end key.
    const ScreenPoint presses[] = {{0, 0}, {1, 0}, {2, 0},  {3, 0}, {4, 0}, {5, 0},
                                   {6, 0}, {8, 0}, {0, -1}, {0, 1}, {7, 0}};
    for (const ScreenPoint p : presses)
        fake::click(KEYBOARD_LEFT + p.x, KEYBOARD_TOP + p.y);
    EXPECT_EQ(table.enterName(), "AA\xFF");
    std::remove("images/keyboardmap.bmp");
    CapturedLog log;
    EXPECT_EQ(HighScoreTable().enterName(), "AA\xFF");
    EXPECT_EQ(log.errors().rfind("ERROR: can't load image 'images/keyboardmap.bmp' - ", 0), 0u);
    EXPECT_EQ(fake::flips(), 27) << "the click left after the quit, and once without a key map";
}
