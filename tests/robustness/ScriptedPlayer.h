#pragma once

#include "support/Scripting.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

// A player for whole runs of the program on the scripted SDL: from the main
// menu it plays free games and challenges, looks at the high scores and
// finally leaves through the exit button, as a person with a pointer would.
//
// It tells the screens apart by how they pace themselves rather than by their
// pictures, so that it still finds its way when pictures or the font are
// missing: the main menu pauses 20 ms after each frame, the setup screen 15 ms,
// rounds are told by the pause before them, and every message screen waits
// for a press, which comes 600 ms after each flip. Targets are found by their red.
class ScriptedPlayer {
public:
    struct Step {
        enum Kind { Game, Challenge, HighScores, Exit } kind;
        // A game: its players, and presses of the Ravav-E-Vidid "+" button
        // from " none " (1 is "checker", 3 "checker 3", 6 "psycho 3", 9 "red 3").
        int players = 2;
        int mode = 0;
        // A challenge: levels won by shooting every target early and near its
        // centre; the next one is lost by closing the window during its round.
        // A practice run (joystick button 4 held as it starts) counts every
        // level as passed, so the later levels are each left that way, to the
        // twentieth; it ends with level 0 and score 0, which may still rank.
        int levelsToPass = 1;
        bool practice = false;
    };
    static Step game(int players = 2, int mode = 0) { return {Step::Game, players, mode}; }
    static Step challenge(int levels = 1, bool practice = false) {
        return {Step::Challenge, 2, 0, levels, practice};
    }
    static Step highScores() { return {Step::HighScores}; }
    static Step exit() { return {Step::Exit}; }

    // Pictures that cannot be loaded in this run: their buttons are pressed on
    // the one point a button without a picture answers to. A name, "SOAK", is
    // typed when the keyboard shows.
    explicit ScriptedPlayer(std::vector<Step> steps, std::set<std::string> brokenPictures = {});
    ~ScriptedPlayer();
    ScriptedPlayer(const ScriptedPlayer&) = delete;
    ScriptedPlayer& operator=(const ScriptedPlayer&) = delete;

    // Called each time a step has been completed, with its index.
    void onStepDone(std::function<void(int step)> hook) { stepDone = std::move(hook); }
    // Clears the scripted SDL's record of delays and sounds, for long runs.
    void forgetHistory() {
        fake::clearHistory();
        delaysSeen = 0;
    }

    int stepsDone() const { return step; }
    int menuVisits() const { return menus; }
    int roundsPlayed() const { return rounds; }
    int shotsFired() const { return shots; }
    int levelsStarted() const { return levels; }
    int namesEntered() const { return names; }

private:
    enum class Phase { Menu, Setup, Game, Challenge, ChallengeEnding, NameEntry, Done };

    void onFlip();
    // Whether the screen has paused that long after each frame for long
    // enough that its widgets rest.
    bool settledAt(const std::vector<Uint32>& delays, Uint32 pause);
    void enter(Phase next);
    const Step& current() const { return plan[static_cast<std::size_t>(step)]; }

    void inMenu(const std::vector<Uint32>& delays);
    void inSetup();
    void inGame(const std::vector<Uint32>& delays, int frame);
    void inChallenge(int frame);
    void inChallengeEnding(const std::vector<Uint32>& delays);
    void typeNextKey();
    void finishStep();
    void press(ScreenPoint point) { fake::click(point.x, point.y); }
    bool shoot(const SDL_Rect& area);
    bool broken(const char* picture) const { return brokenPictures.count(picture) != 0; }

    std::vector<Step> plan;
    std::set<std::string> brokenPictures;
    std::function<void(int)> stepDone;

    Phase phase = Phase::Menu;
    std::size_t delaysSeen = 0;
    RoundTracker tracker;
    Uint32 phaseStart = 0;
    Uint32 settledSince = 0;
    bool settled = false;

    // What the setup screen shows now: it keeps its choices between visits.
    int setupPlayers = 2;
    int setupRounds = 10;
    int setupMode = 0;

    bool shotThisRound = false;
    int typed = 0;
    int level = 0;
    int messagesAfterLoss = 0;

    int step = 0;
    int menus = 0;
    int rounds = 0;
    int shots = 0;
    int levels = 0;
    int names = 0;
};
