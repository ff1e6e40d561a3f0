#include "highscores/HighScoreTable.h"
#include "media/ResourceManager.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

#include <SDL_ttf.h>

#include <memory>

namespace {

// Column edges on the screen: levels end at x = 40, scores at x = 106, and
// names start at x = 146.
constexpr int LEVEL_COLUMN_END = 41;
constexpr int SCORE_COLUMN_END = 107;

// The leftmost and rightmost white pixel in a band of the screen; -1 and -1
// when there is none.
struct Span {
    int left = -1;
    int right = -1;
};

class HighScoreScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        lineHeight = TTF_FontHeight(ResourceManager::instance().getFont("small"));
    }

    std::unique_ptr<HighScoreTable> tableFromFile(const std::string& content) {
        writeFile(folder.file("high.dat"), content);
        return std::make_unique<HighScoreTable>();
    }

    int lineTop(int line) const { return 10 + line * lineHeight; }

    Span whiteIn(int line, int fromX, int toX) const {
        const SDL_Rect box = boxOf({Sint16(fromX), Sint16(lineTop(line)), Uint16(toX - fromX),
                                    Uint16(std::min(lineHeight, 240 - lineTop(line)))},
                                   255, 255, 255);
        return box.w == 0 ? Span{} : Span{box.x, box.x + box.w - 1};
    }

    static int whiteRows(int fromY, int toY) {
        return countPixels({0, Sint16(fromY), 320, Uint16(toY - fromY)}, 255, 255, 255);
    }

    ScratchFolder folder;
    int lineHeight = 0;
};

TEST_F(HighScoreScreenTest, LevelsAndScoresAreRightAlignedAndNamesStartAt146) {
    auto table = tableFromFile("20\n9999\nAnn\n7\n5\nBob\n7\n-5\nCy\n1\n-5\n\n");
    table->draw();
    saveScreen("highscores-columns");

    for (int line = 0; line < 3; ++line) {
        const Span level = whiteIn(line, 0, LEVEL_COLUMN_END);
        const Span score = whiteIn(line, LEVEL_COLUMN_END, SCORE_COLUMN_END);
        const Span name = whiteIn(line, SCORE_COLUMN_END, 320);
        EXPECT_TRUE(level.right >= 33 && level.right <= 39) << "line " << line;
        EXPECT_TRUE(score.right >= 99 && score.right <= 105) << "line " << line;
        EXPECT_TRUE(name.left >= 146 && name.left <= 152) << "line " << line;
    }
    EXPECT_LT(whiteIn(0, 0, LEVEL_COLUMN_END).left, whiteIn(1, 0, LEVEL_COLUMN_END).left - 4)
        << "20 reaches further left than 7";
    const Span five = whiteIn(1, LEVEL_COLUMN_END, SCORE_COLUMN_END);
    const Span minusFive = whiteIn(2, LEVEL_COLUMN_END, SCORE_COLUMN_END);
    EXPECT_EQ(minusFive.right, five.right);
    EXPECT_LT(minusFive.left, five.left - 3) << "the minus sign stands before the 5";
    EXPECT_EQ(whiteIn(3, SCORE_COLUMN_END, 320).left, -1) << "an empty name shows nothing";
    EXPECT_GT(whiteIn(3, 0, SCORE_COLUMN_END).right, 0);
    EXPECT_EQ(whiteRows(0, 10), 0) << "the first line starts 10 pixels down";
    EXPECT_EQ(whiteRows(lineTop(4), 240), 0);
}

// On the game's screen an eleventh line would begin right at the bottom edge;
// a taller screen shows whether one is drawn. It is a surface in the display's
// format rather than a second video mode: SDL's 1.2 layer leaks a mutex on
// every change of mode, which the leak check would report.
TEST_F(HighScoreScreenTest, TheFirstTenEntriesFillTenLinesAndNoMore) {
    std::string content;
    const char* names[] = {"Solveig", "Brenna", "Tolvane",   "Ingrid the Bold",
                           "Halvar",  "Astrid", "Kjell",     "Ragna",
                           "Eirik",   "Ylva",   "Eleventh!", "Twelfth!"};
    for (int i = 0; i < 12; ++i)
        content += std::to_string(20 - i) + "\n" + std::to_string(98765 - 7919 * i) + "\n" +
                   names[i] + "\n";
    auto table = tableFromFile(content);
    ASSERT_EQ(table->getEntries().front().name, "Solveig");
    table->draw();
    saveScreen("highscores-full");
    for (int line = 0; line < 10; ++line) {
        EXPECT_GT(whiteIn(line, 0, LEVEL_COLUMN_END).right, 0) << "line " << line;
        EXPECT_GT(whiteIn(line, SCORE_COLUMN_END, 320).right, 0) << "line " << line;
    }
    // The widest name is on the fourth line, as in the list.
    EXPECT_GT(whiteIn(3, SCORE_COLUMN_END, 320).right, whiteIn(0, SCORE_COLUMN_END, 320).right);

    SDL_Surface* display = screen();
    const SDL_PixelFormat* format = display->format;
    SurfacePtr tall(SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 400, format->BitsPerPixel,
                                         format->Rmask, format->Gmask, format->Bmask,
                                         format->Amask));
    ResourceManager::instance().setScreen(tall.get());
    HighScoreTable().draw();
    const int tenth = whiteRows(lineTop(9), lineTop(10));
    const int eleventh = whiteRows(lineTop(10), 400);
    ResourceManager::instance().setScreen(display);
    EXPECT_GT(tenth, 0);
    EXPECT_EQ(eleventh, 0) << "no eleventh line";
}

TEST_F(HighScoreScreenTest, AnEmptyTableShowsABlackScreen) {
    SDL_FillRect(screen(), nullptr, mapped(255, 255, 255));
    tableFromFile("")->draw();
    EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 0), 320 * 240);
    EXPECT_EQ(fake::flips(), 1);
}

// A challenge result that ranks: the player types a name, "high.dat" holds
// the new table, and the list shows it after the game starts again, until a
// press after the first half second.
TEST_F(HighScoreScreenTest, ARankedResultIsTypedSavedAndListedAfterARestart) {
    REQUIRE_FRESH_PROCESS();
    {
        HighScoreTable table;
        pressKeys("ANN\r");
        table.addScore(3, 120, nullptr);
        std::string expected = "3\n120\nANN\n";
        for (int i = 0; i < 10; ++i)
            expected += "0\n0\nworst player ever\n";
        EXPECT_EQ(readFile(folder.file("high.dat")), expected);
    }
    HighScoreTable restarted;
    ASSERT_EQ(restarted.getEntries().size(), 11u);
    EXPECT_EQ(restarted.getEntries().front().name, "ANN");
    const int flipsBefore = fake::flips();
    const Uint32 start = fake::now();
    fake::pushAt(start + 100, fake::mouseDown(10, 10)); // the press that opened the list
    fake::pushAt(start + 900, fake::keyDown());
    restarted.show();
    EXPECT_GE(fake::now(), start + 900);
    EXPECT_EQ(fake::pendingEvents(), 0u);
    EXPECT_EQ(fake::flips(), flipsBefore + 1);
    saveScreen("highscores-after-restart");
    EXPECT_LT(whiteIn(0, SCORE_COLUMN_END, 320).right, whiteIn(1, SCORE_COLUMN_END, 320).right)
        << "ANN is shorter than the default name below it";
}

} // namespace
