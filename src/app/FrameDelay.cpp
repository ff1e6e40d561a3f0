#include "app/FrameDelay.h"

#include <SDL.h>

void frameDelay(AppState state) {
    switch (state) {
    case STATE_QUIT:
    case STATE_ERROR:
    case STATE_START:
        return;
    case STATE_SPLASH:
        SDL_Delay(1000);
        return;
    default:
        SDL_Delay(15);
        return;
    }
}
