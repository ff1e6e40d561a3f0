// Drawn in every frame of play: white lines between the players' cells, and
// each player's running total in white on a black box in their cell's corner.
#include "game/ScoreGrid.h"
#include "support/ScreenTest.h"

#include <set>

using ScoreGridTest = ScreenTest;

TEST_F(ScoreGridTest, OnePixelLinesSplitTheScreenIntoThePlayersCells) {
    struct Grid {
        int players;
        std::set<int> columns; // x of each vertical line
        bool rows;             // a line at y = 120 between two rows
    };
    const Grid grids[] = {
        {1, {}, false}, {2, {160}, false}, {3, {106, 213}, false}, {4, {160}, true}};
    for (const Grid& grid : grids) {
        SDL_FillRect(ResourceManager::instance().getScreen(), nullptr, 0);
        ScoreGrid().draw(CellLayout(grid.players), PlayerScores{}, false);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                ASSERT_EQ(pixelIs(x, y, 255, 255, 255),
                          grid.columns.count(x) || (grid.rows && y == 120))
                    << grid.players << " players, at (" << x << ", " << y << ")";
    }
}

TEST_F(ScoreGridTest, EachTotalShowsItsPlayersPointsAsTheyChange) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    ScoreGrid grid;
    PlayerScores score{0, 7, 0, 0, 130};
    grid.draw(CellLayout(4), score, true);
    score[1] = 52; // a hit
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 255));
    grid.draw(CellLayout(4), score, true);
    EXPECT_TRUE(showsText("small", "52", WHITE, 5, 5));
    EXPECT_TRUE(showsText("small", "0", WHITE, 165, 5));
    EXPECT_TRUE(showsText("small", "0", WHITE, 5, 125));
    EXPECT_TRUE(showsText("small", "130", WHITE, 165, 125));
    // The box is the rendered text's own size: black around the letters, nothing beyond.
    SurfacePtr text = renderText("small", "130", WHITE);
    const SDL_Rect box{165, 125, Uint16(text->w), Uint16(text->h)};
    const int white = countPixels(box, 255, 255, 255);
    EXPECT_EQ(countPixels(box, 0, 0, 0), box.w * box.h - white);
    EXPECT_TRUE(pixelIs(164, 125, 0, 0, 255));
    EXPECT_TRUE(pixelIs(165 + box.w, 125 + box.h - 1, 0, 0, 255));
    EXPECT_TRUE(pixelIs(165, 125 + box.h, 0, 0, 255));
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 255));
    grid.draw(CellLayout(4), score, false);
    EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 255), 320 * 240 - 320 - 239) << "only the lines";
}
