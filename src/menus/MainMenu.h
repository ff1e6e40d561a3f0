#pragma once

#include "media/Sprite.h"

// Placeholder main menu until the real one lands: a black screen that leaves
// the game on a quit request.
class MainMenu : public Sprite {
public:
    MainMenu() : Sprite(nullptr) {}
    int run();
};
