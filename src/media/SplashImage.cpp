#include "media/SplashImage.h"

#include "app/FrameDelay.h"
#include "media/ResourceManager.h"

namespace {
constexpr Uint32 FADE_TIME = 500;
} // namespace

void SplashImage::fadeInOut() {
    if (surface == nullptr)
        return;
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    setCenter(screen->w / 2, screen->h / 2);
    fade(true);
    frameDelay(STATE_SPLASH);
    fade(false);
}

void SplashImage::fade(bool in) {
    const Uint32 start = SDL_GetTicks();
    int shown = -1;
    while (SDL_GetTicks() - start <= FADE_TIME) {
        Uint32 elapsed = SDL_GetTicks() - start;
        if (elapsed > FADE_TIME)
            elapsed = FADE_TIME;
        const Uint32 rising = elapsed * 255 / FADE_TIME;
        const int alpha = static_cast<int>(in ? rising : 255 - rising);
        // Half of the steps would repeat the last picture exactly.
        if (alpha != shown)
            showAt(alpha);
        shown = alpha;
        SDL_Delay(1);
    }
    // A slow step can end the loop short of the end, which would hold the
    // picture dimmed, or leave it faintly on the screen.
    const int last = in ? 255 : 0;
    if (shown != last)
        showAt(last);
}

void SplashImage::showAt(int alpha) {
    SDL_SetAlpha(surface, SDL_SRCALPHA, static_cast<Uint8>(alpha));
    // The picture is blended onto black each step, so the rest of the screen
    // stays as it was.
    SDL_FillRect(target, &rect, SDL_MapRGB(target->format, 0, 0, 0));
    draw();
}
