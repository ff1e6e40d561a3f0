#pragma once

#include "media/Sprite.h"

// Placeholder game until the real one lands.
class GameSession : public Sprite {
public:
    GameSession() : Sprite(nullptr) {}
    int run(int players, int rounds, int targets, SDL_Surface* background, int speedX, int speedY) {
        (void)players, (void)rounds, (void)targets, (void)background, (void)speedX, (void)speedY;
        return 1;
    }
    int getScore(int) const { return 0; }
    float getAccuracy() const { return 0.0f; }
    float getGrowth() const { return 1.0f; }
};
