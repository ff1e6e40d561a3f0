#include "highscores/NameEntry.h"
#include "highscores/HighScoreTable.h"
#include "highscores/OnScreenKeyboard.h"
#include "media/ResourceManager.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

#include <map>

namespace {

const SDL_Rect ABOVE_KEYBOARD{0, 0, 320, KEYBOARD_TOP};

// A key map of five upright bands, 64 pixels wide, for values the game's own
// map does not hold.
constexpr Uint32 BAND_VALUES[] = {65, 65u * 65536, 7, 13, 0xFFFFFFFFu};
void clickBand(int band) {
    fake::click(band * 64 + 32, KEYBOARD_TOP + 60);
}

class NameEntryTest : public ScreenTest {
protected:
    // The game's key map file with every pixel's value replaced by its band's.
    void useBandedKeyMap() {
        std::string map = readFile(folder.file("images/keyboardmap.bmp"));
        const auto word = [&map](std::size_t at) {
            Uint32 value = 0;
            for (std::size_t b = 0; b < 4; ++b)
                value |= Uint32(Uint8(map[at + b])) << (8 * b);
            return value;
        };
        const std::size_t offset = word(10);
        const std::size_t width = word(18);
        for (std::size_t pixel = 0; offset + 4 * pixel + 3 < map.size(); ++pixel)
            for (std::size_t b = 0; b < 4; ++b)
                map[offset + 4 * pixel + b] = char(BAND_VALUES[pixel % width / 64] >> (8 * b));
        folder.replaceData("images/keyboardmap.bmp", nullptr);
        writeFile(folder.file("images/keyboardmap.bmp"), map);
    }
    static int redPixelsOfTheName() { return countPixels(ABOVE_KEYBOARD, 255, 0, 0); }

