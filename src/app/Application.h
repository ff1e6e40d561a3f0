#pragma once

#include "app/AppState.h"

class MainMenu;
class GameSession;
class PlaySetupScreen;
class ChallengeMode;
class HighScoreTable;

// Starts SDL and its companions, opens the display, loads the fonts, creates
// one object per screen and runs the screen state machine until the player
// quits. Each screen runs its own modal loop and returns what comes next.
class Application {
public:
    Application();
    ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Records success or failure in the state only.
    void init(int width, int height, int bitsPerPixel);
    // Returns the exit status: 0 after a normal quit, -1 after a failed start.
    int run();
    void quit();

    AppState getState() const { return state; }

private:
    void showSplashes();
    void playFreeGame();
    void playChallenge();
    void logVideoModes();
    static void hidePointer();

    AppState state;
    MainMenu* mainMenu;
    GameSession* gameSession;
    PlaySetupScreen* playSetup;
    ChallengeMode* challenge;
    HighScoreTable* highScores;
};
