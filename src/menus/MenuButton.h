#pragma once

#include "media/Sprite.h"

// A picture button of the main menu. It behaves exactly as a plain sprite;
// the type names what the menu holds.
class MenuButton : public Sprite {
public:
    explicit MenuButton(SDL_Surface* image) : Sprite(image) {}
};
