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
    const Uint32 start = SDL_GetTicks();
    while (SDL_GetTicks() - start < GUARD_TIME) {
        while (SDL_PollEvent(&event)) {
        }
    }
    for (;;) {
        SDL_Delay(POLL_PAUSE);
        while (SDL_PollEvent(&event)) {
            if (endsWait(event))
                return;
        }
    }
}
