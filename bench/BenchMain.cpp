// The benchmarks' display: the game's 320 x 240 x 16 screen on SDL's dummy
// driver, with the game's fonts, opened from the game folder the build made.
#include "BenchFlip.h"
#include "media/ResourceManager.h"

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <iostream>
#include <unistd.h>

namespace {

bool presentingFlips = true;

bool startDisplay() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(BRENVIK_GAME_DIR) != 0 || SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0)
        return false;
    SDL_Surface* display = SDL_SetVideoMode(320, 240, 16, SDL_FULLSCREEN);
    if (display == nullptr)
        return false;
    ResourceManager& resources = ResourceManager::instance();
    resources.setScreen(display);
    return resources.loadFont("small", DEFAULT_FONT_FILE, 18) &&
           resources.loadFont("default", DEFAULT_FONT_FILE, 28) &&
           resources.loadFont("big", DEFAULT_FONT_FILE, 32);
}

} // namespace

void presentFlips(bool present) {
    presentingFlips = present;
}

// The game's screens flip at the end of their frames; the benchmarks link
// SDL_Flip through here to measure a frame with or without presenting it.
extern "C" int __real_SDL_Flip(SDL_Surface* screen);
extern "C" int __wrap_SDL_Flip(SDL_Surface* screen) {
    return presentingFlips ? __real_SDL_Flip(screen) : 0;
}

int main(int argc, char** argv) {
    if (!startDisplay()) {
        std::cerr << "cannot open the display: " << SDL_GetError() << std::endl;
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
