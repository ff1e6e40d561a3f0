#include "game/ScrollingBackground.h"

#include "game/CellLayout.h"
#include "media/ResourceManager.h"
#include "media/Sprite.h"

namespace {
float pixelsPerMillisecond(int pixelsPerSecond) {
    return static_cast<float>(pixelsPerSecond / 1000.0);
}

bool hasPixel(SDL_Surface* surface, Uint32 value) {
    bool found = false;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h && !found; ++y)
        for (int x = 0; x < surface->w && !found; ++x)
            found = Sprite::getPixel(surface, x, y) == value;
    SDL_UnlockSurface(surface);
    return found;
}

// The picture is blitted over the whole screen in every frame. The cached one
// carries per-surface alpha 255 and the cyan colour key; both look the same as
// an opaque copy when no pixel is cyan, and make the blit many times slower.
SurfacePtr fastCopyOf(SDL_Surface* image) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (image == nullptr || screen == nullptr)
        return nullptr;
    SurfacePtr copy(SDL_ConvertSurface(image, screen->format, SDL_SWSURFACE));
    if (!copy)
        return nullptr;
    SDL_SetAlpha(copy.get(), 0, SDL_ALPHA_OPAQUE);
    const Uint32 cyan = SDL_MapRGB(copy->format, 0, 255, 255);
    if (hasPixel(copy.get(), cyan))
        SDL_SetColorKey(copy.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, cyan);
    else
        SDL_SetColorKey(copy.get(), 0, 0);
    return copy;
}
} // namespace

ScrollingBackground::ScrollingBackground(SDL_Surface* image, int speedX, int speedY)
    : picture(fastCopyOf(image)) {
    x.velocity = pixelsPerMillisecond(speedX);
    y.velocity = pixelsPerMillisecond(speedY);
    if (picture != nullptr) {
        x.farLimit = CellLayout::SCREEN_WIDTH - picture->w;
        y.farLimit = CellLayout::SCREEN_HEIGHT - picture->h;
    }
}

void ScrollingBackground::startRound(Uint32 now) {
    x.lastTime = now;
    y.lastTime = now;
}

void ScrollingBackground::Axis::step(Uint32 now) {
    // Only whole pixels move; the time stamp waits until one is due, so slow
    // speeds still move, and the fraction beyond the pixels taken is dropped.
    const int pixels = static_cast<int>(static_cast<float>(now - lastTime) * velocity);
    if (pixels == 0)
        return;
    offset += pixels;
    if (offset > 0) {
        offset = -offset; // bounces off the near edge by as much as it overshot
        velocity = -velocity;
        // A step longer than the whole free range (after a stalled frame)
        // would mirror past the far edge and uncover part of the screen.
        if (farLimit <= 0 && offset < farLimit)
            offset = farLimit;
    } else if (offset < farLimit) {
        offset = farLimit;
        velocity = -velocity;
    }
    lastTime = now;
}

void ScrollingBackground::drawUnscrolled() {
    blitFrom(0, 0);
}

void ScrollingBackground::drawScrolled() {
    if (picture) {
        const Uint32 now = SDL_GetTicks();
        x.step(now);
        y.step(now);
    }
    blitFrom(-x.offset, -y.offset);
}

void ScrollingBackground::blitFrom(int sourceX, int sourceY) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (screen == nullptr)
        return;
    // Black behind a missing picture, and behind one too small to cover the
    // screen, where the last frame would otherwise show through.
    if (picture == nullptr || picture->w < screen->w || picture->h < screen->h)
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    if (picture == nullptr)
        return;
    SDL_Rect source{static_cast<Sint16>(sourceX), static_cast<Sint16>(sourceY),
                    static_cast<Uint16>(picture->w), static_cast<Uint16>(picture->h)};
    SDL_Rect where{0, 0, 0, 0};
    SDL_UpperBlit(picture.get(), &source, screen, &where);
}
