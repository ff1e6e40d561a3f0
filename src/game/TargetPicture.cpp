#include "game/TargetPicture.h"

#include "media/ResourceManager.h"
#include "media/Sprite.h"

#include <cmath>

namespace {
constexpr int RING_WIDTH = 6;

SurfacePtr blankPicture(int size) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (screen != nullptr) {
        const SDL_PixelFormat* format = screen->format;
        return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, size, size, format->BitsPerPixel,
                                               format->Rmask, format->Gmask, format->Bmask,
                                               format->Amask));
    }
    return SurfacePtr(
        SDL_CreateRGBSurface(SDL_SWSURFACE, size, size, 16, 0xF800, 0x07E0, 0x001F, 0));
}
} // namespace

SurfacePtr drawTargetPicture(int size) {
    SurfacePtr picture = blankPicture(size);
    if (!picture)
        return nullptr;
    const Uint32 cyan = SDL_MapRGB(picture->format, 0, 255, 255);
    const Uint32 red = SDL_MapRGB(picture->format, 222, 24, 32);
    const Uint32 white = SDL_MapRGB(picture->format, 250, 248, 244);
    const float centre = static_cast<float>(size) / 2.0f;
    SDL_LockSurface(picture.get());
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - centre;
            const float dy = static_cast<float>(y) + 0.5f - centre;
            const float distance = std::sqrt(dx * dx + dy * dy);
            Uint32 pixel = cyan;
            if (distance < centre)
                pixel = (static_cast<int>(distance) / RING_WIDTH) % 2 == 0 ? red : white;
            Sprite::putPixel(picture.get(), x, y, pixel);
        }
    }
    SDL_UnlockSurface(picture.get());
    SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, cyan);
    return picture;
}
