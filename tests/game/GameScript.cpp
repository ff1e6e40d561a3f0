#include "GameScript.h"

#include "game/ScreenDrawing.h"
#include "media/Sprite.h"

#include <algorithm>

namespace {
constexpr Uint32 SHORTEST_PAUSE = 500;
constexpr Uint32 LONGEST_PAUSE = 1999;
constexpr Uint32 PAST_THE_GUARD = 600;
} // namespace

GameScript::GameScript(Action onPlayFrame, Action onOtherFlip)
    : playFrame(std::move(onPlayFrame)), otherFlip(std::move(onOtherFlip)) {
    delaysSeen = fake::delays().size();
    fake::onFrame([this](int) { onFlip(); });
}

GameScript::~GameScript() {
    fake::onFrame(nullptr);
}

void GameScript::onFlip() {
    fake::pushAt(fake::now() + PAST_THE_GUARD, fake::keyDown());
    const auto& delays = fake::delays();
    if (delays.size() != delaysSeen) {
        delaysSeen = delays.size();
        inRound = delays.back() >= SHORTEST_PAUSE && delays.back() <= LONGEST_PAUSE;
        if (inRound) {
            ++round;
            frame = 0;
        }
    }
    if (inRound) {
        ++frame;
        if (playFrame)
            playFrame(round, frame);
    } else if (otherFlip) {
        otherFlip(round, 0);
    }
}

void GameTest::SetUp() {
    ScreenTest::SetUp();
    session = std::make_unique<GameSession>();
}

std::optional<ScreenPoint> GameTest::targetOnScreen(const Cell& cell) {
    const Uint32 red = mapped(222, 24, 32);
    int left = cell.x + cell.w, top = cell.y + cell.h, right = -1, bottom = -1;
    for (int y = cell.y; y < cell.y + cell.h; ++y) {
        for (int x = cell.x; x < cell.x + cell.w; ++x) {
            if (pixelAt(x, y) != red)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return std::nullopt;
    return ScreenPoint{(left + right + 1) / 2, (top + bottom + 1) / 2};
}

void GameTest::clickAt(ScreenPoint point) {
    fake::click(point.x, point.y);
}

int GameTest::pixelsIn(const Cell& cell, Uint8 r, Uint8 g, Uint8 b) {
    const SDL_Rect area{static_cast<Sint16>(cell.x), static_cast<Sint16>(cell.y),
                        static_cast<Uint16>(cell.w), static_cast<Uint16>(cell.h)};
    return countPixels(area, r, g, b);
}

bool GameTest::showsTotals() {
    return countPixels(SDL_Rect{100, 0, 120, 40}, 255, 0, 0) > 20;
}

bool GameTest::cellIsWhite(const Cell& cell) {
    return pixelsIn(cell, 255, 255, 255) > cell.w * cell.h * 3 / 4;
}

bool GameTest::showsText(const char* font, const char* text, SDL_Color color, int x, int y) {
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
            same = same && pixelAt(x + column, y + row) == wanted;
        }
    }
    SDL_UnlockSurface(rendered.get());
    return same && letterPixels > 0;
}

bool GameTest::showsCentredText(const char* font, const char* text, SDL_Color color, int x, int y) {
    SurfacePtr rendered = renderText(font, text, color);
    return rendered && showsText(font, text, color, x - rendered->w / 2, y - rendered->h / 2);
}
