#pragma once

#include "game/CellLayout.h"
#include "game/GameSession.h"
#include "support/ScreenTest.h"

#include <functional>
#include <memory>
#include <optional>

// Follows a game through the scripted flips and tells a test which round is
// being played and which frame of it, so that it can shoot at the moment it
// wants. The pre-round pause is the only delay of 500 to 1999 ms, and no delay
// happens between the frames of a round; so the first flip after such a pause
// is frame 1, and every flip until the next delay is a further frame (the
// flip of the screen that follows a round's last frame counts as one more).
// It also ends every wait for a press: a key arrives 600 ms after each flip,
// just past the half second in which presses are ignored.
class GameScript {
public:
    using Action = std::function<void(int round, int frame)>;

    explicit GameScript(Action onPlayFrame, Action onOtherFlip = nullptr);
    ~GameScript();

    // Rounds begun so far.
    int rounds() const { return round; }

private:
    void onFlip();

    Action playFrame;
    Action otherFlip;
    std::size_t delaysSeen = 0;
    bool inRound = false;
    int round = 0;
    int frame = 0;
};

// A GameSession on the headless screen, with helpers to read its frames.
class GameTest : public ScreenTest {
protected:
    void SetUp() override;

    // The centre of the one target drawn in a cell, found from the target's
    // red on a black screen; none when no red is there.
    static std::optional<ScreenPoint> targetOnScreen(const Cell& cell);
    // A click (press and release) at a point, handled after this frame.
    static void clickAt(ScreenPoint point);
    static void clickAt(int x, int y) { clickAt(ScreenPoint{x, y}); }

    // Pixels of one colour in a cell.
    static int pixelsIn(const Cell& cell, Uint8 r, Uint8 g, Uint8 b);

    // Whether the screen shows exactly this text, rendered in that font and
    // colour, with its top-left corner at (x, y).
    static bool showsText(const char* font, const char* text, SDL_Color color, int x, int y);
    // The same for a text centred at x with its middle at y, halves truncated.
    static bool showsCentredText(const char* font, const char* text, SDL_Color color, int x, int y);

    // Screen contents recognised between the frames of play: the winner's
    // white cell and the red "TOTAL" of the totals screen.
    static bool showsTotals();
    static bool cellIsWhite(const Cell& cell);

    std::unique_ptr<GameSession> session;
};
