#include "media/Sprite.h"

#include "media/ResourceManager.h"

Sprite::Sprite(SDL_Surface* image)
    : target(ResourceManager::instance().getScreen()), rect{0, 0, 0, 0}, dirty(true),
      surface(nullptr), moveDuration(0), autoRefresh(true) {
    Sprite::setPosition(0, 0);
    setSurface(image);
}

Sprite::~Sprite() {
    if (surface != nullptr)
        SDL_FreeSurface(surface);
}

void Sprite::setSurface(SDL_Surface* image) {
    if (surface != nullptr)
        SDL_FreeSurface(surface);
    surface = nullptr;
    if (image != nullptr && target != nullptr) {
        surface = SDL_ConvertSurface(image, target->format, SDL_SRCALPHA);
        if (surface != nullptr)
            SDL_SetAlpha(surface, SDL_SRCALPHA, 255);
    }
    dirty = true;
    rect.w = static_cast<Uint16>(surface != nullptr ? surface->w : 0);
    rect.h = static_cast<Uint16>(surface != nullptr ? surface->h : 0);
}

int Sprite::getWidth() const {
    return surface != nullptr ? surface->w : 0;
}

int Sprite::getHeight() const {
    return surface != nullptr ? surface->h : 0;
}

void Sprite::setPosition(int x, int y) {
    if (x == rect.x && y == rect.y)
        return;
    placeAt(x, y);
}

void Sprite::placeAt(int x, int y) {
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    destX = startX = x;
    destY = startY = y;
    moveDuration = 0;
    moveStart = 0;
    dirty = true;
}

void Sprite::setCenter(int x, int y) {
    setPosition(x - rect.w / 2, y - rect.h / 2);
}

bool Sprite::contains(int x, int y) const {
    if (surface == nullptr)
        return x == rect.x && y == rect.y;
    return x >= rect.x && x <= rect.x + surface->w && y >= rect.y && y <= rect.y + surface->h;
}

void Sprite::blit() {
    if (surface != nullptr && target != nullptr)
        SDL_UpperBlit(surface, nullptr, target, &rect);
}

void Sprite::draw() {
    blit();
    if (autoRefresh)
        refresh();
}

void Sprite::refresh() {
    if (target != nullptr)
        SDL_UpdateRect(target, rect.x, rect.y, rect.w, rect.h);
}

void Sprite::updateClipped(int x, int y, int w, int h) {
    if (target == nullptr)
        return;
    int right = x + w;
    int bottom = y + h;
    x = x < 0 ? 0 : x;
    y = y < 0 ? 0 : y;
    right = right > target->w ? target->w : right;
    bottom = bottom > target->h ? target->h : bottom;
    if (right > x && bottom > y)
        SDL_UpdateRect(target, x, y, static_cast<Uint32>(right - x),
                       static_cast<Uint32>(bottom - y));
}

void Sprite::drawAt(int x, int y) {
    if (surface == nullptr || target == nullptr)
        return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(surface->w),
                   static_cast<Uint16>(surface->h)};
    SDL_UpperBlit(surface, nullptr, target, &where);
    if (autoRefresh)
        SDL_UpdateRect(target, where.x, where.y, where.w, where.h);
}

void Sprite::moveTo(int x, int y, Uint32 milliseconds) {
    startX = rect.x;
    startY = rect.y;
    destX = x;
    destY = y;
    moveDuration = milliseconds;
    moveStart = SDL_GetTicks();
}

void Sprite::updateMovement() {
    if (moveDuration == 0)
        return;
    Uint32 elapsed = SDL_GetTicks() - moveStart;
    if (elapsed > moveDuration)
        elapsed = moveDuration;
    const float fraction = static_cast<float>(elapsed) / static_cast<float>(moveDuration);
    rect.x = static_cast<Sint16>(startX +
                                 static_cast<int>(static_cast<float>(destX - startX) * fraction));
    rect.y = static_cast<Sint16>(startY +
                                 static_cast<int>(static_cast<float>(destY - startY) * fraction));
    if (elapsed == moveDuration) {
        moveDuration = 0;
        rect.x = static_cast<Sint16>(destX);
        rect.y = static_cast<Sint16>(destY);
    }
    dirty = true;
}

void Sprite::update() {
    if (moveDuration != 0)
        updateMovement();
    if (dirty)
        draw();
    dirty = false;
}

Uint32 Sprite::getPixel(SDL_Surface* source, int x, int y) {
    const int bytesPerPixel = source->format->BytesPerPixel;
    const Uint8* where =
        static_cast<const Uint8*>(source->pixels) + y * source->pitch + x * bytesPerPixel;
    switch (bytesPerPixel) {
    case 1:
        return *where;
    case 2:
        return *reinterpret_cast<const Uint16*>(where);
    case 3:
        return where[0] | (where[1] << 8) | (where[2] << 16);
    case 4:
        return *reinterpret_cast<const Uint32*>(where);
    default:
        return 0;
    }
}

void Sprite::putPixel(SDL_Surface* destination, int x, int y, Uint32 pixel) {
    const int bytesPerPixel = destination->format->BytesPerPixel;
    Uint8* where =
        static_cast<Uint8*>(destination->pixels) + y * destination->pitch + x * bytesPerPixel;
    switch (bytesPerPixel) {
    case 1:
        *where = static_cast<Uint8>(pixel);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(where) = static_cast<Uint16>(pixel);
        break;
    case 3:
        where[0] = static_cast<Uint8>(pixel);
        where[1] = static_cast<Uint8>(pixel >> 8);
        where[2] = static_cast<Uint8>(pixel >> 16);
        break;
    case 4:
        *reinterpret_cast<Uint32*>(where) = pixel;
        break;
    default:
        break;
    }
}

SDL_Surface* Sprite::scaleSurface(SDL_Surface* source, unsigned width, unsigned height) {
    if (source == nullptr || width == 0 || height == 0)
        return nullptr;
    const SDL_PixelFormat* format = source->format;
    SDL_Surface* scaled = SDL_CreateRGBSurface(
        source->flags, static_cast<int>(width), static_cast<int>(height), format->BitsPerPixel,
        format->Rmask, format->Gmask, format->Bmask, format->Amask);
    if (scaled == nullptr)
        return nullptr;

    const double scaleX = static_cast<double>(width) / source->w;
    const double scaleY = static_cast<double>(height) / source->h;
    // A colour-keyed picture may be stored run-length encoded; locking gives
    // back its plain pixels for the copy.
    SDL_LockSurface(source);
    SDL_LockSurface(scaled);
    for (int y = 0; y < source->h; ++y) {
        const int top = static_cast<int>(scaleY * y);
        for (int x = 0; x < source->w; ++x) {
            const int left = static_cast<int>(scaleX * x);
            const Uint32 pixel = getPixel(source, x, y);
            for (int dy = 0; dy < scaleY; ++dy)
                for (int dx = 0; dx < scaleX; ++dx)
                    putPixel(scaled, left + dx, top + dy, pixel);
        }
    }
    SDL_UnlockSurface(scaled);
    SDL_UnlockSurface(source);
    SDL_SetColorKey(scaled, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                    SDL_MapRGB(scaled->format, 0, 255, 255));
    return scaled;
}
