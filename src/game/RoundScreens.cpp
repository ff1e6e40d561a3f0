#include "game/RoundScreens.h"

#include "game/ScreenDrawing.h"
#include "input/WaitForPress.h"
#include "media/ResourceManager.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr Uint32 TITLE_TIME = 2000;

// Renders a text and blits it with its centre at (x, y), halves truncated.
void drawCentred(const char* font, const char* text, SDL_Color color, int x, int y) {
    SurfacePtr rendered = renderText(font, text, color);
    if (rendered)
        blitToScreen(rendered.get(), x - rendered->w / 2, y - rendered->h / 2);
}

// Draws a text in a cell, centred across it, its middle at `thirds` thirds of
// the cell's height.
void drawInCell(const Cell& cell, int thirds, const char* text, SDL_Color color) {
    drawCentred("default", text, color, cell.x + cell.w / 2, cell.y + (thirds * cell.h) / 3);
}
} // namespace

void showRoundTitleScreen(int round) {
    fillScreen(0, 0, CellLayout::SCREEN_WIDTH, CellLayout::SCREEN_HEIGHT, blackPixel());
    char title[32];
    std::snprintf(title, sizeof title, "Round %d", round);
    drawCentred("default", title, WHITE, CellLayout::SCREEN_WIDTH / 2,
                CellLayout::SCREEN_HEIGHT / 2);
    flipScreen();
    SDL_Delay(TITLE_TIME);
}

void showRoundWinnerScreen(const Cell& cell, int roundPoints) {
    fillScreen(cell.x, cell.y, cell.w, cell.h, ALL_BITS);
    drawInCell(cell, 1, "HIT!", BLACK);
    char points[32];
    std::snprintf(points, sizeof points, "score: %d", roundPoints);
    drawInCell(cell, 2, points, BLACK);
    flipScreen();
    waitForPress();
}

void showTotalsScreen(const CellLayout& layout, const PlayerScores& score) {
    const int best = std::max(0, *std::max_element(score.begin(), score.end()));
    for (int player = 1; player <= layout.cellCount(); ++player) {
        const Cell cell = layout.cell(player);
        const bool isBest = score[player] == best;
        fillScreen(cell.x, cell.y, cell.w, cell.h, isBest ? ALL_BITS : blackPixel());
        char total[16];
        std::snprintf(total, sizeof total, "%d", score[player]);
        drawInCell(cell, 1, total, isBest ? BLACK : WHITE);
    }
    SurfacePtr heading = renderText("default", "TOTAL", RED);
    if (heading)
        blitToScreen(heading.get(), CellLayout::SCREEN_WIDTH / 2 - heading->w / 2, 5);
    flipScreen();
    waitForPress();
}
