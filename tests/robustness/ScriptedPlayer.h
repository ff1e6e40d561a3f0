#pragma once

#include "support/Scripting.h"

#include <stdexcept>
#include <string>
#include <utility>

// Plays the whole program from its main menu, a letter of the plan at a time: 's' closes
// the window on the setup screen; 'g' sets two rounds with "-" and "+", presses the
// Ravav-E-Vidid "+" `mode` times and plays; 'c' wins a challenge's first level, gives up the
// second and types "SOAK" if asked; 'h' shows the high scores; 'x' exits. It knows screens by
// their pauses, kept without pictures: 20 ms a frame in the menu and the name entry, 15 ms in
// the setup, 500 to 1999 ms before a round.
class ScriptedPlayer {
public:
    explicit ScriptedPlayer(std::string steps, int how = 0) : plan(std::move(steps)), mode(how) {
        fake::onDelay([this](Uint32 pause) { afterPause(pause); });
    }
    ~ScriptedPlayer() { fake::onDelay(nullptr); }
    std::string done;  // the steps begun
    int fadeSteps = 0; // the splash pictures fade in 1 ms steps
    GameScript script{[this](int round, int frame) { play(round, frame); }};

    void afterPause(Uint32 pause) {
        if (pause == 1 && ++fadeSteps > 4 * 501) // a fifth fade: the splashes never end
            throw std::runtime_error("the splash pictures came back");
        streak = fake::delays().size() > 1 && fake::delays().end()[-2] == pause ? streak + 1 : 1;
        if (pause == 20 && std::exchange(naming, false))
            pressKeys("SOAK\r"); // lost on a menu still flying in when no name is asked
        // Widgets rest 600 ms after they start flying in: 20 menu frames, 24 setup frames.
        for (int press = 0; pause == 15 && streak == 30 && press < 10 + mode; ++press)
            fake::click(press < 9 ? 25 : 177, press < 10 ? 144 : 225);
        if (pause == 15 && streak == 30)
            done.back() == 's' ? fake::push(fake::quitRequest()) : fake::click(264, 198);
        if (pause == 20 && streak == 30 && done.size() < plan.size()) {
            done += plan[done.size()];
            challengeFrom = done.back() == 'c' ? script.rounds() : challengeFrom;
            // Each button answers at the centre of its quarter, picture or not.
            fake::click(done.back() == 'c' || done.back() == 'x' ? 240 : 80,
                        done.back() == 'h' || done.back() == 'x' ? 180 : 60);
        }
    }

private:
    void play(int round, int frame) {
        if (round != challengeFrom + 2) {
            // Player 1's cell of two in a game, the whole screen in a challenge.
            const SDL_Rect mine{0, 0, Uint16(done.back() == 'c' ? 320 : 160), 240};
            if (auto target = findTarget(mine, 17)) // about a third grown
                fake::click(target->x, target->y);
        } else if (frame == 5) {
            fake::push(fake::quitRequest());
            naming = true;
        }
    }

    std::string plan;
    int mode, streak = 0, challengeFrom = -9; // the rounds before the challenge
    bool naming = false;
};
