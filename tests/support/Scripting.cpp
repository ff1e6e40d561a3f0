#include "support/Scripting.h"
#include "support/ScreenTest.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {
Uint32 pixel(int x, int y) {
    return Sprite::getPixel(ResourceManager::instance().getScreen(), x, y);
}
Uint32 mapped(Uint8 r, Uint8 g, Uint8 b) {
    return SDL_MapRGB(ResourceManager::instance().getScreen()->format, r, g, b);
}
} // namespace

Timeline::Timeline() {
    fake::onFrame([this](int) {
        while (!actions.empty() && actions.begin()->first <= fake::now()) {
            const auto action = std::move(actions.begin()->second);
            actions.erase(actions.begin());
            action();
        }
    });
}

Timeline::~Timeline() {
    fake::onFrame(nullptr);
    for (const auto& action : actions)
        ADD_FAILURE() << "the screen ended before " << action.first << " ms";
}

GameScript::GameScript(Action onPlayFrame, Action onOtherFlip) : delaysSeen(fake::delays().size()) {
    fake::onFrame([this, onPlayFrame, onOtherFlip](int) {
        fake::pushAt(fake::now() + 600, fake::keyDown());
        const std::vector<Uint32>& delays = fake::delays();
        if (delays.size() > delaysSeen) {
            inRound = delays.back() >= 500 && delays.back() <= 1999;
            roundsSeen += inRound ? 1 : 0;
            framesSeen = 0;
        }
        delaysSeen = delays.size();
        framesSeen = inRound ? framesSeen + 1 : 0;
        const Action& action = inRound ? onPlayFrame : onOtherFlip;
        if (action)
            action(roundsSeen, framesSeen);
        const auto moment = moments.find({roundsSeen, framesSeen});
        if (inRound && moment != moments.end()) {
            const auto act = std::move(moment->second);
            moments.erase(moment);
            act();
        }
    });
}

GameScript::~GameScript() {
    fake::onFrame(nullptr);
    for (const auto& moment : moments)
        ADD_FAILURE() << "round " << moment.first.first << " ended before frame "
                      << moment.first.second;
}

ScreenPoint keyCentre(int code) {
    for (const artgen::Key& key : artgen::keyboardLayout())
        if (key.code == code)
            return {KEYBOARD_LEFT + key.x + key.w / 2, KEYBOARD_TOP + key.y + key.h / 2};
    throw std::invalid_argument("no key for code " + std::to_string(code));
}

void pressKeys(const std::string& keys) {
    for (const unsigned char c : keys)
        fake::click(keyCentre(c).x, keyCentre(c).y);
}

bool pixelIs(int x, int y, Uint8 r, Uint8 g, Uint8 b) {
    return pixel(x, y) == mapped(r, g, b);
}

int countPixels(const SDL_Rect& area, Uint8 r, Uint8 g, Uint8 b) {
    int count = 0;
    for (int y = area.y; y < area.y + area.h; ++y)
        for (int x = area.x; x < area.x + area.w; ++x)
            count += pixelIs(x, y, r, g, b) ? 1 : 0;
    return count;
}

std::optional<ScreenPoint> findTarget(const SDL_Rect& area, int smallest) {
    const Uint32 red = mapped(222, 24, 32);
    int left = area.x + area.w, top = area.y + area.h, right = -1, bottom = -1;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            if (pixel(x, y) != red)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0 || right - left + 1 < smallest)
        return std::nullopt;
    return ScreenPoint{(left + right + 1) / 2, (top + bottom + 1) / 2};
}

bool pictureAt(const std::string& file, int x, int y, double share) {
    SDL_Surface* image = ResourceManager::instance().loadImage(file);
    if (image == nullptr)
        return false;
    int compared = 0, same = 0;
    SDL_LockSurface(image);
    for (int row = std::max(0, -y); row < std::min(image->h, 240 - y); ++row) {
        for (int column = std::max(0, -x); column < std::min(image->w, 320 - x); ++column) {
            const Uint32 value = Sprite::getPixel(image, column, row);
            if (value == image->format->colorkey)
                continue;
            ++compared;
            same += pixel(x + column, y + row) == value ? 1 : 0;
        }
    }
    SDL_UnlockSurface(image);
    return compared > 0 && same >= share * compared;
}

bool showsText(const char* font, const char* text, SDL_Color color, int x, int y) {
    SurfacePtr rendered = renderText(font, text, color);
    if (!rendered)
        return false;
    const Uint32 wanted = mapped(color.r, color.g, color.b);
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
