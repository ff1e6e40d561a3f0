#pragma once

#include "media/Sprite.h"

// A start-up picture: centred, faded in from black, held, and faded out.
class SplashImage : public Sprite {
public:
    explicit SplashImage(SDL_Surface* image) : Sprite(image) {}

    // Blocks for about two seconds; returns at once without a picture.
    void fadeInOut();

private:
    void fade(bool in);
    void showAt(int alpha);
};