    ScratchFolder folder;
};

TEST_F(NameEntryTest, ANameIsTypedOnTheKeysAndShownAboveTheKeyboard) {
    pressKeys("BREN\bV\r");
    std::map<int, int> redByFrame;
    int keyboardPixels = 0;
    fake::onFrame([&](int frame) {
        redByFrame[frame] = redPixelsOfTheName();
        if (frame == 1)
            keyboardPixels = 320 * 122 - countPixels({0, KEYBOARD_TOP, 320, 122}, 0, 0, 0);
        if (frame == 4)
            saveScreen("name-entry-half-typed");
    });
    NameEntry entry;
    CapturedLog log;
    EXPECT_EQ(entry.run(), "BREV");

    EXPECT_EQ(fake::flips(), 7) << "one frame at the start and one after every key but the end";
    EXPECT_EQ(redByFrame[1], 0) << "nothing typed yet";
    EXPECT_GT(redByFrame[2], 0);
    EXPECT_GT(redByFrame[4], redByFrame[2]) << "BRE has more ink than B";
    EXPECT_GT(redByFrame[5], redByFrame[4]);
    EXPECT_EQ(redByFrame[6], redByFrame[4]) << "delete brings back BRE";
    EXPECT_GT(keyboardPixels, 320 * 122 / 2) << "the keyboard fills the bottom of the screen";
    EXPECT_NE(log.errors().find("ERROR: Can't render text!"), std::string::npos)
        << "the empty name has nothing to render";
}

TEST_F(NameEntryTest, WithoutTheKeyboardPictureTheKeysAreDrawnFromTheMap) {
    REQUIRE_FRESH_PROCESS(); // the picture must not be in the image cache yet
    folder.replaceData("images/keyboard.png", nullptr);
    pressKeys("ADA\r");
    int keyCaps = 0;
    fake::onFrame([&](int frame) {
        if (frame != 1)
            return;
        saveScreen("name-entry-stand-in-keyboard");
        // A light cap under every key's centre, dark between the keys.
        for (int code : {int('A'), int('Z'), int('0'), int(' '), 8, 13}) {
            const ScreenPoint key = keyCentre(code);
            const SDL_Rect around{Sint16(key.x - 6), Sint16(key.y - 4), 12, 8};
            keyCaps += countPixels(around, 210, 210, 214) > 20 ? 1 : 0;
        }
    });
    NameEntry entry;
    CapturedLog log;
    EXPECT_EQ(entry.run(), "ADA");
    EXPECT_EQ(keyCaps, 6);
    EXPECT_NE(log.errors().find("ERROR: can't load image 'images/keyboard.png'"),
              std::string::npos);
}

TEST_F(NameEntryTest, TheNameIsCentredHalfwayBetweenTheTopAndTheKeyboard) {
    pressKeys("MMMM\r");
    SDL_Rect box{0, 0, 0, 0};
    fake::onFrame([&](int frame) {
        if (frame == 5)
            box = boxOf(ABOVE_KEYBOARD, 255, 0, 0);
    });
    NameEntry entry;
    EXPECT_EQ(entry.run(), "MMMM");
    ASSERT_GT(box.w, 40);
    EXPECT_NEAR(box.x + box.w / 2.0, 160.0, 8.0);
    EXPECT_NEAR(box.y + box.h / 2.0, KEYBOARD_TOP / 2, 12.0);
}

TEST_F(NameEntryTest, EachEntryStartsFromTheNameTheLastOneReturned) {
    NameEntry entry;
    pressKeys("\b\b\r");
    EXPECT_EQ(entry.run(), "") << "delete on an empty name leaves it empty";
    pressKeys("\bA\r");
    ASSERT_EQ(entry.run(), "A");
    int redAtStart = 0;
    const int before = fake::flips();
    fake::onFrame([&](int frame) {
        if (frame == before + 1)
            redAtStart = redPixelsOfTheName();
    });
    pressKeys("C\r");
    EXPECT_EQ(entry.run(), "AC");
    EXPECT_GT(redAtStart, 0) << "the third entry shows the last name at once";
    EXPECT_EQ(entry.rememberedName(), "AC");
}

TEST_F(NameEntryTest, OnlyPointerPressesOnTheKeysCount) {
    fake::click(160, 40);                                 // above the keyboard
    fake::click(KEYBOARD_LEFT, KEYBOARD_TOP);             // the frame around the keys
    fake::click(KEYBOARD_LEFT + 319, KEYBOARD_TOP + 121); // the bottom right corner
    const ScreenPoint a = keyCentre('A');
    const ScreenPoint b = keyCentre('B');
    fake::push(fake::mouseMotion(a.x, a.y));
    fake::push(fake::keyDown(SDLK_a));
    fake::push(fake::mouseDown(b.x, b.y, SDL_BUTTON_RIGHT)); // whichever button
    pressKeys("\r");
    int redOnEmptyFrames = 0;
    fake::onFrame([&](int frame) {
        if (frame <= 4)
            redOnEmptyFrames += redPixelsOfTheName();
    });
    NameEntry entry;
    EXPECT_EQ(entry.run(), "B");
    EXPECT_EQ(fake::flips(), 5) << "a frame at the start and after every press but the end";
    EXPECT_EQ(redOnEmptyFrames, 0);
}

TEST_F(NameEntryTest, AQuitRequestEndsTheEntryAndIsConsumed) {
    pressKeys("AB");
    fake::push(fake::quitRequest());
    pressKeys("C");
    NameEntry entry;
    EXPECT_EQ(entry.run(), "AB");
    EXPECT_EQ(fake::pendingEvents(), 2u) << "the click after the quit request is left alone";
}

TEST_F(NameEntryTest, MapValuesGiveTheirLowestNonZeroByteAndAllOnesEnds) {
    useBandedKeyMap();
    for (int band : {0, 1, 2, 1, 4, 0})
        clickBand(band); // A, A, a control code, A, the end
    NameEntry entry;
    EXPECT_EQ(entry.run(), "AAA");
    EXPECT_EQ(fake::pendingEvents(), 3u) << "the release and the last click stay queued";
}

TEST_F(NameEntryTest, WithoutAKeyMapTheScreenIsShownOnceAndTheNameKept) {
    NameEntry entry;
    pressKeys("JO\r");
    ASSERT_EQ(entry.run(), "JO");
    folder.replaceData("images/keyboardmap.bmp", nullptr);
    const int flipsBefore = fake::flips();
    CapturedLog log;
    EXPECT_EQ(entry.run(), "JO");
    EXPECT_EQ(fake::flips(), flipsBefore + 1);
    EXPECT_EQ(log.errors().rfind("ERROR: can't load image 'images/keyboardmap.bmp' - ", 0), 0u)
        << log.errors();
}

using OnScreenKeyboardTest = ScreenTest;

TEST_F(OnScreenKeyboardTest, SleepsBetweenLooksAtTheQueueAndReadsAQuitRequestAsMinusOne) {
    OnScreenKeyboard keyboard(ResourceManager::instance().loadImage("images/keyboard.png"),
                              "images/keyboardmap.bmp");
    keyboard.setPosition(KEYBOARD_LEFT, KEYBOARD_TOP);
    fake::pushAt(fake::now() + 100, fake::mouseDown(5, 40));
    EXPECT_EQ(keyboard.waitForKeyPress(), 0) << "above the keyboard: no key";
    EXPECT_EQ(keyboard.keyCode(), 0);
    EXPECT_EQ(fake::delays(), std::vector<Uint32>(5, 20u));
    fake::push(fake::quitRequest());
    EXPECT_EQ(keyboard.waitForKeyPress(), -1);
    EXPECT_EQ(keyboard.keyCode(), 0);
}

// The remembered name belongs to the game, not to one table: a new table
// (as after leaving and entering the list again) offers it too.
TEST_F(NameEntryTest, TheTableRemembersTheNameForTheWholeRun) {
    REQUIRE_FRESH_PROCESS();
    int redAtStart = -1;
    fake::onFrame([&](int frame) {
        if (frame == 1)
            redAtStart = redPixelsOfTheName();
    });
    pressKeys("ZED\r");
    HighScoreTable first;
    EXPECT_EQ(first.enterName(), "ZED");
    EXPECT_EQ(redAtStart, 0) << "the first entry of a run starts empty";
    pressKeys("\r");
    HighScoreTable second;
    EXPECT_EQ(second.enterName(), "ZED");
}

TEST_F(NameEntryTest, AnEmptyOrAbsentNameOpensTheKeyboard) {
    HighScoreTable table;
    for (const char* name : {static_cast<const char*>(nullptr), ""}) {
        pressKeys("\r");
        const int flipsBefore = fake::flips();
        table.addScore(1, 1, name);
        EXPECT_EQ(fake::flips(), flipsBefore + 1);
    }
    EXPECT_EQ(table.getEntries().size(), 12u);
}

} // namespace
