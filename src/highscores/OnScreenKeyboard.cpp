#include "highscores/OnScreenKeyboard.h"

#include "app/Logger.h"
#include "highscores/KeyMap.h"
#include "highscores/StandInKeyboard.h"

#include <SDL_image.h>

namespace {
constexpr Uint32 POLL_PAUSE = 20;
} // namespace

OnScreenKeyboard::OnScreenKeyboard(SDL_Surface* picture, const std::string& mapFile)
    : Sprite(picture) {
    map = IMG_Load(mapFile.c_str());
    if (map == nullptr)
        Logger::stream(0) << "ERROR: can't load image '" << mapFile << "' - " << SDL_GetError()
                          << std::endl;
    // Without its picture the keyboard is drawn plainly from the map, so a
    // name can still be typed.
    if (surface == nullptr && map != nullptr) {
        SDL_Surface* standIn = drawKeyboardFromMap(map);
        setSurface(standIn);
        if (standIn != nullptr)
            SDL_FreeSurface(standIn);
    }
    dirty = true;
    rect.w = static_cast<Uint16>(map != nullptr ? map->w : 0);
    rect.h = static_cast<Uint16>(map != nullptr ? map->h : 0);
}

OnScreenKeyboard::~OnScreenKeyboard() {
    if (map != nullptr)
        SDL_FreeSurface(map);
}

Sint32 OnScreenKeyboard::waitForKeyPress() {
    if (map == nullptr)
        return -1;
    pressCode = 0;
    update();
    for (;;) {
        SDL_Delay(POLL_PAUSE);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                pressCode = mapValueUnder(event.button.x, event.button.y);
                return static_cast<Sint32>(pressCode);
            }
            if (event.type == SDL_QUIT)
                return -1;
        }
    }
}

Uint8 OnScreenKeyboard::keyCode() const {
    return keyCodeOf(pressCode);
}

Uint32 OnScreenKeyboard::mapValueUnder(int x, int y) {
    SDL_LockSurface(map);
    const Uint32 value = keyMapValueAt(keyMapViewOf(map), x - rect.x, y - rect.y);
    SDL_UnlockSurface(map);
    return value;
}
