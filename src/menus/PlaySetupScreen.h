#pragma once

#include "media/Sprite.h"

#include <string>

// Placeholder setup screen until the real one lands: starts a game at once
// with the initial choices.
class PlaySetupScreen : public Sprite {
public:
    PlaySetupScreen() : Sprite(nullptr) {}
    bool run() { return true; }
    int players() const { return 2; }
    int rounds() const { return 10; }
    std::string backgroundName() const { return ""; }
    int speedX() const { return 0; }
    int speedY() const { return 0; }
};
