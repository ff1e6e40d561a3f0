#include "MenuTestHelpers.h"

#include "media/ResourceManager.h"
#include "media/Sprite.h"
#include "support/FakeSdl.h"

#include <algorithm>

Timeline::Timeline() {
    fake::onFrame([this](int) { fire(); });
}

Timeline::~Timeline() {
    fake::onFrame(nullptr);
}

void Timeline::at(Uint32 time, std::function<void()> action) {
    auto place = std::find_if(actions.begin(), actions.end(),
                              [time](const auto& entry) { return entry.first > time; });
    actions.insert(place, {time, std::move(action)});
}

void Timeline::everyFrame(std::function<void()> action) {
    perFrame = std::move(action);
}

void Timeline::fire() {
    while (!actions.empty() && actions.front().first <= fake::now()) {
        auto action = std::move(actions.front().second);
        actions.erase(actions.begin());
        action();
    }
    if (perFrame)
        perFrame();
}

bool pictureAt(const std::string& file, int x, int y) {
    SDL_Surface* image = ResourceManager::instance().loadImage(file);
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    if (image == nullptr || screen == nullptr)
        return false;
    const Uint32 transparent = image->format->colorkey;
    int compared = 0;
    bool same = true;
    SDL_LockSurface(image);
    for (int row = 0; row < image->h && same; ++row) {
        for (int column = 0; column < image->w && same; ++column) {
            const int sx = x + column;
            const int sy = y + row;
            const Uint32 pixel = Sprite::getPixel(image, column, row);
            if (pixel == transparent || sx < 0 || sy < 0 || sx >= screen->w || sy >= screen->h)
                continue;
            ++compared;
            same = Sprite::getPixel(screen, sx, sy) == pixel;
        }
    }
    SDL_UnlockSurface(image);
    return same && compared > 0;
}

SDL_Rect whiteBoxIn(const SDL_Rect& area) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    const Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
    int left = area.x + area.w, top = area.y + area.h, right = -1, bottom = -1;
    for (int y = area.y; y < area.y + area.h; ++y)
        for (int x = area.x; x < area.x + area.w; ++x)
            if (Sprite::getPixel(screen, x, y) == white) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                    static_cast<Uint16>(right - left + 1), static_cast<Uint16>(bottom - top + 1)};
}
