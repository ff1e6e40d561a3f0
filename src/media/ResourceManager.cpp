#include "media/ResourceManager.h"

#include "app/Logger.h"

#include <SDL_image.h>

#include <cstdlib>

namespace {

// The other coordinate of the point i steps along a slanted line, worked out
// whole in float and then truncated toward zero (truncating only the offset
// would put the points of a falling line one pixel off).
int pointAlong(int from, int i, int steps, int span) {
    return static_cast<int>(static_cast<float>(from) + static_cast<float>(i) /
                                                           static_cast<float>(steps) *
                                                           static_cast<float>(span));
}

} // namespace

ResourceManager& ResourceManager::instance() {
    // Never destroyed: surfaces and fonts stay valid until the process ends.
    static ResourceManager* theInstance = new ResourceManager();
    return *theInstance;
}

SDL_Surface* ResourceManager::loadImage(const std::string& file) {
    if (file.empty())
        return nullptr;
    auto cached = images.find(file);
    if (cached != images.end())
        return cached->second;

    SDL_Surface* loaded = IMG_Load(file.c_str());
    if (loaded == nullptr) {
        Logger::stream(0) << "ERROR: can't load image '" << file << "' - " << SDL_GetError()
                          << std::endl;
        return nullptr;
    }
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted == nullptr) {
        Logger::stream(0) << "ERROR: can't load image '" << file << "' - " << SDL_GetError()
                          << std::endl;
        return nullptr;
    }
    // Cyan is every picture's transparent colour; the alpha flag lets fades
    // change only the per-surface alpha later.
    SDL_SetColorKey(converted, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                    SDL_MapRGB(converted->format, 0, 255, 255));
    SDL_SetAlpha(converted, SDL_SRCALPHA, 255);
    images[file] = converted;
    return converted;
}

bool ResourceManager::loadFont(const char* name, const char* file, int size) {
    TTF_Font* font = TTF_OpenFont(file != nullptr ? file : DEFAULT_FONT_FILE, size);
    if (font == nullptr) {
        Logger::stream(0) << "ERROR: Can't load font from file '"
                          << (file != nullptr ? file : "default: fonts/artbrush.ttf") << "' - "
                          << SDL_GetError() << std::endl;
        return false;
    }
    auto existing = fonts.find(name);
    if (existing != fonts.end()) {
        TTF_CloseFont(existing->second);
        existing->second = font;
    } else {
        fonts[name] = font;
    }
    return true;
}

TTF_Font* ResourceManager::getFont(const char* name) {
    auto stored = fonts.find(name);
    if (stored != fonts.end())
        return stored->second;
    if (!loadFont(name, nullptr, 14))
        return nullptr;
    return fonts[name];
}

void ResourceManager::drawPixel(int x, int y, Uint32 pixel, SDL_Surface* target) {
    if (target == nullptr)
        target = screen;
    if (target == nullptr || x < 0 || y < 0 || x >= target->w || y >= target->h)
        return;
    const int bytesPerPixel = target->format->BytesPerPixel;
    const int pitch = target->pitch != 0 ? target->pitch : target->w * bytesPerPixel;
    if (SDL_LockSurface(target) != 0)
        return;
    Uint8* where = static_cast<Uint8*>(target->pixels) + y * pitch + x * bytesPerPixel;
    switch (bytesPerPixel) {
    case 1:
        *where = static_cast<Uint8>(pixel);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(where) = static_cast<Uint16>(pixel);
        break;
    case 4:
        *reinterpret_cast<Uint32*>(where) = pixel;
        break;
    default:
        break; // 3 bytes per pixel: not drawn
    }
    SDL_UnlockSurface(target);
}

void ResourceManager::drawLine(int x1, int y1, int x2, int y2, Uint32 pixel, SDL_Surface* target) {
    if (y1 == y2) {
        const int from = x1 < x2 ? x1 : x2;
        const int to = x1 < x2 ? x2 : x1;
        for (int x = from; x <= to; ++x)
            drawPixel(x, y1, pixel, target);
    } else if (x1 == x2) {
        const int from = y1 < y2 ? y1 : y2;
        const int to = y1 < y2 ? y2 : y1;
        for (int y = from; y <= to; ++y)
            drawPixel(x1, y, pixel, target);
    } else if (std::abs(y1 - y2) < std::abs(x1 - x2)) {
        // Mostly horizontal: one pixel per column, the end point left out.
        const int dx = x2 - x1;
        const int step = dx / std::abs(dx);
        for (int i = 0; x1 + i != x2; i += step) {
            drawPixel(x1 + i, pointAlong(y1, i, dx, y2 - y1), pixel, target);
        }
    } else {
        const int dy = y2 - y1;
        const int step = dy / std::abs(dy);
        for (int i = 0; y1 + i != y2; i += step) {
            drawPixel(pointAlong(x1, i, dy, x2 - x1), y1 + i, pixel, target);
        }
    }
}
