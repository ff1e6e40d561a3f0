#include "ScriptedPlayer.h"

#include <algorithm>

namespace {

constexpr Uint32 MENU_PAUSE = 20;
constexpr Uint32 SETUP_PAUSE = 15;
constexpr Uint32 MESSAGE_PAUSE = 50;
// The widgets fly in for 600 ms; a screen is taken as settled after this long.
constexpr Uint32 SETTLING_TIME = 650;
// Targets are shot once they are this wide: about 0.3 of their full size,
// early enough to pass every objective of the first levels.
constexpr int SHOOTING_WIDTH = 17;
constexpr int LOSING_FRAME = 5;
constexpr int LEVELS = 20;

// A wait for a press naps 50 ms at a time, and shorter to end its guard.
bool isMessagePause(Uint32 delay) {
    return delay <= MESSAGE_PAUSE && delay != MENU_PAUSE && delay != SETUP_PAUSE;
}

} // namespace

ScriptedPlayer::ScriptedPlayer(std::vector<Step> steps, std::set<std::string> broken)
    : plan(std::move(steps)), brokenPictures(std::move(broken)), delaysSeen(fake::delays().size()),
      phaseStart(fake::now()) {
    fake::onFrame([this](int) { onFlip(); });
}

ScriptedPlayer::~ScriptedPlayer() {
    fake::onFrame(nullptr);
}

void ScriptedPlayer::onFlip() {
    // Ends whatever wait for a press comes next; every other screen ignores keys.
    pressAfterTheGuard();
    const std::vector<Uint32> delays = newDelays(delaysSeen);
    const int frame = tracker.afterFlip(delays);
    switch (phase) {
    case Phase::Menu:
        return inMenu(delays);
    case Phase::Setup:
        if (settledAt(delays, SETUP_PAUSE))
            inSetup();
        return;
    case Phase::Game:
        return inGame(delays, frame);
    case Phase::Challenge:
        return inChallenge(frame);
    case Phase::ChallengeEnding:
        return inChallengeEnding(delays);
    case Phase::NameEntry:
        return typeNextKey();
    case Phase::Done:
        return;
    }
}

bool ScriptedPlayer::settledAt(const std::vector<Uint32>& delays, Uint32 pause) {
    if (delays.size() != 1 || delays.front() != pause) {
        settled = false;
        return false;
    }
    if (!settled) {
        settled = true;
        settledSince = fake::now();
    }
    return fake::now() - std::max(settledSince, phaseStart) >= SETTLING_TIME;
}

void ScriptedPlayer::enter(Phase next) {
    phase = next;
    phaseStart = fake::now();
    settled = false;
}

void ScriptedPlayer::inMenu(const std::vector<Uint32>& delays) {
    if (!settledAt(delays, MENU_PAUSE) || step >= static_cast<int>(plan.size()))
        return;
    ++menus;
    // Each button answers at the centre of its quarter, with or without its picture.
    switch (current().kind) {
    case Step::Game:
        press({80, 60});
        return enter(Phase::Setup);
    case Step::Challenge:
        press({240, 60});
        level = 0;
        return enter(Phase::Challenge);
    case Step::HighScores:
        press({80, 180});
        finishStep();
        return enter(Phase::Menu);
    case Step::Exit:
        press({240, 180});
        finishStep();
        return enter(Phase::Done);
    }
}

void ScriptedPlayer::inSetup() {
    // The "-" buttons rest on x = 10 and the "+" buttons are centred on x = 177;
    // the rows are centred on y = 60 and y = 144, the last one stands on the
    // bottom edge. A button without its picture is drawn in its place.
    const ScreenPoint plMinus{25, 60};
    const ScreenPoint rMinus{25, 144};
    const ScreenPoint anMinus{25, 225};
    const ScreenPoint anPlus{177, 225};
    for (; setupPlayers < current().players; ++setupPlayers)
        press({177, 60});
    for (; setupPlayers > current().players; --setupPlayers)
        press(plMinus);
    for (; setupRounds > 1; --setupRounds)
        press(rMinus);
    for (; setupMode < current().mode; ++setupMode)
        press(anPlus);
    for (; setupMode > current().mode; --setupMode)
        press(anMinus);
    // The start button stands in the bottom right corner.
    press({264, 198});
    enter(Phase::Game);
}

void ScriptedPlayer::inGame(const std::vector<Uint32>& delays, int frame) {
    if (settledAt(delays, MENU_PAUSE)) {
        // The game is over and the main menu is back.
        finishStep();
        phase = Phase::Menu;
        return inMenu(delays);
    }
    if (frame == 1) {
        ++rounds;
        shotThisRound = false;
    }
    if (frame > 0 && !shotThisRound)
        shotThisRound = shoot(rectOf(CellLayout(current().players).cell(1)));
}

void ScriptedPlayer::inChallenge(int frame) {
    if (frame == 1) {
        ++level;
        ++levels;
        ++rounds;
    }
    if (frame == 0)
        return;
    if (level <= current().levelsToPass) {
        shoot(WHOLE_SCREEN); // one target a frame, until none is left
    } else if (frame == LOSING_FRAME) {
        fake::push(fake::quitRequest());
        if (!current().practice || level == LEVELS) {
            messagesAfterLoss = 0;
            enter(Phase::ChallengeEnding);
        }
    }
}

void ScriptedPlayer::inChallengeEnding(const std::vector<Uint32>& delays) {
    // "Failed!" comes straight after the round; "Total score:" and then the
    // name entry (or the main menu) each follow a wait for a press. A practice
    // run ends with "Success!", "CONGRATULATIONS" and the total.
    const bool afterAWait =
        std::find(delays.begin(), delays.end(), MESSAGE_PAUSE) != delays.end() &&
        std::all_of(delays.begin(), delays.end(), isMessagePause);
    if (!afterAWait || ++messagesAfterLoss < (current().practice ? 3 : 2))
        return;
    finishStep();
    // Without its key map the entry only shows itself; without its picture
    // the window is closed, the only way out of it.
    const bool map = !broken("images/keyboardmap.bmp");
    if (map && broken("images/keyboard.png")) {
        fake::push(fake::quitRequest());
        ++names;
    } else if (map && pictureAt("images/keyboard.png", KEYBOARD_LEFT, KEYBOARD_TOP)) {
        ++names;
        typed = 0;
        enter(Phase::NameEntry);
        return typeNextKey();
    }
    enter(Phase::Menu);
}

void ScriptedPlayer::typeNextKey() {
    // One key a flip: the entry redraws the name after each press.
    const std::string keys = "SOAK\r";
    press(keyCentre(static_cast<unsigned char>(keys[static_cast<std::size_t>(typed)])));
    if (++typed == static_cast<int>(keys.size()))
        enter(Phase::Menu);
}

void ScriptedPlayer::finishStep() {
    const int done = step++;
    if (stepDone)
        stepDone(done);
}

bool ScriptedPlayer::shoot(const SDL_Rect& area) {
    const auto target = findTarget(area, SHOOTING_WIDTH);
    if (target) {
        press(*target);
        ++shots;
    }
    return target.has_value();
}
