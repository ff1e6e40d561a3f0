#include "support/ScreenTest.h"

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// Every test runs headless, from the game folder the build made.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(BRENVIK_GAME_DIR) != 0)
        return 2;
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    // The mixer's thread must stop before the libraries are unloaded at exit.
    if (SDL_WasInit(SDL_INIT_AUDIO) != 0)
        Mix_CloseAudio();
    SDL_Quit();
    // Leave without running the libraries' exit handlers: SDL's helper threads
    // may still be winding down, and unloading under them can crash the run
    // after every test has passed.
#if defined(__SANITIZE_ADDRESS__)
    // _Exit skips the leak check that would run at exit; run it here.
    if (__lsan_do_recoverable_leak_check() != 0 && result == 0)
        result = 1;
#endif
    std::fflush(nullptr); // standard output too: it is in step with stdio
    std::_Exit(result);
}
