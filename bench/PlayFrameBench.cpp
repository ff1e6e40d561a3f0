// What one frame of play costs, against the cheapest full-screen picture the
// display can take: a single blit of a screen-sized 16-bit surface.
#include "game/CellLayout.h"
#include "game/Players.h"
#include "game/ScoreGrid.h"
#include "game/ScreenDrawing.h"
#include "game/ScrollingBackground.h"
#include "game/TargetField.h"
#include "media/ResourceManager.h"

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

namespace {

SDL_Surface* screen() {
    return ResourceManager::instance().getScreen();
}

// The floor: one blit of a 320 x 240 surface in the display's format.
void BM_FullScreenBlit(benchmark::State& state) {
    const SDL_PixelFormat* format = screen()->format;
    SurfacePtr picture(SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, format->BitsPerPixel,
                                            format->Rmask, format->Gmask, format->Bmask,
                                            format->Amask));
    SDL_FillRect(picture.get(), nullptr, SDL_MapRGB(format, 40, 90, 160));
    for (auto _ : state) {
        SDL_Rect where{0, 0, 0, 0};
        SDL_UpperBlit(picture.get(), nullptr, screen(), &where);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullScreenBlit);

// A round in progress: four players with two targets each, the sliding
// "checker 3" background, the grid with running totals. The layers are the
// ones a frame of GameSession draws, in its order.
class PlayFrame {
public:
    PlayFrame() : background(ResourceManager::instance().loadImage("images/bwbg.png"), 120, 60) {
        std::srand(7);
        targets.setUp(4, 2);
        targets.place();
        score = PlayerScores{0, 153, 48, 201, 97};
        background.startRound(SDL_GetTicks());
    }

    void draw(float growth) {
        drawBackground();
        drawGrid();
        drawTargets(growth);
    }

    void drawBackground() { background.drawScrolled(); }
    void drawGrid() { grid.draw(targets.getLayout(), score, true); }
    void drawTargets(float growth) { targets.draw(growth); }

private:
    ScrollingBackground background;
    TargetField targets;
    ScoreGrid grid;
    PlayerScores score{};
};

// Targets held at half size: the picture is scaled once, as in the frames
// between two size steps.
void BM_PlayFrame(benchmark::State& state) {
    const bool flip = state.range(0) != 0;
    PlayFrame frame;
    for (auto _ : state) {
        frame.draw(0.5f);
        if (flip)
            SDL_Flip(screen());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlayFrame)->ArgName("flip")->Arg(0)->Arg(1);

// Targets one pixel larger or smaller every frame: the worst case, a rescale
// in each frame.
void BM_PlayFrameGrowing(benchmark::State& state) {
    const bool flip = state.range(0) != 0;
    PlayFrame frame;
    bool larger = false;
    for (auto _ : state) {
        frame.draw(larger ? 0.52f : 0.5f);
        larger = !larger;
        if (flip)
            SDL_Flip(screen());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlayFrameGrowing)->ArgName("flip")->Arg(0)->Arg(1);

// Each layer of a held frame on its own: where the time of a frame goes.
void BM_PlayFrameLayer(benchmark::State& state) {
    PlayFrame frame;
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            frame.drawBackground();
            break;
        case 1:
            frame.drawGrid();
            break;
        default:
            frame.drawTargets(0.5f);
            break;
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlayFrameLayer)->ArgName("background0_grid1_targets2")->DenseRange(0, 2);

} // namespace
