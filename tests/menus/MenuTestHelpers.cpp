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
