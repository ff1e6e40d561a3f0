#pragma once

#include "media/Sprite.h"

// The one sprite that draws every target. A sprite keeps its picture with
// per-surface alpha 255; that looks exactly like no alpha at all but sends
// every blit through the blending path, many times slower for the dozen
// targets drawn in each frame. This sprite drops the alpha flag instead.
class TargetSprite : public Sprite {
public:
    explicit TargetSprite(SDL_Surface* picture);

    // Replaces the picture (null for none), keeping it opaque but colour-keyed.
    void showPicture(SDL_Surface* picture);

private:
    void dropAlpha();
};
