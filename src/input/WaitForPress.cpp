#include "input/WaitForPress.h"

#include <SDL.h>

namespace {
constexpr Uint32 GUARD_TIME = 500;
constexpr Uint32 POLL_PAUSE = 50;

bool endsWait(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_QUIT;
}
} // namespace

void waitForPress() {
    SDL_Event event;
    // The guard is slept through in naps, dropping what arrived meanwhile. The
    // last nap ends a millisecond before the guard does, and the one after it
    // on the guard's end, so that nothing made before it is kept and nothing
    // made from then on is lost.
    const Uint32 start = SDL_GetTicks();
    for (Uint32 elapsed = 0; elapsed < GUARD_TIME; elapsed = SDL_GetTicks() - start) {
        while (SDL_PollEvent(&event)) {
        }
        const Uint32 left = GUARD_TIME - elapsed;
        SDL_Delay(left > POLL_PAUSE ? POLL_PAUSE : left > 1 ? left - 1 : 1);
    }
    for (;;) {
        SDL_Delay(POLL_PAUSE);
        while (SDL_PollEvent(&event)) {
            if (endsWait(event))
                return;
        }
    }
}
