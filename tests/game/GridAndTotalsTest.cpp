#include "GameScript.h"

#include <string>
#include <vector>

namespace {

constexpr int FULL_SIZE_FRAME = 160;

// The separator lines for each number of players, looked at in the first frame
// of a one-round, one-target game: nothing but the lines is white then.
struct Lines {
    int players;
    std::vector<int> columns;
    bool middleRow;
    int whitePixels;
};

void PrintTo(const Lines& grid, std::ostream* out) {
    *out << grid.players << " players";
}

class GridLines : public GameTest, public ::testing::WithParamInterface<Lines> {};

TEST_P(GridLines, SeparateThePlayersCells) {
    const Lines& grid = GetParam();
    bool looked = false;
    GameScript script([&](int, int frame) {
        if (frame != 1)
            return;
        EXPECT_EQ(countPixels({0, 0, 320, 240}, 255, 255, 255), grid.whitePixels);
        EXPECT_EQ(countPixels({0, 0, 320, 240}, 0, 0, 0), 320 * 240 - grid.whitePixels)
            << "black behind the targets without a background";
        for (int x : grid.columns)
            EXPECT_EQ(countPixels({static_cast<Sint16>(x), 0, 1, 240}, 255, 255, 255), 240)
                << "x = " << x;
        if (grid.middleRow) {
            EXPECT_EQ(countPixels({0, 120, 320, 1}, 255, 255, 255), 320);
        }
        saveScreen("game-grid-" + std::to_string(grid.players) + "-players");
        looked = true;
        fake::push(fake::quitRequest());
    });
    EXPECT_EQ(session->run(grid.players, 1, 1, nullptr, 0, 0), 0);
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(OneToFourPlayers, GridLines,
                         ::testing::Values(Lines{1, {}, false, 0}, Lines{2, {160}, false, 240},
                                           Lines{3, {106, 213}, false, 480},
                                           Lines{4, {160}, true, 240 + 320 - 1}),
                         [](const ::testing::TestParamInfo<Lines>& param) {
                             return std::to_string(param.param.players) + "Players";
                         });

// The winner screen fills exactly the winner's cell; the last player wins.
class WinnerCell : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(WinnerCell, IsFilledWhiteWithTheRoundsPoints) {
    const int players = GetParam();
    const CellLayout layout(players);
    const Cell cell = layout.cell(players);
    bool looked = false;
    GameScript script([&](int, int frame) {
        if (frame == FULL_SIZE_FRAME) {
            clickAt(*targetOnScreen(cell));
        } else if (frame == FULL_SIZE_FRAME + 1) {
            const int white = pixelsIn(cell, 255, 255, 255);
            const int black = pixelsIn(cell, 0, 0, 0);
            EXPECT_EQ(white + black, cell.w * cell.h) << "white with black text";
            EXPECT_GT(black, 100);
            EXPECT_TRUE(showsCentredText("default", "HIT!", BLACK, cell.x + cell.w / 2,
                                         cell.y + cell.h / 3));
            EXPECT_TRUE(showsCentredText("default", "score: 1", BLACK, cell.x + cell.w / 2,
                                         cell.y + 2 * cell.h / 3));
            // Just outside the cell: black, or a separator line of the last frame.
            if (cell.x + cell.w < 320) {
                EXPECT_EQ(countPixels({static_cast<Sint16>(cell.x + cell.w), 0, 1, 240}, 0, 0, 0),
                          240);
            }
            if (cell.y > 0) {
                EXPECT_EQ(countPixels({1, static_cast<Sint16>(cell.y - 1), 318, 1}, 0, 0, 0),
                          318 - 1);
            }
            saveScreen("game-winner-" + std::to_string(players) + "-players");
            looked = true;
        }
    });
    EXPECT_EQ(session->run(players, 1, 1, nullptr, 0, 0), 1);
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(TwoToFourPlayers, WinnerCell, ::testing::Values(2, 3, 4),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return std::to_string(param.param) + "Players";
                         });

// A game in which the given players win the rounds in turn, each with one
// shot at full size; checks the totals screen that ends it.
class TotalsScreen : public GameTest {
protected:
    void play(int players, const std::vector<int>& winners,
              const std::function<void(const CellLayout&)>& checkTotals) {
        const CellLayout layout(players);
        bool looked = false;
        const auto lookForTotals = [&]() {
            if (!showsTotals())
                return;
            EXPECT_TRUE(showsText("default", "TOTAL", RED, 160 - textWidth("TOTAL") / 2, 5));
            checkTotals(layout);
            saveScreen("game-totals-" + std::to_string(players) + "-players");
            looked = true;
        };
        // With one player the totals follow the last frame without a delay,
        // so they may come as one more frame.
        GameScript script(
            [&](int round, int frame) {
                if (frame == FULL_SIZE_FRAME)
                    clickAt(
                        *targetOnScreen(layout.cell(winners[static_cast<std::size_t>(round - 1)])));
                else if (frame > FULL_SIZE_FRAME)
                    lookForTotals();
            },
            [&](int, int) { lookForTotals(); });
        EXPECT_EQ(session->run(players, static_cast<int>(winners.size()), 1, nullptr, 0, 0), 1);
        EXPECT_TRUE(looked);
    }

    static int textWidth(const char* text) {
        SurfacePtr rendered = renderText("default", text, RED);
        return rendered ? rendered->w : 0;
    }

    // A total in the middle of its cell, a third of the way down.
    static bool showsTotal(const Cell& cell, const char* total, SDL_Color color) {
        return showsCentredText("default", total, color, cell.x + cell.w / 2, cell.y + cell.h / 3);
    }
};

TEST_F(TotalsScreen, EveryTiedBestTotalGetsAWhiteCell) {
    play(3, {1, 2}, [](const CellLayout& layout) {
        EXPECT_TRUE(cellIsWhite(layout.cell(1)));
        EXPECT_TRUE(cellIsWhite(layout.cell(2)));
        EXPECT_EQ(pixelsIn(layout.cell(3), 255, 255, 255) + pixelsIn(layout.cell(3), 0, 0, 0),
                  106 * 240);
        EXPECT_FALSE(cellIsWhite(layout.cell(3)));
        EXPECT_TRUE(showsTotal(layout.cell(1), "1", BLACK));
        EXPECT_TRUE(showsTotal(layout.cell(2), "1", BLACK));
        EXPECT_TRUE(showsTotal(layout.cell(3), "0", WHITE));
    });
}

TEST_F(TotalsScreen, WithFourPlayersTheTotalsSitAThirdOfTheWayDownEachCell) {
    play(4, {3, 3, 1}, [](const CellLayout& layout) {
        EXPECT_TRUE(cellIsWhite(layout.cell(3)));
        EXPECT_TRUE(showsTotal(layout.cell(3), "2", BLACK));
        EXPECT_TRUE(showsTotal(layout.cell(1), "1", WHITE));
        EXPECT_TRUE(showsTotal(layout.cell(2), "0", WHITE));
        EXPECT_TRUE(showsTotal(layout.cell(4), "0", WHITE));
        EXPECT_TRUE(showsCentredText("default", "0", WHITE, 240, 120 + 40));
    });
}

TEST_F(TotalsScreen, OnePlayerGetsOneWhiteCellOverTheWholeScreen) {
    play(1, {1, 1, 1}, [](const CellLayout&) {
        EXPECT_TRUE(showsCentredText("default", "3", BLACK, 160, 80));
        const int white = countPixels({0, 0, 320, 240}, 255, 255, 255);
        const int black = countPixels({0, 0, 320, 240}, 0, 0, 0);
        const int red = countPixels({0, 0, 320, 240}, 255, 0, 0);
        EXPECT_EQ(white + black + red, 320 * 240);
        EXPECT_GT(white, 320 * 240 * 9 / 10);
    });
}

} // namespace
