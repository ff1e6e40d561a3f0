// What the other screens cost: a main-menu frame and a setup-screen frame
// against the same full-screen blit as a play frame, the processor time a
// message screen uses while it waits for a press, and the time from starting
// the game to its first splash frame.
#include "BenchFlip.h"
#include "input/WaitForPress.h"
#include "media/ResourceManager.h"
#include "media/SplashImage.h"
#include "menus/MainMenu.h"
#include "menus/PlaySetupScreen.h"

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The menus with every button where it rests once it has flown in.
class RestingMenu : public MainMenu {
public:
    RestingMenu() { settleWidgets(); }
};

class RestingSetup : public PlaySetupScreen {
public:
    RestingSetup() {
        // One visit fills in the numbers and the mode; a quit request waiting
        // in the queue leaves the screen at once.
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        run();
        settleWidgets();
    }
};

// A frame as the screen draws it in its loop: black, each widget, flip.
template <class Screen> void screenFrame(benchmark::State& state) {
    Screen screen;
    const bool flip = state.range(0) != 0;
    for (auto _ : state) {
        presentFlips(flip);
        screen.draw();
        benchmark::ClobberMemory();
    }
    presentFlips(true);
}

void BM_MainMenuFrame(benchmark::State& state) {
    screenFrame<RestingMenu>(state);
}
BENCHMARK(BM_MainMenuFrame)->ArgName("flip")->Arg(0)->Arg(1);

void BM_SetupFrame(benchmark::State& state) {
    screenFrame<RestingSetup>(state);
}
BENCHMARK(BM_SetupFrame)->ArgName("flip")->Arg(0)->Arg(1);

// Presenting a frame on its own: what SDL_Flip costs on this display.
void BM_Flip(benchmark::State& state) {
    for (auto _ : state)
        SDL_Flip(ResourceManager::instance().getScreen());
}
BENCHMARK(BM_Flip);

// A message screen waiting two seconds for a press, in real time: the
// processor time of the waiting thread per second of waiting is CPU / Time.
void BM_MessageScreenWait(benchmark::State& state) {
    for (auto _ : state) {
        std::thread player([] {
            std::this_thread::sleep_for(std::chrono::seconds(2));
            SDL_Event key{};
            key.type = SDL_KEYDOWN;
            SDL_PushEvent(&key);
        });
        waitForPress();
        player.join();
    }
}
BENCHMARK(BM_MessageScreenWait)->Unit(benchmark::kMillisecond)->Iterations(3);

// A splash picture faded in, held and faded out, about two seconds in real
// time: the processor time per second of it is CPU / Time.
void BM_SplashFadeInOut(benchmark::State& state) {
    SDL_Surface* picture = ResourceManager::instance().loadImage("images/splash-brenvik.png");
    for (auto _ : state) {
        SplashImage splash(picture);
        splash.fadeInOut();
    }
}
BENCHMARK(BM_SplashFadeInOut)->Unit(benchmark::kMillisecond)->Iterations(2);

// The game itself started as a player starts it, with a probe that ends it at
// its first splash frame. Reported: the time from the start to that frame, and
// as display_open the part spent until the display was open (SDL's own start
// and the video mode), the floor of any start.
void BM_StartToFirstSplashFrame(benchmark::State& state) {
    double displayOpen = 0;
    for (auto _ : state) {
        int times[2];
        if (pipe(times) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        timespec begun{};
        clock_gettime(CLOCK_MONOTONIC, &begun);
        const pid_t game = fork();
        if (game == 0) {
            close(times[0]);
            setenv("BRENVIK_PROBE_FD", std::to_string(times[1]).c_str(), 1);
            setenv("LD_PRELOAD", BRENVIK_STARTUP_PROBE, 1);
            // The game's log is not what is measured.
            const int nothing = open("/dev/null", O_WRONLY);
            dup2(nothing, STDOUT_FILENO);
            dup2(nothing, STDERR_FILENO);
            if (chdir(BRENVIK_GAME_DIR) == 0)
                execl(BRENVIK_GAME_DIR "/brenvik", "brenvik", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(times[1]);
        long long stamps[2] = {0, 0};
        const bool read = ::read(times[0], stamps, sizeof stamps) == sizeof stamps;
        close(times[0]);
        int status = 0;
        waitpid(game, &status, 0);
        if (!read) {
            state.SkipWithError("the game showed no splash frame");
            return;
        }
        const long long start = static_cast<long long>(begun.tv_sec) * 1000000000LL + begun.tv_nsec;
        state.SetIterationTime(static_cast<double>(stamps[1] - start) / 1e9);
        displayOpen += static_cast<double>(stamps[0] - start) / 1e6;
    }
    state.counters["display_open_ms"] =
        benchmark::Counter(displayOpen / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_StartToFirstSplashFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace
