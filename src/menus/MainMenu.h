#pragma once

#include "menus/WidgetScreen.h"

#include <map>
#include <string>

// The screen shown between all others: four picture buttons, one in each
// quarter of the screen, fly in from the corners like a turning wheel. A click
// on one ends the menu; the buttons fly out the way they came and the menu
// hands back the screen state to continue with.
class MainMenu : public WidgetScreen {
public:
    MainMenu();

    // Shows the menu until a choice is made: STATE_FREE_GAME, STATE_CHALLENGE,
    // STATE_HIGH_SCORES, or STATE_QUIT for the exit button or a window close.
    int run();

    // Black screen with every button where it is, flipped.
    void draw() override;

private:
    void addButton(const std::string& name, const char* imageFile, const char* caption, int action);

    // The size of a button drawn in place of a missing picture.
    static constexpr int STAND_IN_WIDTH = 112;
    static constexpr int STAND_IN_HEIGHT = 84;
    // The choice made by the events waiting now; STATE_MAIN_MENU for none.
    int handleEvents();

    std::map<std::string, int> actions;
};
