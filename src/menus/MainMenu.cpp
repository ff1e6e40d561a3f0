#include "menus/MainMenu.h"

#include "app/AppState.h"
#include "media/ResourceManager.h"
#include "menus/MenuButton.h"
#include "menus/MenuSounds.h"

#include <memory>

namespace {
// The menu is paced by a fixed pause after every frame.
constexpr Uint32 MENU_FRAME_PAUSE = 20;
} // namespace

MainMenu::MainMenu() {
    addButton("play", "images/playbutton.png", "Play", STATE_FREE_GAME);
    addButton("challenge", "images/challengebutton.png", "Challenge", STATE_CHALLENGE);
    addButton("high", "images/highscoresbutton.png", "High scores", STATE_HIGH_SCORES);
    addButton("exit", "images/exitbutton.png", "Exit", STATE_QUIT);

    // Each button rests on the centre of its quarter and waits beyond the
    // corner that follows its quarter clockwise.
    const Sprite& play = *widget("play");
    const Sprite& challenge = *widget("challenge");
    const Sprite& high = *widget("high");
    const Sprite& exit = *widget("exit");
    placeWidget("play", 320, -play.getHeight(), 80 - play.getWidth() / 2,
                60 - play.getHeight() / 2);
    placeWidget("challenge", 320, 240, 240 - challenge.getWidth() / 2,
                60 - challenge.getHeight() / 2);
    placeWidget("high", -high.getWidth(), -high.getHeight(), 80 - high.getWidth() / 2,
                180 - high.getHeight() / 2);
    placeWidget("exit", -exit.getWidth(), 240, 240 - exit.getWidth() / 2,
                180 - exit.getHeight() / 2);
}

void MainMenu::addButton(const std::string& name, const char* imageFile, const char* caption,
                         int action) {
    addWidget(name, makeMenuButton(imageFile, caption, STAND_IN_WIDTH, STAND_IN_HEIGHT));
    actions[name] = action;
}

int MainMenu::run() {
    slideIn();
    int result = STATE_MAIN_MENU;
    while (result == STATE_MAIN_MENU) {
        drawFrame();
        SDL_Delay(MENU_FRAME_PAUSE);
        result = handleEvents();
    }
    // A choice made while the buttons are still flying in makes them jump to
    // their resting places, from which they fly out.
    settleWidgets();
    slideOut();
    return result;
}

int MainMenu::handleEvents() {
    // Every deciding event overwrites the choice, so the last one waiting wins.
    int result = STATE_MAIN_MENU;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            result = STATE_QUIT;
            continue;
        }
        const std::string chosen = selectWithPointer(event);
        if (chosen.empty())
            continue;
        ResourceManager::instance().playSound(SHOT_SOUND, 1);
        result = actions[chosen];
    }
    return result;
}

void MainMenu::draw() {
    drawStill();
}
