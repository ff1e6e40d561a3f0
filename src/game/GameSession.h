#pragma once

#include "game/Players.h"
#include "game/ScoreGrid.h"
#include "game/TargetField.h"
#include "media/Sprite.h"

#include <optional>

class ScrollingBackground;

// Plays one game: one to four players share the screen, each in a cell of
// their own, over a number of rounds. In every round each player gets the same
// number of targets; all grow together, every press and release of the pointer
// is a shot, and the first player to hit all of their own targets wins the
// round. The free game and every level of the challenge are played here.
class GameSession : public Sprite {
public:
    GameSession();

    // Plays a whole game; background (owned by the caller, null for none)
    // slides at the speeds given in pixels per second. 1 when every round was
    // played, 0 when the game was abandoned (quit request or joystick button 6).
    int run(int players, int rounds, int targets, SDL_Surface* background, int speedX, int speedY);

    // Scores one pointer press or release; the round's winner after it, or 0.
    int handleShot(const SDL_Event& event);

    // A player's points in this game (players 1 to 4), -1 for any other number.
    int getScore(int player) const;
    // How close to the centre the last shot landed, 0 to 1.
    float getAccuracy() const { return targets.getAccuracy(); }
    // The targets' size in the last frame drawn, 0 to 1; 1 after an abandoned game.
    float getGrowth() const { return growth; }

    // The screens between rounds (RoundScreens.h): the title also marks where
    // the round's points start; the winner screen shows the points of the
    // round just won.
    void showRoundTitle(int round);
    void showRoundWinner();
    void showTotals();
    // The layers of a frame above the background (ScoreGrid.h, TargetField.h);
    // drawing the targets ends the frame with a flip.
    void drawGrid(bool showScores);
    void drawTargets(float growth);

    // Where a live target's centre is on the screen (slots 0 to 3); none for
    // an empty slot.
    std::optional<ScreenPoint> targetCentre(int player, int slot) const {
        return targets.centreOf(player, slot);
    }

private:
    void startGame(int players, int targets);
    void showBeforeRound(ScrollingBackground& background, bool showScores);
    static void pauseBeforeRound();
    // Plays frames until somebody wins the round; false when abandoned.
    bool playRound(ScrollingBackground& background, bool showScores);
    // Shots, or a quit request; false when the game is abandoned.
    bool handleEvents();
    void abandon() { growth = 1.0f; }

    TargetField targets;
    ScoreGrid grid;
    PlayerScores roundStartScore{};
    PlayerScores score{};
    int roundWinner = 0;
    float growth = 0.0f;
};
