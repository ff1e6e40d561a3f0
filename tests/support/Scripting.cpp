#include "support/Scripting.h"

#include "game/ScreenDrawing.h"
#include "media/ResourceManager.h"
#include "media/Sprite.h"

#include <algorithm>
#include <stdexcept>

namespace {
SDL_Surface* display() {
    return ResourceManager::instance().getScreen();
}
Uint32 pixel(int x, int y) {
    return Sprite::getPixel(display(), x, y);
}
} // namespace

Timeline::Timeline() {
    fake::onFrame([this](int) {
        while (!actions.empty() && actions.front().first <= fake::now()) {
            auto action = std::move(actions.front().second);
            actions.erase(actions.begin());
            action();
        }
    });
}

Timeline::~Timeline() {
    fake::onFrame(nullptr);
}

void Timeline::at(Uint32 time, std::function<void()> action) {
    auto place = std::find_if(actions.begin(), actions.end(),
                              [time](const auto& entry) { return entry.first > time; });
    actions.insert(place, {time, std::move(action)});
}

GameScript::GameScript(Action onPlayFrame, Action onOtherFlip) : delaysSeen(fake::delays().size()) {
    fake::onFrame([this, onPlayFrame, onOtherFlip](int) {
        fake::pushAt(fake::now() + 600, fake::keyDown());
        const std::vector<Uint32>& delays = fake::delays();
        if (delays.size() > delaysSeen) {
            inRound = delays.back() >= 500 && delays.back() <= 1999;
            round += inRound ? 1 : 0;
            frame = 0;
        }
        delaysSeen = delays.size();
        const Action& action = inRound ? onPlayFrame : onOtherFlip;
        if (inRound)
            ++frame;
        if (action)
            action(round, inRound ? frame : 0);
    });
}

GameScript::~GameScript() {
    fake::onFrame(nullptr);
}

ScreenPoint keyCentre(int code) {
    for (const artgen::Key& key : artgen::keyboardLayout()) {
        if (key.code == code)
            return {KEYBOARD_LEFT + key.x + key.w / 2, KEYBOARD_TOP + key.y + key.h / 2};
    }
    throw std::invalid_argument("no key for code " + std::to_string(code));
}

void pressKeys(const std::string& keys) {
    for (const char c : keys) {
        const ScreenPoint at = keyCentre(static_cast<unsigned char>(c));
        fake::click(at.x, at.y);
    }
}

std::optional<ScreenPoint> findTarget(const SDL_Rect& area, int smallest) {
    const Uint32 red = SDL_MapRGB(display()->format, 222, 24, 32);
    const int right = area.x + area.w;
    const int bottom = area.y + area.h;
    for (int y = area.y; y < bottom; ++y) {
        for (int x = area.x; x < right; ++x) {
            if (pixel(x, y) != red)
                continue;
            // The topmost red pixel is a target's; its rings lie within a
            // target's size below and beside it, and other targets further away.
            int minX = x, maxX = x, maxY = y;
            for (int ry = y; ry < std::min(y + 64, bottom); ++ry) {
                for (int rx = std::max(x - 40, static_cast<int>(area.x));
                     rx < std::min(x + 40, right); ++rx) {
                    if (pixel(rx, ry) != red)
                        continue;
                    minX = std::min(minX, rx);
                    maxX = std::max(maxX, rx);
                    maxY = std::max(maxY, ry);
                }
            }
            if (maxX - minX + 1 < smallest)
                return std::nullopt;
            return ScreenPoint{(minX + maxX + 1) / 2, (y + maxY + 1) / 2};
        }
    }
    return std::nullopt;
}

bool pictureAt(const std::string& file, int x, int y) {
    SDL_Surface* image = ResourceManager::instance().loadImage(file);
    if (image == nullptr)
        return false;
    int compared = 0;
    bool same = true;
    SDL_LockSurface(image);
    for (int row = 0; row < image->h && same; ++row) {
        for (int column = 0; column < image->w && same; ++column) {
            const int sx = x + column;
            const int sy = y + row;
            const Uint32 value = Sprite::getPixel(image, column, row);
            if (value == image->format->colorkey || sx < 0 || sy < 0 || sx >= 320 || sy >= 240)
                continue;
            ++compared;
            same = pixel(sx, sy) == value;
        }
    }
    SDL_UnlockSurface(image);
    return same && compared > 0;
}

bool showsText(const char* font, const char* text, SDL_Color color, int x, int y) {
    SurfacePtr rendered = renderText(font, text, color);
    if (!rendered)
        return false;
    const Uint32 wanted = SDL_MapRGB(display()->format, color.r, color.g, color.b);
    int letterPixels = 0;
    bool same = true;
    SDL_LockSurface(rendered.get());
    for (int row = 0; row < rendered->h; ++row) {
        for (int column = 0; column < rendered->w; ++column) {
            if (Sprite::getPixel(rendered.get(), column, row) == 0)
                continue; // the background of a solid rendering
            ++letterPixels;
            same = same && pixel(x + column, y + row) == wanted;
        }
    }
    SDL_UnlockSurface(rendered.get());
    return same && letterPixels > 0;
}

bool showsCentredText(const char* font, const char* text, SDL_Color color, int x, int y) {
    SurfacePtr rendered = renderText(font, text, color);
    return rendered && showsText(font, text, color, x - rendered->w / 2, y - rendered->h / 2);
}

bool redHeading() {
    const Uint32 red = SDL_MapRGB(display()->format, 255, 0, 0);
    int count = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 100; x < 220; ++x)
            count += pixel(x, y) == red ? 1 : 0;
    return count > 20;
}
