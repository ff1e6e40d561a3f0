#include "highscores/StandInKeyboard.h"

#include "highscores/KeyMap.h"
#include "media/ResourceManager.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

struct KeyArea {
    int left = -1, top = 0, right = 0, bottom = 0;
    bool found() const { return left >= 0; }
};

// The smallest rectangle around each code's pixels.
std::array<KeyArea, 256> keyAreas(SDL_Surface* map) {
    std::array<KeyArea, 256> areas{};
    SDL_LockSurface(map);
    const KeyMapView view = keyMapViewOf(map);
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            KeyArea& area = areas[keyCodeOf(keyMapValueAt(view, x, y))];
            if (!area.found()) {
                area = {x, y, x, y};
                continue;
            }
            area.left = std::min(area.left, x);
            area.right = std::max(area.right, x);
            area.top = std::min(area.top, y);
            area.bottom = std::max(area.bottom, y);
        }
    }
    SDL_UnlockSurface(map);
    return areas;
}

std::string captionOf(int code) {
    switch (code) {
    case 8:
        return "DEL";
    case 13:
        return "END";
    case ' ':
        return "SPACE";
    default:
        return std::string(1, static_cast<char>(code));
    }
}

void drawKey(SDL_Surface* keyboard, const KeyArea& area, const std::string& caption) {
    SDL_Rect cap{static_cast<Sint16>(area.left + 1), static_cast<Sint16>(area.top + 1),
                 static_cast<Uint16>(std::max(area.right - area.left - 1, 1)),
                 static_cast<Uint16>(std::max(area.bottom - area.top - 1, 1))};
    SDL_FillRect(keyboard, &cap, SDL_MapRGB(keyboard->format, 210, 210, 214));
    TTF_Font* font = ResourceManager::instance().getFont("small");
    if (font == nullptr)
        return;
    SDL_Surface* text = TTF_RenderText_Solid(font, caption.c_str(), SDL_Color{20, 20, 30, 0});
    if (text == nullptr)
        return;
    SDL_Rect where{static_cast<Sint16>((area.left + area.right + 1 - text->w) / 2),
                   static_cast<Sint16>((area.top + area.bottom + 1 - text->h) / 2), 0, 0};
    SDL_UpperBlit(text, nullptr, keyboard, &where);
    SDL_FreeSurface(text);
}

} // namespace

SDL_Surface* drawKeyboardFromMap(SDL_Surface* map) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (map == nullptr || screen == nullptr)
        return nullptr;
    const SDL_PixelFormat* format = screen->format;
    SDL_Surface* keyboard =
        SDL_CreateRGBSurface(SDL_SWSURFACE, map->w, map->h, format->BitsPerPixel, format->Rmask,
                             format->Gmask, format->Bmask, format->Amask);
    if (keyboard == nullptr)
        return nullptr;
    SDL_FillRect(keyboard, nullptr, SDL_MapRGB(keyboard->format, 34, 36, 44));
    const std::array<KeyArea, 256> areas = keyAreas(map);
    for (int code = 1; code < 256; ++code)
        if (areas[static_cast<std::size_t>(code)].found())
            drawKey(keyboard, areas[static_cast<std::size_t>(code)], captionOf(code));
    return keyboard;
}
