#include "input/WaitForPress.h"

#include <SDL.h>

namespace {
constexpr Uint32 GUARD_TIME = 500;
constexpr Uint32 POLL_PAUSE = 50;

bool endsWait(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_QUIT;
}

// Sleeps through the guard in naps, dropping whatever arrived meanwhile. The
// guard ends only with a drain made in its last millisecond or later: a nap
// that oversleeps the guard's end is followed by one more drain, so that a
// press made inside the guard never reaches the wait.
void dropPressesDuringGuard() {
    SDL_Event event;
    const Uint32 start = SDL_GetTicks();
    for (;;) {
        while (SDL_PollEvent(&event)) {
        }
        const Uint32 elapsed = SDL_GetTicks() - start;
        if (elapsed >= GUARD_TIME - 1)
            return;
        const Uint32 left = GUARD_TIME - 1 - elapsed;
        SDL_Delay(left < POLL_PAUSE ? left : POLL_PAUSE);
    }
}
} // namespace

void waitForPress() {
    dropPressesDuringGuard();
    SDL_Event event;
    for (;;) {
        SDL_Delay(POLL_PAUSE);
        while (SDL_PollEvent(&event)) {
            if (endsWait(event))
                return;
        }
    }
}
