#include "game/ScreenDrawing.h"

#include "media/ResourceManager.h"

#include <SDL_ttf.h>

SurfacePtr renderText(const char* fontName, const char* text, SDL_Color color) {
    TTF_Font* font = ResourceManager::instance().getFont(fontName);
    if (font == nullptr)
        return nullptr;
    return SurfacePtr(TTF_RenderText_Solid(font, text, color));
}

void blitToScreen(SDL_Surface* picture, int x, int y) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (picture == nullptr || screen == nullptr)
        return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(picture, nullptr, screen, &where);
}

Uint32 blackPixel() {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    return screen != nullptr ? SDL_MapRGB(screen->format, 0, 0, 0) : 0;
}

void fillScreen(int x, int y, int w, int h, Uint32 pixel) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (screen == nullptr)
        return;
    SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                  static_cast<Uint16>(h)};
    SDL_FillRect(screen, &area, pixel);
}

void flipScreen() {
    if (SDL_Surface* screen = ResourceManager::instance().getScreen())
        SDL_Flip(screen);
}
