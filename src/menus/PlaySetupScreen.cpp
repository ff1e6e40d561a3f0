#include "menus/PlaySetupScreen.h"

#include "app/AppState.h"
#include "app/FrameDelay.h"
#include "input/Input.h"
#include "media/ResourceManager.h"
#include "media/TextLabel.h"
#include "menus/MenuButton.h"
#include "menus/MenuSounds.h"

#include <cstdio>
#include <iterator>
#include <memory>

namespace {
// Held down, this joystick button leaves the screen without a game.
constexpr unsigned LEAVE_BUTTON = 6;

constexpr int FEWEST_PLAYERS = 2;
constexpr int MOST_PLAYERS = 4;
constexpr int FEWEST_ROUNDS = 1;
constexpr int MOST_ROUNDS = 99;

void showNumber(TextLabel* label, int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    label->setText(text);
}
} // namespace

PlaySetupScreen::PlaySetupScreen() : modes(annoyModes()), currentMode(modes.begin()) {
    // Rows centred on y = 60 and y = 144 and one standing on the bottom edge;
    // minus buttons at x = 10, plus buttons centred on x = 177; captions half
    // a button above their row, values between the row's two buttons.
    const Sprite* minus = addButton("plminus", MINUS);
    const int wm = minus->getWidth();
    const int hm = minus->getHeight();
    placeWidget("plminus", -wm, 60 - hm / 2, 10, 60 - hm / 2);
    const Sprite* plus = addButton("plplus", PLUS);
    const int wp = plus->getWidth();
    const int hp = plus->getHeight();
    const int xp = 177 - wp / 2;
    const int d = xp - 10;
    placeWidget("plplus", -wp, 60 - hp / 2, xp, 60 - hp / 2);
    addButton("rminus", MINUS);
    placeWidget("rminus", -wm, 144 - hm / 2, 10, 144 - hm / 2);
    addButton("rplus", PLUS);
    placeWidget("rplus", -wp, 144 - hp / 2, xp, 144 - hp / 2);
    const Sprite* start = addButton("start", START);
    placeWidget("start", 320, 240, 320 - start->getWidth(), 240 - start->getHeight());

    addLabel("pltext")->setText("Players:");
    placeWidget("pltext", d, -hp, d / 2, finalPosition("plplus").y - hp / 2);
    addLabel("rtext")->setText("Rounds:");
    placeWidget("rtext", d, 240 + hp, d / 2, finalPosition("rplus").y - hp / 2);
    playersValue = addLabel("plnumtext");
    placeWidget("plnumtext", d, 240 + hp, wm + d / 2, finalPosition("plplus").y + hp / 2);
    roundsValue = addLabel("rnumtext");
    placeWidget("rnumtext", d, 240 + hp, wm + d / 2, finalPosition("rplus").y + hp / 2);

    addButton("anminus", MINUS);
    placeWidget("anminus", -wm, 240 - hm, 10, 240 - hm);
    addButton("anplus", PLUS);
    placeWidget("anplus", -wp, 240 - hp, xp, 240 - hp);
    addLabel("altext")->setText("Ravav-E-Vidid:");
    placeWidget("altext", d, 240 + hp, (d + wm) / 2, finalPosition("anplus").y - hp / 2);
    modeValue = addLabel("antext");
    placeWidget("antext", d, 240 + hp, wm + d / 2, finalPosition("anplus").y + hp / 2);
}

Sprite* PlaySetupScreen::addButton(const std::string& name, const ButtonLook& look) {
    return addWidget(name, makeMenuButton(look.picture, look.caption, look.width, look.height));
}

TextLabel* PlaySetupScreen::addLabel(const std::string& name) {
    // Without a picture of its own a label is centred on its position.
    TextLabel* label = addWidget(name, std::make_unique<TextLabel>(0, 0, ""));
    // The frame is flipped whole; the label need not push its text itself.
    label->setAutoRefresh(false);
    label->setFont("default");
    label->setColor(SDL_Color{255, 255, 255, 0});
    return label;
}

bool PlaySetupScreen::run() {
    showChoices();
    slideIn();
    Outcome outcome = Outcome::Stay;
    while (outcome == Outcome::Stay) {
        draw();
        frameDelay(STATE_MAIN_MENU);
        if (Input::instance().isButtonPressed(LEAVE_BUTTON))
            outcome = Outcome::GoBack;
        outcome = handleEvents(outcome);
    }
    slideOut();
    return outcome == Outcome::StartGame;
}

void PlaySetupScreen::showChoices() {
    showNumber(roundsValue, chosenRounds);
    showNumber(playersValue, chosenPlayers);
    modeValue->setText(currentMode->first.c_str());
}

PlaySetupScreen::Outcome PlaySetupScreen::handleEvents(Outcome outcome) {
    // Every deciding event overwrites the outcome, so the last one waiting wins.
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            outcome = Outcome::GoBack;
            continue;
        }
        const std::string chosen = selectWithPointer(event);
        if (chosen.empty())
            continue;
        const Outcome decided = activate(chosen);
        if (decided != Outcome::Stay)
            outcome = decided;
    }
    return outcome;
}

PlaySetupScreen::Outcome PlaySetupScreen::activate(const std::string& name) {
    if (name == "start") {
        ResourceManager::instance().playSound(SHOT_SOUND, 1);
        return Outcome::StartGame;
    }
    if (name == "plminus")
        stepNumber(chosenPlayers, -1, FEWEST_PLAYERS, MOST_PLAYERS, playersValue);
    else if (name == "plplus")
        stepNumber(chosenPlayers, +1, FEWEST_PLAYERS, MOST_PLAYERS, playersValue);
    else if (name == "rminus")
        stepNumber(chosenRounds, -1, FEWEST_ROUNDS, MOST_ROUNDS, roundsValue);
    else if (name == "rplus")
        stepNumber(chosenRounds, +1, FEWEST_ROUNDS, MOST_ROUNDS, roundsValue);
    else if (name == "anminus")
        stepMode(-1);
    else if (name == "anplus")
        stepMode(+1);
    // The captions and values do nothing.
    return Outcome::Stay;
}

void PlaySetupScreen::stepNumber(int& number, int step, int lowest, int highest,
                                 TextLabel* shownIn) {
    const int stepped = number + step;
    if (stepped < lowest || stepped > highest)
        return;
    number = stepped;
    showNumber(shownIn, number);
    draw();
}

void PlaySetupScreen::stepMode(int step) {
    // The modes clamp at both ends; the label is shown and the screen redrawn
    // even when the mode stayed.
    if (step < 0 && currentMode != modes.begin())
        --currentMode;
    if (step > 0 && std::next(currentMode) != modes.end())
        ++currentMode;
    modeValue->setText(currentMode->first.c_str());
    draw();
}

void PlaySetupScreen::draw() {
    drawFrame();
}
