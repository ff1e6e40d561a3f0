#pragma once

// Playing screens as a player would: acting at a time or in a frame, following
// a game's rounds, pressing the on-screen keyboard's keys, and finding
// targets, pictures and texts on the screen. No test framework needed here:
// the soak plays with these too.

#include "artgen/KeyboardLayout.h"
#include "game/CellLayout.h"
#include "game/TargetField.h"
#include "support/FakeSdl.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Actions run from the flips of a screen that runs its own loop: each timed
// one once, right after the first flip at or after its time; the every-frame
// one after every flip.
class Timeline {
public:
    Timeline();
    ~Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;

    void at(Uint32 time, std::function<void()> action);
    void everyFrame(std::function<void()> action) { perFrame = std::move(action); }
    bool allDone() const { return actions.empty(); }

private:
    std::vector<std::pair<Uint32, std::function<void()>>> actions;
    std::function<void()> perFrame;
};

// The delays made since `seen` of them were, which it then counts.
std::vector<Uint32> newDelays(std::size_t& seen);

// A game's rounds told apart by its pauses: the pause before a round is the
// only delay of 500 to 1999 ms and none happens between a round's frames, so
// the first flip after that pause is frame 1 and every flip until the next
// delay is a further frame (the flip after a round's last frame counts too).
class RoundTracker {
public:
    // After each flip, with the delays since the last: the frame of the round
    // in play, or 0 between rounds.
    int afterFlip(const std::vector<Uint32>& delays);
    int rounds() const { return round; }

private:
    bool inRound = false;
    int round = 0;
    int frame = 0;
};

// Plays through a game session: onPlayFrame(round, frame) after each frame of
// play, onOtherFlip(round, 0) after every other flip. A key arrives 600 ms
// after each flip, just past the half second in which presses are ignored, so
// every wait for a press ends.
class GameScript {
public:
    using Action = std::function<void(int round, int frame)>;
    explicit GameScript(Action onPlayFrame, Action onOtherFlip = nullptr);
    ~GameScript();
    int rounds() const { return tracker.rounds(); }

private:
    RoundTracker tracker;
    std::size_t delaysSeen;
};
void pressAfterTheGuard();

// The on-screen keyboard is centred on the bottom edge of the screen.
constexpr int KEYBOARD_LEFT = 160 - artgen::kKeyboardWidth / 2;
constexpr int KEYBOARD_TOP = 240 - artgen::kKeyboardHeight;
ScreenPoint keyCentre(int code);
// Queues one click per character: '\b' is the delete key, '\r' the end key.
void pressKeys(const std::string& keys);

inline SDL_Rect rectOf(const Cell& cell) {
    return {static_cast<Sint16>(cell.x), static_cast<Sint16>(cell.y), static_cast<Uint16>(cell.w),
            static_cast<Uint16>(cell.h)};
}
constexpr SDL_Rect WHOLE_SCREEN{0, 0, 320, 240};

// The centre of the topmost target in an area, found by its red; none when
// there is none or it is narrower than `smallest`.
std::optional<ScreenPoint> findTarget(const SDL_Rect& area = WHOLE_SCREEN, int smallest = 1);
// Whether the picture of that file shows with its top-left corner at (x, y):
// every non-transparent pixel of it that falls on the screen, and at least one.
bool pictureAt(const std::string& file, int x, int y);
// Whether the screen shows exactly this text in that font and colour, from
// (x, y) or centred on it.
bool showsText(const char* font, const char* text, SDL_Color color, int x, int y);
bool showsCentredText(const char* font, const char* text, SDL_Color color, int x, int y);
// Red writing at the top: the "TOTAL" of the totals, a "Level" heading.
bool redHeading();
