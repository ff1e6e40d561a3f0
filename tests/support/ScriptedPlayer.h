#pragma once

#include "game/CellLayout.h"
#include "menus/AnnoyMode.h"
#include "support/Scripting.h"

#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// What the scripted player sets up for a free game.
struct FreeGame {
    int players = 2;
    int rounds = 2;
    std::string mode = " none "; // the Ravav-E-Vidid, by the label the setup shows
};

// Plays the whole program from its main menu, one step of its plan after
// another, as a player would. It knows the screens by their pauses, which stay
// when pictures are missing: 20 ms a frame in the menu and the name entry, 15
// ms in the setup, 500 to 1999 ms before a round, 1 ms steps of a splash fade.
class ScriptedPlayer {
public:
    enum Step {
        CLOSE_SETUP,      // opens the setup screen and closes the window there
        PLAY_GAME,        // sets up the game below, plays it shooting in player 1's cell
        PLAY_CHALLENGE,   // passes level 1, gives up level 2, types "SOAK" if asked
        SHOW_HIGH_SCORES, // and dismisses them
        EXIT,
    };
    explicit ScriptedPlayer(std::vector<Step> steps, FreeGame game = {})
        : plan(std::move(steps)), setup(std::move(game)) {
        fake::onDelay([this](Uint32 pause) { afterPause(pause); });
    }
    ~ScriptedPlayer() { fake::onDelay(nullptr); }

    std::vector<Step> done; // the steps begun
    int fadeSteps = 0;
    int namesTyped = 0;
    GameScript script{[this](int round, int frame) { play(round, frame); }};

    // Called after every SDL_Delay, from a test's own delay hook where it has one.
    void afterPause(Uint32 pause) {
        if (pause == 1 && ++fadeSteps > 4 * 501) // a fifth fade: the splashes never end
            throw std::runtime_error("the splash pictures came back");
        streak = fake::delays().size() > 1 && fake::delays().end()[-2] == pause ? streak + 1 : 1;
        // The menu's and the setup's widgets rest 600 ms after they start flying in:
        // 20 frames of the menu, 24 of the setup.
        const bool atRest = streak == 30;
        if (pause == 20 && std::exchange(naming, false)) {
            pressKeys("SOAK\r"); // lost on a menu flying in when no name is asked
            namesTyped += 1;
        }
        if (pause == 15 && atRest)
            chooseGame();
        if (pause == 20 && atRest && done.size() < plan.size())
            choose(plan[done.size()]);
    }

private:
    void choose(Step step) {
        done.push_back(step);
        challengeFrom = step == PLAY_CHALLENGE ? script.rounds() : challengeFrom;
        // Each button answers at the centre of its quarter, picture or not.
        const ScreenPoint buttons[] = {{80, 60}, {80, 60}, {240, 60}, {80, 180}, {240, 180}};
        fake::click(buttons[step].x, buttons[step].y);
    }

    // Steps each choice down to its lowest, then up to the one wanted.
    void chooseGame() {
        if (done.back() == CLOSE_SETUP)
            return fake::push(fake::quitRequest());
        const auto modes = annoyModes();
        const int mode = int(std::distance(modes.begin(), modes.find(setup.mode)));
        const struct {
            int y, lowest, wanted;
        } rows[] = {{60, 2, setup.players}, {144, 1, setup.rounds}, {225, 0, mode}};
        for (const auto& row : rows) {
            for (int press = 0; press < 99; ++press)
                fake::click(25, row.y);
            for (int press = row.lowest; press < row.wanted; ++press)
                fake::click(177, row.y);
        }
        fake::click(264, 198); // start
    }

    void play(int round, int frame) {
        if (round != challengeFrom + 2) {
            const Cell cell = CellLayout(done.back() == PLAY_CHALLENGE ? 1 : setup.players).cell(1);
            const SDL_Rect mine{0, 0, Uint16(cell.w), Uint16(cell.h)};
            if (auto target = findTarget(mine, 17)) // about a third grown
                fake::click(target->x, target->y);
        } else if (frame == 5) {
            fake::push(fake::quitRequest());
            naming = true;
        }
    }

    std::vector<Step> plan;
    FreeGame setup;
    int streak = 0, challengeFrom = -9; // the rounds before the challenge
    bool naming = false;
};
