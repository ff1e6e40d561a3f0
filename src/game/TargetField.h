#pragma once

#include "game/CellLayout.h"
#include "game/Players.h"
#include "game/ScreenDrawing.h"
#include "game/TargetSprite.h"

#include <memory>
#include <optional>

struct ScreenPoint {
    int x;
    int y;
};

// The slot of a target that was hit.
struct TargetHit {
    int player;
    int slot;
};

// The targets of a game: every player gets the same number of targets at
// random places inside their own cell; all targets grow together from nothing
// to full size; a shot hits whichever live target it lands on. A target is no
// object of its own but a slot of two coordinates, and one sprite draws them all.
class TargetField {
public:
    // Targets reach full size this long after they were placed.
    static constexpr Uint32 GROWTH_TIME = 1500;
    // Two targets of one player are at least this far apart (|dx| + |dy|).
    static constexpr int MIN_SPACING = 80;
    // Places drawn for one target before the best one seen is taken, and
    // fresh starts of a player's targets before the last attempt stays: with
    // three or four targets in a narrow cell the first ones may leave no room
    // for the others, or the spacing may be out of reach altogether.
    static constexpr int MAX_DRAWS = 1000;
    static constexpr int MAX_ATTEMPTS = 20;

    // Takes "images/target.png", or draws a target when it cannot be loaded.
    TargetField();

    // A new game: players 1 to 4 each get `targets` slots (1 to 4) a round.
    void setUp(int players, int targets);
    const CellLayout& getLayout() const { return layout; }
    int getPlayerCount() const { return playerCount; }
    int getTargetCount() const { return targetCount; }

    // Fills every player's slots with new places; earlier targets are dropped.
    void place();

    // The fraction of full size reached this long after the targets were placed.
    static float growthAfter(Uint32 elapsed);

    // Draws every live target at the size of that growth; does not flip.
    void draw(float growth);
    int getShownWidth() const { return targetSprite->getWidth(); }

    // The first live target, in cell then slot order, that a shot at (x, y)
    // hits, or none. Remembers the distance to the last target tested.
    std::optional<TargetHit> hitTest(int x, int y);
    void remove(const TargetHit& hit);
    bool hasLiveTargets(int player) const;

    // How close to the centre the last shot landed, from 0 to 1 (see Scoring.h).
    float getAccuracy() const;

    // Where a live target's centre is on the screen; none for an empty slot.
    std::optional<ScreenPoint> centreOf(int player, int slot) const;

private:
    static constexpr int EMPTY = -1;

    bool isLive(int player, int slot) const { return targetX[player][slot] >= 0; }
    void placePlayerTargets(int player);
    // False when the best place found is closer to another target than the spacing.
    bool placeTarget(int player, int slot);
    ScreenPoint randomPlaceIn(const Cell& cell) const;
    int gapToEarlierTargets(int player, int slot, ScreenPoint place) const;
    void showAtSize(unsigned width, unsigned height);

    SurfacePtr drawnPicture; // only when the picture file is missing
    SDL_Surface* targetImage = nullptr;
    std::unique_ptr<TargetSprite> targetSprite;
    // The size targetSprite shows now; it is rescaled only when that changes.
    unsigned shownWidth = 0;
    unsigned shownHeight = 0;

    CellLayout layout;
    int targetX[MAX_PLAYERS + 1][MAX_TARGETS] = {};
    int targetY[MAX_PLAYERS + 1][MAX_TARGETS] = {};
    int targetCount = 1;
    int playerCount = 1;
    // Far beyond any target until the first shot, so the accuracy starts at 0.
    float lastShotDistance;
};
