#pragma once

#include <SDL.h>

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
// a round of play begins after a pause of 500 to 1999 ms and runs its frames
// without pause, and every message screen waits for a press, which the player
// gives 600 ms after each flip (past the half second in which presses are
// ignored). Targets are found by their red on the screen.
class ScriptedPlayer {
public:
    struct Point {
        int x;
        int y;
    };
    struct GameChoice {
        int players = 2;
        // Presses of the Ravav-E-Vidid "+" button from " none ": 1 is
        // "checker", 3 "checker 3", 6 "psycho 3", 9 "red 3".
        int mode = 0;
    };
    struct ChallengeChoice {
        // Levels won by shooting every target early and near its centre; the
        // next one is lost by closing the window during its round.
        int levelsToPass = 1;
        // A practice run (joystick button 4 held as it starts) counts every
        // level as passed: the levels after levelsToPass are each left by
        // closing the window, to the twentieth. It ends with level 0 and
        // score 0, which may still rank.
        bool practice = false;
    };
    enum class NameEntry {
        Type,        // type "SOAK" and press END when the keyboard shows
        CloseWindow, // the only way out of the entry without the keyboard picture
        Nothing,     // no entry is shown: the key map cannot be read
    };
    struct Step {
        enum Kind { Game, Challenge, HighScores, Exit } kind;
        GameChoice game;
        ChallengeChoice challenge;
    };

    // Pictures that cannot be loaded in this run: their buttons are pressed on
    // the one point a button without a picture answers to.
    explicit ScriptedPlayer(std::vector<Step> steps, std::set<std::string> brokenPictures = {},
                            NameEntry nameEntry = NameEntry::Type);
    ~ScriptedPlayer();
    ScriptedPlayer(const ScriptedPlayer&) = delete;
    ScriptedPlayer& operator=(const ScriptedPlayer&) = delete;

    // Called each time a step has been completed, with its index.
    void onStepDone(std::function<void(int step)> hook) { stepDone = std::move(hook); }
    // Clears the scripted SDL's record of delays and sounds, for long runs.
    void forgetHistory();

    int stepsDone() const { return step; }
    int menuVisits() const { return menus; }
    int roundsPlayed() const { return rounds; }
    int shotsFired() const { return shots; }
    int levelsStarted() const { return levels; }
    int namesEntered() const { return names; }

    static Step game(int players = 2, int mode = 0);
    static Step challenge(int levelsToPass = 1, bool practice = false);
    static Step highScores();
    static Step exit();

private:
    enum class Phase { Menu, Setup, Game, Challenge, ChallengeEnding, NameEntry, Done };

    void onFlip();
    // The delays since the previous flip, and whether they show a screen that
    // pauses that long after each frame.
    std::vector<Uint32> newDelays();
    bool settledAt(const std::vector<Uint32>& delays, Uint32 pause);
    void enter(Phase next);

    void inMenu(const std::vector<Uint32>& delays);
    void inSetup(const std::vector<Uint32>& delays);
    void inGame(const std::vector<Uint32>& delays);
    void inChallenge(const std::vector<Uint32>& delays);
    void inChallengeEnding(const std::vector<Uint32>& delays);
    void typeNextKey();
    void finishStep();

    void press(Point point);
    // The centre of a target on the screen, the topmost first; none when no
    // target of at least that width is there.
    bool findTarget(int left, int top, int width, int height, int smallest, Point& centre);
    bool keyboardShown();

    std::vector<Step> plan;
    std::set<std::string> broken;
    NameEntry nameEntry;
    std::function<void(int)> stepDone;

    Phase phase = Phase::Menu;
    std::size_t delaysSeen = 0;
    Uint32 phaseStart = 0;
    Uint32 settledSince = 0;
    bool settled = false;

    // What the setup screen shows now: it keeps its choices between visits.
    int setupPlayers = 2;
    int setupRounds = 10;
    int setupMode = 0;

    bool inRound = false;
    bool shotThisRound = false;
    int roundFrame = 0;
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
