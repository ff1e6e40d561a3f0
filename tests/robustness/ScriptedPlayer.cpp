#include "ScriptedPlayer.h"

#include "artgen/KeyboardLayout.h"
#include "game/CellLayout.h"
#include "media/ResourceManager.h"
#include "media/Sprite.h"
#include "support/FakeSdl.h"

#include <SDL_image.h>

#include <algorithm>

namespace {

constexpr Uint32 MENU_PAUSE = 20;
constexpr Uint32 SETUP_PAUSE = 15;
constexpr Uint32 MESSAGE_PAUSE = 50;
constexpr Uint32 SHORTEST_ROUND_PAUSE = 500;
constexpr Uint32 LONGEST_ROUND_PAUSE = 1999;
// The widgets fly in for 600 ms; a screen is taken as settled after this long.
constexpr Uint32 SETTLING_TIME = 650;
constexpr Uint32 PAST_THE_GUARD = 600;
// Targets are shot once they are this wide: about 0.3 of their full size,
// early enough to pass every objective of the first levels.
constexpr int SHOOTING_WIDTH = 17;
constexpr int LOSING_FRAME = 5;
constexpr int LEVELS = 20;
constexpr const char* TYPED_NAME = "SOAK";

// A wait for a press naps 50 ms at a time, and shorter to end its guard.
bool isMessagePause(Uint32 delay) {
    return delay <= MESSAGE_PAUSE && delay != MENU_PAUSE && delay != SETUP_PAUSE;
}

bool isRoundPause(Uint32 delay) {
    return delay >= SHORTEST_ROUND_PAUSE && delay <= LONGEST_ROUND_PAUSE;
}

ScriptedPlayer::Point keyCentre(int code) {
    for (const artgen::Key& key : artgen::keyboardLayout()) {
        if (key.code == code) {
            // The keyboard is centred on the bottom edge of the screen.
            const int left = 160 - artgen::kKeyboardWidth / 2;
            const int top = 240 - artgen::kKeyboardHeight;
            return {left + key.x + key.w / 2, top + key.y + key.h / 2};
        }
    }
    return {0, 0};
}

} // namespace

ScriptedPlayer::Step ScriptedPlayer::game(int players, int mode) {
    Step s{Step::Game, {}, {}};
    s.game.players = players;
    s.game.mode = mode;
    return s;
}

ScriptedPlayer::Step ScriptedPlayer::challenge(int levelsToPass, bool practice) {
    Step s{Step::Challenge, {}, {}};
    s.challenge.levelsToPass = levelsToPass;
    s.challenge.practice = practice;
    return s;
}

ScriptedPlayer::Step ScriptedPlayer::highScores() {
    return Step{Step::HighScores, {}, {}};
}

ScriptedPlayer::Step ScriptedPlayer::exit() {
    return Step{Step::Exit, {}, {}};
}

ScriptedPlayer::ScriptedPlayer(std::vector<Step> steps, std::set<std::string> brokenPictures,
                               NameEntry entry)
    : plan(std::move(steps)), broken(std::move(brokenPictures)), nameEntry(entry) {
    delaysSeen = fake::delays().size();
    phaseStart = fake::now();
    fake::onFrame([this](int) { onFlip(); });
}

ScriptedPlayer::~ScriptedPlayer() {
    fake::onFrame(nullptr);
}

void ScriptedPlayer::onFlip() {
    // Ends whatever wait for a press comes next; every other screen ignores keys.
    fake::pushAt(fake::now() + PAST_THE_GUARD, fake::keyDown());
    const std::vector<Uint32> delays = newDelays();
    switch (phase) {
    case Phase::Menu:
        inMenu(delays);
        break;
    case Phase::Setup:
        inSetup(delays);
        break;
    case Phase::Game:
        inGame(delays);
        break;
    case Phase::Challenge:
        inChallenge(delays);
        break;
    case Phase::ChallengeEnding:
        inChallengeEnding(delays);
        break;
    case Phase::NameEntry:
        typeNextKey();
        break;
    case Phase::Done:
        break;
    }
}

void ScriptedPlayer::forgetHistory() {
    fake::clearHistory();
    delaysSeen = 0;
}

