#pragma once

// Playing screens as a player would: acting at a time or in a frame, following
// a game's rounds, pressing the on-screen keyboard's keys, and finding
// targets, pictures and texts on the screen.

#include "artgen/KeyboardLayout.h"
#include "game/TargetField.h"
#include "support/FakeSdl.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

// Actions run from the flips of a screen that runs its own loop, each once,
// right after the first flip at or after its time. An action whose time never
// came fails the test.
class Timeline {
public:
    Timeline();
    ~Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;
    void at(Uint32 time, std::function<void()> action) { actions.emplace(time, std::move(action)); }

private:
    std::multimap<Uint32, std::function<void()>> actions; // those at one time in their order
};

// Plays through a game session: onPlayFrame(round, frame) after each frame of
// play, onOtherFlip(round, 0) after every other flip, and each action given
// with at() once, after its frame. The rounds are told apart by their pauses:
// the pause before a round is the only delay of 500 to 1999 ms and none
// happens between a round's frames. A key arrives 600 ms after each flip, just
// past the half second in which presses are ignored, so every wait for a press
// ends. An action whose frame never came fails the test.
class GameScript {
public:
    using Action = std::function<void(int round, int frame)>;
    explicit GameScript(Action onPlayFrame = nullptr, Action onOtherFlip = nullptr);
    ~GameScript();
    GameScript(const GameScript&) = delete;
    GameScript& operator=(const GameScript&) = delete;
    void at(int round, int frame, std::function<void()> action) {
        moments.emplace(std::pair{round, frame}, std::move(action));
    }
    int rounds() const { return roundsSeen; }

private:
    std::map<std::pair<int, int>, std::function<void()>> moments;
    std::size_t delaysSeen;
    bool inRound = false;
    int roundsSeen = 0, framesSeen = 0; // in this round
};

// The on-screen keyboard is centred on the bottom edge of the screen.
constexpr int KEYBOARD_LEFT = 160 - artgen::kKeyboardWidth / 2;
constexpr int KEYBOARD_TOP = 240 - artgen::kKeyboardHeight;
ScreenPoint keyCentre(int code);
// Queues one click per character: '\b' is the delete key, '\r' the end key.
void pressKeys(const std::string& keys);

constexpr SDL_Rect WHOLE_SCREEN{0, 0, 320, 240};

bool pixelIs(int x, int y, Uint8 r, Uint8 g, Uint8 b);
// Pixels of one colour inside a rectangle of the screen.
int countPixels(const SDL_Rect& area, Uint8 r, Uint8 g, Uint8 b);
// The centre of the red of the target in an area; none when there is none or
// it is narrower than `smallest`.
std::optional<ScreenPoint> findTarget(const SDL_Rect& area = WHOLE_SCREEN, int smallest = 1);
// Whether the picture of that file shows with its top-left corner at (x, y): at
// least `share` of its non-transparent pixels that fall on the screen, and one.
bool pictureAt(const std::string& file, int x, int y, double share = 1.0);
// Whether the screen shows exactly this text in that font and colour, from
// (x, y) or centred on it.
bool showsText(const char* font, const char* text, SDL_Color color, int x, int y);
bool showsCentredText(const char* font, const char* text, SDL_Color color, int x, int y);
