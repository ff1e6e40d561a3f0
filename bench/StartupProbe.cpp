// Loaded into the game by the start-up benchmark (LD_PRELOAD): notes when the
// display has been opened and when the first splash frame reaches it, writes
// both times to the descriptor named by BRENVIK_PROBE_FD and ends the game
// there. Nothing else of the game is changed.
#include <SDL.h>

#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long displayOpened = 0;

template <class Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags) {
    using SetVideoMode = SDL_Surface* (*)(int, int, int, Uint32);
    static const SetVideoMode real = next<SetVideoMode>("SDL_SetVideoMode");
    SDL_Surface* display = real(width, height, bpp, flags);
    displayOpened = monotonicNanoseconds();
    return display;
}

// The splash pushes each fade step to the display with SDL_UpdateRect; the
// first call is the first splash frame.
extern "C" void SDL_UpdateRect(SDL_Surface* screen, Sint32 x, Sint32 y, Uint32 w, Uint32 h) {
    using UpdateRect = void (*)(SDL_Surface*, Sint32, Sint32, Uint32, Uint32);
    static const UpdateRect real = next<UpdateRect>("SDL_UpdateRect");
    real(screen, x, y, w, h);
    const long long times[2] = {displayOpened, monotonicNanoseconds()};
    if (const char* fd = std::getenv("BRENVIK_PROBE_FD")) {
        if (write(std::atoi(fd), times, sizeof times) != static_cast<ssize_t>(sizeof times))
            _exit(3);
    }
    _exit(0);
}
