#include "GameTest.h"
#include "media/ResourceManager.h"

#include <string>
#include <vector>

namespace {

constexpr int FULL_SIZE_FRAME = 160;

class RoundScreensTest : public GameTest {
protected:
    // A game in which the given players win the rounds in turn, each with one
    // shot at full size; checks the totals screen that ends it.
    void playToTotals(int players, const std::vector<int>& winners,
                      const std::function<void(const CellLayout&)>& checkTotals) {
        const CellLayout layout(players);
        bool looked = false;
        const auto lookForTotals = [&]() {
            if (!redHeading())
                return;
            SurfacePtr total = renderText("default", "TOTAL", RED);
            EXPECT_TRUE(showsText("default", "TOTAL", RED, 160 - total->w / 2, 5));
            checkTotals(layout);
            saveScreen("game-totals-" + std::to_string(players) + "-players");
            looked = true;
        };
        // With one player the totals follow the last frame without a delay,
        // so they may come as one more frame.
        GameScript script(
            [&](int round, int frame) {
                if (frame == FULL_SIZE_FRAME)
                    clickAt(*findTarget(
                        rectOf(layout.cell(winners[static_cast<std::size_t>(round - 1)]))));
                else if (frame > FULL_SIZE_FRAME)
                    lookForTotals();
            },
            [&](int, int) { lookForTotals(); });
        EXPECT_EQ(session->run(players, static_cast<int>(winners.size()), 1, nullptr, 0, 0), 1);
        EXPECT_TRUE(looked);
    }

    // A total in the middle of its cell, a third of the way down.
    static bool showsTotal(const Cell& cell, const char* total, SDL_Color color) {
        return showsCentredText("default", total, color, cell.x + cell.w / 2, cell.y + cell.h / 3);
    }
};

TEST_F(RoundScreensTest, GridLinesSeparateThePlayersCells) {
    // In the first frame of a one-round, one-target game nothing but the lines is white.
    const struct {
        int players;
        std::vector<int> columns;
        bool middleRow;
        int whitePixels;
    } grids[] = {{1, {}, false, 0},
                 {2, {160}, false, 240},
                 {3, {106, 213}, false, 480},
                 {4, {160}, true, 240 + 320 - 1}};
    for (const auto& grid : grids) {
        SCOPED_TRACE(std::to_string(grid.players) + " players");
        bool looked = false;
        GameScript script([&](int, int frame) {
            if (frame != 1)
                return;
            EXPECT_EQ(countPixels(WHOLE_SCREEN, 255, 255, 255), grid.whitePixels);
            EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 0), 320 * 240 - grid.whitePixels)
                << "black behind the targets without a background";
            for (int x : grid.columns)
                EXPECT_EQ(countPixels({Sint16(x), 0, 1, 240}, 255, 255, 255), 240) << x;
            if (grid.middleRow) {
                EXPECT_EQ(countPixels({0, 120, 320, 1}, 255, 255, 255), 320);
            }
            saveScreen("game-grid-" + std::to_string(grid.players) + "-players");
            looked = true;
            fake::push(fake::quitRequest());
        });
        EXPECT_EQ(GameSession().run(grid.players, 1, 1, nullptr, 0, 0), 0);
        EXPECT_TRUE(looked);
    }
}

TEST_F(RoundScreensTest, TheWinnersCellIsFilledWhiteWithTheRoundsPoints) {
    for (int players = 2; players <= 4; ++players) {
        SCOPED_TRACE(std::to_string(players) + " players; the last one wins");
        const Cell cell = CellLayout(players).cell(players);
        bool looked = false;
        GameScript script([&](int, int frame) {
            if (frame == FULL_SIZE_FRAME) {
                clickAt(*findTarget(rectOf(cell)));
            } else if (frame == FULL_SIZE_FRAME + 1) {
                const int white = countPixels(rectOf(cell), 255, 255, 255);
                const int black = countPixels(rectOf(cell), 0, 0, 0);
                EXPECT_EQ(white + black, cell.w * cell.h) << "white with black text";
                const int x = cell.x + cell.w / 2;
                EXPECT_TRUE(showsCentredText("default", "HIT!", BLACK, x, cell.y + cell.h / 3));
                EXPECT_TRUE(
                    showsCentredText("default", "score: 1", BLACK, x, cell.y + 2 * cell.h / 3));
                // Just outside the cell: black, or a separator line of the last frame.
                EXPECT_TRUE(cell.x + cell.w == 320 ||
                            countPixels({Sint16(cell.x + cell.w), 0, 1, 240}, 0, 0, 0) == 240);
                EXPECT_TRUE(cell.y == 0 ||
                            countPixels({1, Sint16(cell.y - 1), 318, 1}, 0, 0, 0) == 318 - 1);
                saveScreen("game-winner-" + std::to_string(players) + "-players");
                looked = true;
            }
        });
        EXPECT_EQ(GameSession().run(players, 1, 1, nullptr, 0, 0), 1);
        EXPECT_TRUE(looked);
    }
}

