#pragma once

#include "menus/AnnoyMode.h"
#include "menus/WidgetScreen.h"

#include <map>
#include <string>

class TextLabel;

// Before a free game the player chooses the number of players, the number of
// rounds and the Ravav-E-Vidid distraction, each with a pair of minus and plus
// buttons, then starts the game or goes back. The choices stay as the player
// left them for the next visit, also after going back.
class PlaySetupScreen : public WidgetScreen {
public:
    PlaySetupScreen();

    // Shows the screen until the player starts a game (true) or goes back
    // with a window close or joystick button 6 (false).
    bool run();

    int players() const { return chosenPlayers; }
    int rounds() const { return chosenRounds; }
    const std::string& modeLabel() const { return currentMode->first; }
    // The chosen distraction: its picture's file name (empty for none) and
    // its sliding speeds in pixels per second.
    std::string backgroundName() const { return currentMode->second.background; }
    int speedX() const { return currentMode->second.speedX; }
    int speedY() const { return currentMode->second.speedY; }

    // One frame: black screen, every widget advanced and drawn, flip.
    void draw() override;

private:
    enum class Outcome { Stay, GoBack, StartGame };

    // A button's picture, and the caption and size of the plain button that
    // stands in for it when the picture is missing.
    struct ButtonLook {
        const char* picture;
        const char* caption;
        int width;
        int height;
    };
    static constexpr ButtonLook MINUS{"images/minus.png", "-", 30, 30};
    static constexpr ButtonLook PLUS{"images/plus.png", "+", 30, 30};
    static constexpr ButtonLook START{"images/playbutton.png", "Play", 112, 84};

    Sprite* addButton(const std::string& name, const ButtonLook& look);
    TextLabel* addLabel(const std::string& name);
    void showChoices();
    // The outcome after the events waiting now, starting from the given one.
    Outcome handleEvents(Outcome outcome);
    Outcome activate(const std::string& name);
    // Steps a number within its limits; the screen is redrawn at once on a change.
    void stepNumber(int& number, int step, int lowest, int highest, TextLabel* shownIn);
    void stepMode(int step);

    int chosenPlayers = 2;
    int chosenRounds = 10;
    std::map<std::string, AnnoyMode> modes;
    std::map<std::string, AnnoyMode>::const_iterator currentMode;
    TextLabel* playersValue = nullptr;
    TextLabel* roundsValue = nullptr;
    TextLabel* modeValue = nullptr;
};
