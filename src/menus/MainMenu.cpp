#include "menus/MainMenu.h"

#include "app/AppState.h"

int MainMenu::run() {
    for (;;) {
        SDL_FillRect(target, nullptr, 0);
        SDL_Flip(target);
        SDL_Delay(20);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT)
                return STATE_QUIT;
        }
    }
}
