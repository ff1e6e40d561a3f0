#pragma once

#include "media/Sprite.h"

#include <memory>

// A picture button of the menu screens. The screens flip the whole frame after
// drawing their widgets, so a button neither pushes its own rectangle to the
// display nor keeps the sprite's per-surface alpha of 255: that looks exactly
// like no alpha at all but sends every blit through the blending path, about
// fifteen times slower for a menu frame.
class MenuButton : public Sprite {
public:
    explicit MenuButton(SDL_Surface* image) : Sprite(image) {
        setAutoRefresh(false);
        if (surface != nullptr)
            SDL_SetAlpha(surface, SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
    }
};

// The button showing that picture file; when the picture cannot be loaded
// (the loader says so), a plain button of the given size with the caption
// stands in for it.
std::unique_ptr<MenuButton> makeMenuButton(const char* imageFile, const char* caption,
                                           int standInWidth, int standInHeight);