std::vector<Uint32> ScriptedPlayer::newDelays() {
    const std::vector<Uint32>& all = fake::delays();
    std::vector<Uint32> fresh(all.begin() + static_cast<std::ptrdiff_t>(delaysSeen), all.end());
    delaysSeen = all.size();
    return fresh;
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
    inRound = false;
}

void ScriptedPlayer::inMenu(const std::vector<Uint32>& delays) {
    if (!settledAt(delays, MENU_PAUSE) || step >= static_cast<int>(plan.size()))
        return;
    ++menus;
    // Each button answers at the centre of its quarter, with or without its picture.
    switch (plan[static_cast<std::size_t>(step)].kind) {
    case Step::Game:
        press({80, 60});
        enter(Phase::Setup);
        break;
    case Step::Challenge:
        press({240, 60});
        level = 0;
        enter(Phase::Challenge);
        break;
    case Step::HighScores:
        press({80, 180});
        finishStep();
        enter(Phase::Menu);
        break;
    case Step::Exit:
        press({240, 180});
        finishStep();
        enter(Phase::Done);
        break;
    }
}

void ScriptedPlayer::inSetup(const std::vector<Uint32>& delays) {
    if (!settledAt(delays, SETUP_PAUSE))
        return;
    const GameChoice& wanted = plan[static_cast<std::size_t>(step)].game;
    // The "-" buttons rest on x = 10 and the "+" buttons are centred on x = 177;
    // the rows are centred on y = 60 and y = 144, the last one stands on the
    // bottom edge. Without its picture a button answers only at its corner.
    const bool minusShown = broken.count("images/minus.png") == 0;
    const bool plusShown = broken.count("images/plus.png") == 0;
    const Point plMinus = minusShown ? Point{25, 60} : Point{10, 60};
    const Point plPlus = {177, 60};
    const Point rMinus = minusShown ? Point{25, 144} : Point{10, 144};
    const Point anMinus = minusShown ? Point{25, 225} : Point{10, 240};
    const Point anPlus = plusShown ? Point{177, 225} : Point{177, 240};
    for (; setupPlayers < wanted.players; ++setupPlayers)
        press(plPlus);
    for (; setupPlayers > wanted.players; --setupPlayers)
        press(plMinus);
    for (; setupRounds > 1; --setupRounds)
        press(rMinus);
    for (; setupMode < wanted.mode; ++setupMode)
        press(anPlus);
    for (; setupMode > wanted.mode; --setupMode)
        press(anMinus);
    // The start button stands in the bottom right corner; without its picture
    // it answers only at (320, 240), beyond the last pixel of the screen.
    press(broken.count("images/playbutton.png") == 0 ? Point{264, 198} : Point{320, 240});
    enter(Phase::Game);
}

void ScriptedPlayer::inGame(const std::vector<Uint32>& delays) {
    if (settledAt(delays, MENU_PAUSE)) {
        // The game is over and the main menu is back.
        finishStep();
        phase = Phase::Menu;
        inMenu(delays);
        return;
    }
    if (!delays.empty()) {
        inRound = isRoundPause(delays.back());
        shotThisRound = false;
        if (inRound)
            ++rounds;
    }
    if (!inRound || shotThisRound)
        return;
    const Cell mine = CellLayout(plan[static_cast<std::size_t>(step)].game.players).cell(1);
    Point centre{};
    if (findTarget(mine.x, mine.y, mine.w, mine.h, SHOOTING_WIDTH, centre)) {
        press(centre);
        ++shots;
        shotThisRound = true;
    }
}

void ScriptedPlayer::inChallenge(const std::vector<Uint32>& delays) {
    if (!delays.empty()) {
        inRound = isRoundPause(delays.back());
        roundFrame = 0;
        if (inRound) {
            ++level;
            ++levels;
            ++rounds;
        }
    }
    if (!inRound)
        return;
    ++roundFrame;
    const ChallengeChoice& choice = plan[static_cast<std::size_t>(step)].challenge;
    if (level > choice.levelsToPass) {
        if (roundFrame == LOSING_FRAME) {
            fake::push(fake::quitRequest());
            if (!choice.practice || level == LEVELS) {
                messagesAfterLoss = 0;
                enter(Phase::ChallengeEnding);
            }
        }
        return;
    }
    // One target a frame, until none is left.
    Point centre{};
    if (findTarget(0, 0, 320, 240, SHOOTING_WIDTH, centre)) {
        press(centre);
        ++shots;
    }
}

