#pragma once

#include "game/CellLayout.h"
#include "game/Players.h"
#include "game/ScreenDrawing.h"

#include <array>

// Drawn in every frame of play and before each round: white lines between the
// players' cells and, when asked, each player's running total in white on
// black in the top-left corner of their cell.
class ScoreGrid {
public:
    // Draws onto the display; does not flip.
    void draw(const CellLayout& layout, const PlayerScores& score, bool showScores);

private:
    // A player's total as last rendered, kept ready to blit until it changes:
    // the text on its black rectangle, in the display's format.
    struct Badge {
        bool rendered = false;
        int value = 0;
        SurfacePtr picture;
    };

    static void drawLines(const CellLayout& layout);
    SDL_Surface* badgeFor(int player, int value);

    std::array<Badge, MAX_PLAYERS + 1> badges;
};
