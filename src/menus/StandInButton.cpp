#include "menus/StandInButton.h"

#include "media/ResourceManager.h"

namespace {

void drawFrame(SDL_Surface* button, Uint32 colour) {
    const Uint16 w = static_cast<Uint16>(button->w);
    const Uint16 h = static_cast<Uint16>(button->h);
    SDL_Rect edges[] = {{0, 0, w, 2},
                        {0, static_cast<Sint16>(h - 2), w, 2},
                        {0, 0, 2, h},
                        {static_cast<Sint16>(w - 2), 0, 2, h}};
    for (SDL_Rect& edge : edges)
        SDL_FillRect(button, &edge, colour);
}

void drawCaption(SDL_Surface* button, const char* caption) {
    TTF_Font* font = ResourceManager::instance().getFont("small");
    if (font == nullptr)
        return; // the frame alone still shows where to press
    SDL_Surface* text = TTF_RenderText_Solid(font, caption, SDL_Color{255, 255, 255, 0});
    if (text == nullptr)
        return;
    SDL_Rect where{static_cast<Sint16>((button->w - text->w) / 2),
                   static_cast<Sint16>((button->h - text->h) / 2), 0, 0};
    SDL_UpperBlit(text, nullptr, button, &where);
    SDL_FreeSurface(text);
}

} // namespace

SDL_Surface* drawStandInButton(const char* caption, int width, int height) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (screen == nullptr)
        return nullptr;
    const SDL_PixelFormat* format = screen->format;
    SDL_Surface* button =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel, format->Rmask,
                             format->Gmask, format->Bmask, format->Amask);
    if (button == nullptr)
        return nullptr;
    SDL_FillRect(button, nullptr, SDL_MapRGB(button->format, 70, 70, 78));
    drawFrame(button, SDL_MapRGB(button->format, 220, 220, 220));
    drawCaption(button, caption);
    return button;
}
