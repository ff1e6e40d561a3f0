#include "game/ScoreGrid.h"

#include "media/ResourceManager.h"

#include <cstdio>

namespace {
constexpr int SCORE_MARGIN = 5;

// The text on a black rectangle of its own size, converted once to the
// display's format, so that a frame draws it with one plain blit.
SurfacePtr makeBadge(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SurfacePtr rendered = renderText("small", text, WHITE);
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (!rendered || screen == nullptr)
        return nullptr;
    const SDL_PixelFormat* format = screen->format;
    SurfacePtr badge(SDL_CreateRGBSurface(SDL_SWSURFACE, rendered->w, rendered->h,
                                          format->BitsPerPixel, format->Rmask, format->Gmask,
                                          format->Bmask, format->Amask));
    if (!badge)
        return nullptr;
    SDL_FillRect(badge.get(), nullptr, SDL_MapRGB(badge->format, 0, 0, 0));
    SDL_UpperBlit(rendered.get(), nullptr, badge.get(), nullptr);
    return badge;
}
} // namespace

void ScoreGrid::draw(const CellLayout& layout, const PlayerScores& score, bool showScores) {
    drawLines(layout);
    if (!showScores)
        return;
    for (int player = 1; player <= layout.cellCount(); ++player) {
        const Cell cell = layout.cell(player);
        blitToScreen(badgeFor(player, score[player]), cell.x + SCORE_MARGIN, cell.y + SCORE_MARGIN);
    }
}

void ScoreGrid::drawLines(const CellLayout& layout) {
    // The lines are axis-parallel and one pixel wide, so each is filled as a
    // rectangle at once: the same pixels as plotting them one by one, which
    // locks the display for every pixel and cost a third of a frame.
    if (layout.getRows() == 2)
        fillScreen(0, CellLayout::SCREEN_HEIGHT / 2, CellLayout::SCREEN_WIDTH, 1, ALL_BITS);
    for (int column = 1; column < layout.getColumns(); ++column) {
        const int x = column * CellLayout::SCREEN_WIDTH / layout.getColumns();
        fillScreen(x, 0, 1, CellLayout::SCREEN_HEIGHT, ALL_BITS);
    }
}

SDL_Surface* ScoreGrid::badgeFor(int player, int value) {
    Badge& badge = badges[player];
    if (!badge.rendered || badge.value != value) {
        badge.picture = makeBadge(value);
        badge.value = value;
        badge.rendered = true;
    }
    return badge.picture.get();
}
