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
};