TEST_F(RoundScreensTest, EveryTiedBestTotalGetsAWhiteCell) {
    playToTotals(3, {1, 2}, [](const CellLayout& layout) {
        EXPECT_TRUE(cellIsWhite(layout.cell(1)));
        EXPECT_TRUE(cellIsWhite(layout.cell(2)));
        const SDL_Rect third = rectOf(layout.cell(3));
        EXPECT_EQ(countPixels(third, 255, 255, 255) + countPixels(third, 0, 0, 0), 106 * 240);
        EXPECT_FALSE(cellIsWhite(layout.cell(3)));
        EXPECT_TRUE(showsTotal(layout.cell(1), "1", BLACK));
        EXPECT_TRUE(showsTotal(layout.cell(2), "1", BLACK));
        EXPECT_TRUE(showsTotal(layout.cell(3), "0", WHITE));
    });
}

TEST_F(RoundScreensTest, WithFourPlayersTheTotalsSitAThirdOfTheWayDownEachCell) {
    playToTotals(4, {3, 3, 1}, [](const CellLayout& layout) {
        EXPECT_TRUE(cellIsWhite(layout.cell(3)));
        EXPECT_TRUE(showsTotal(layout.cell(3), "2", BLACK));
        EXPECT_TRUE(showsTotal(layout.cell(1), "1", WHITE));
        EXPECT_TRUE(showsTotal(layout.cell(2), "0", WHITE));
        EXPECT_TRUE(showsCentredText("default", "0", WHITE, 240, 120 + 40));
    });
}

TEST_F(RoundScreensTest, OnePlayerGetsOneWhiteCellOverTheWholeScreen) {
    playToTotals(1, {1, 1, 1}, [](const CellLayout&) {
        EXPECT_TRUE(showsCentredText("default", "3", BLACK, 160, 80));
        const int white = countPixels(WHOLE_SCREEN, 255, 255, 255);
        EXPECT_EQ(white + countPixels(WHOLE_SCREEN, 0, 0, 0) + countPixels(WHOLE_SCREEN, 255, 0, 0),
                  320 * 240);
        EXPECT_GT(white, 320 * 240 * 9 / 10);
    });
}

TEST_F(RoundScreensTest, EveryTargetShowsOverEachSlidingBackground) {
    // The busiest pictures of the game, sliding at their fastest speeds: every
    // player's target must stand out whole, drawn over the background.
    const struct {
        const char* name;
        const char* picture;
    } backgrounds[] = {
        {"checker", "images/bwbg.png"}, {"red", "images/rwbg.png"}, {"psycho", "images/rwbg2.png"}};
    for (const auto& background : backgrounds) {
        SCOPED_TRACE(background.name);
        // The target's inner white ring, as the display shows it.
        SDL_Surface* target = ResourceManager::instance().loadImage("images/target.png");
        ASSERT_NE(target, nullptr);
        SDL_LockSurface(target);
        const Uint32 white = Sprite::getPixel(target, target->w / 2 + 14, target->h / 2);
        SDL_UnlockSurface(target);
        GameScript script([&](int, int frame) {
            if (frame != 100)
                return;
            saveScreen(std::string("game-round-4-players-") + background.name);
            for (int player = 1; player <= 4; ++player) {
                const ScreenPoint centre = *session->targetCentre(player, 0);
                EXPECT_TRUE(pixelIs(centre.x, centre.y, 222, 24, 32)) << "bullseye of " << player;
                int whiteRing = 0;
                for (int dx = -20; dx <= 20; ++dx)
                    whiteRing += pixelAt(centre.x + dx, centre.y) == white ? 1 : 0;
                EXPECT_GE(whiteRing, 6) << "rings of player " << player;
            }
            for (int player = 1; player <= 4; ++player)
                clickAt(*session->targetCentre(player, 0));
        });
        SDL_Surface* picture = ResourceManager::instance().loadImage(background.picture);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(session->run(4, 1, 1, picture, 120, 150), 1);
    }
}

} // namespace