void ScriptedPlayer::inChallengeEnding(const std::vector<Uint32>& delays) {
    // "Failed!" comes straight after the round; "Total score:" and then the
    // name entry (or the main menu) each follow a wait for a press.
    const bool afterAWait =
        std::find(delays.begin(), delays.end(), MESSAGE_PAUSE) != delays.end() &&
        std::all_of(delays.begin(), delays.end(), isMessagePause);
    // A practice run ends with "Success!", "CONGRATULATIONS" and the total;
    // its result of nothing may still rank.
    const bool practice = plan[static_cast<std::size_t>(step)].challenge.practice;
    if (!afterAWait || ++messagesAfterLoss < (practice ? 3 : 2))
        return;
    finishStep();
    switch (nameEntry) {
    case NameEntry::Type:
        if (keyboardShown()) {
            ++names;
            typed = 0;
            enter(Phase::NameEntry);
            typeNextKey();
            return;
        }
        break;
    case NameEntry::CloseWindow:
        fake::push(fake::quitRequest());
        ++names;
        break;
    case NameEntry::Nothing:
        break;
    }
    enter(Phase::Menu);
}

void ScriptedPlayer::typeNextKey() {
    // One key a flip: the entry redraws the name after each press.
    const std::string keys = std::string(TYPED_NAME) + static_cast<char>(artgen::kKeyEnd);
    press(keyCentre(static_cast<unsigned char>(keys[typed])));
    if (++typed == static_cast<int>(keys.size()))
        enter(Phase::Menu);
}

void ScriptedPlayer::finishStep() {
    const int done = step++;
    if (stepDone)
        stepDone(done);
}

void ScriptedPlayer::press(Point point) {
    fake::click(point.x, point.y);
}

bool ScriptedPlayer::findTarget(int left, int top, int width, int height, int smallest,
                                Point& centre) {
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    const Uint32 red = SDL_MapRGB(screen->format, 222, 24, 32);
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            if (Sprite::getPixel(screen, x, y) != red)
                continue;
            // The topmost red pixel belongs to one target; its rings lie
            // within a target's width below and beside it, and other targets
            // are further away.
            int minX = x, maxX = x, maxY = y;
            for (int ry = y; ry < std::min(y + 64, top + height); ++ry) {
                for (int rx = std::max(x - 40, left); rx < std::min(x + 40, left + width); ++rx) {
                    if (Sprite::getPixel(screen, rx, ry) != red)
                        continue;
                    minX = std::min(minX, rx);
                    maxX = std::max(maxX, rx);
                    maxY = std::max(maxY, ry);
                }
            }
            if (maxX - minX + 1 < smallest)
                return false;
            centre = {(minX + maxX + 1) / 2, (y + maxY + 1) / 2};
            return true;
        }
    }
    return false;
}

bool ScriptedPlayer::keyboardShown() {
    if (broken.count("images/keyboard.png") != 0)
        return false;
    SDL_Surface* loaded = IMG_Load("images/keyboard.png");
    if (loaded == nullptr)
        return false;
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    SDL_Surface* picture = SDL_ConvertSurface(loaded, screen->format, 0);
    SDL_FreeSurface(loaded);
    if (picture == nullptr)
        return false;
    const Uint32 cyan = SDL_MapRGB(picture->format, 0, 255, 255);
    const int left = 160 - picture->w / 2;
    const int top = 240 - picture->h;
    int same = 0;
    int compared = 0;
    for (int y = 0; y < picture->h; y += 3) {
        for (int x = 0; x < picture->w; x += 3) {
            const Uint32 pixel = Sprite::getPixel(picture, x, y);
            if (pixel == cyan)
                continue;
            ++compared;
            same += Sprite::getPixel(screen, left + x, top + y) == pixel ? 1 : 0;
        }
    }
    SDL_FreeSurface(picture);
    return compared > 0 && same == compared;
}
