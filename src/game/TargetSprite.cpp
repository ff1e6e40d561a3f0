#include "game/TargetSprite.h"

TargetSprite::TargetSprite(SDL_Surface* picture) : Sprite(picture) {
    // A frame is flipped right after its targets are drawn, so pushing each
    // target's rectangle to the display on its own would only send the same
    // pixels twice.
    setAutoRefresh(false);
    dropAlpha();
}

void TargetSprite::showPicture(SDL_Surface* picture) {
    setSurface(picture);
    dropAlpha();
}

void TargetSprite::dropAlpha() {
    if (surface != nullptr)
        SDL_SetAlpha(surface, SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
}
