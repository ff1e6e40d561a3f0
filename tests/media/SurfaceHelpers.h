#pragma once

#include <SDL.h>

#include <memory>

// Owned software surfaces for drawing tests.
struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

inline SurfacePtr makeSurface(int w, int h, int bitsPerPixel) {
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bitsPerPixel, 0, 0, 0, 0));
}

// A 32-bit surface filled with one value.
inline SurfacePtr filledSurface(int w, int h, Uint32 value) {
    SurfacePtr surface(
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0));
    SDL_FillRect(surface.get(), nullptr, value);
    return surface;
}
