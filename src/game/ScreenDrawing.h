#pragma once

#include <SDL.h>

#include <memory>

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const {
        if (surface != nullptr)
            SDL_FreeSurface(surface);
    }
};
// A surface the game made itself and frees when done with it.
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

constexpr SDL_Color WHITE{255, 255, 255, 0};
constexpr SDL_Color BLACK{0, 0, 0, 0};
constexpr SDL_Color RED{255, 0, 0, 0};
// White on the 16-bit display: every colour bit set.
constexpr Uint32 ALL_BITS = 0xFFFFFFFF;

// One line of text rendered solid in a named font ("small", "default", "big");
// null when the font is missing or the text cannot be rendered.
SurfacePtr renderText(const char* fontName, const char* text, SDL_Color color);

// Blits a whole picture with its top-left corner at (x, y) of the display;
// nothing for a null picture.
void blitToScreen(SDL_Surface* picture, int x, int y);

// Black in the display's format: 0 on a plain 16-bit display, with the alpha
// bits set where the display has them, so that it covers what was there.
Uint32 blackPixel();

// Fills a rectangle of the display with a pixel value.
void fillScreen(int x, int y, int w, int h, Uint32 pixel);

void flipScreen();
