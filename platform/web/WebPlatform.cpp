// The game in a web page: the SDL calls that Emscripten's SDL 1.2 port lacks
// or makes differently (library_brenvik.js has the rest), and the program's
// start, once the page has the font and the saved high scores ready.
#include "app/GameMain.h"

#include <SDL.h>
#include <emscripten.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

// The game's only cursor is a clear one, which hides the pointer.
struct SDL_Cursor {
    int unused;
};

namespace {

// The browser draws the page and delivers input only while the game has
// handed control back, and it shows at most one picture per frame of its
// display; canvas drawing is only recorded until then. A loop that paces
// itself with SDL_Delay hands control back there. A flip with no hand-off
// since the one before waits for the browser's next frame: a loop without
// delays draws one picture per display frame, each of them shown.
bool handedOff = false;
unsigned picturesShown = 0;
SDL_Cursor clearCursor{};

EM_ASYNC_JS(void, prepareStart, (), { await Module.prepareStart(); });
EM_ASYNC_JS(void, waitForNextFrame, (), { await new Promise(requestAnimationFrame); });
EM_JS(void, tellPicturesShown, (unsigned count), { Module.picturesShown = count; });
EM_JS(void, hidePointer, (), { Module.canvas.style.cursor = 'none'; });
EM_JS(void, tellGameEnded, (int status), { Module.gameEnded(status); });

// The page counts the pictures the game has put on the display.
void countPicture() {
    tellPicturesShown(++picturesShown);
}

} // namespace

extern "C" {

// The display's format is the canvas's, whatever depth was asked for.
SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    const SDL_Surface* display = SDL_GetVideoSurface();
    return SDL_ConvertSurface(surface, display != nullptr ? display->format : nullptr, 0);
}

SDL_Cursor* SDL_CreateCursor(const Uint8*, const Uint8*, int, int, int, int) {
    return &clearCursor;
}

void SDL_SetCursor(SDL_Cursor*) {
    hidePointer();
}

void SDL_Delay(Uint32 milliseconds) {
    emscripten_sleep(milliseconds);
    handedOff = true;
}

int SDL_Flip(SDL_Surface*) {
    countPicture();
    if (!handedOff)
        waitForNextFrame();
    handedOff = false;
    return 0;
}

void SDL_UpdateRect(SDL_Surface*, Sint32, Sint32, Uint32, Uint32) {
    countPicture();
}

// Emscripten's C library declares it but has none. The browser's file system
// reserves no room ahead: high.dat is saved without.
int fallocate(int, int, off_t, off_t) {
    errno = EOPNOTSUPP;
    return -1;
}

} // extern "C"

int main() {
    // Emscripten starts with a umask that takes every permission from the files
    // the game makes, high.dat among them; a login on Linux starts with this one.
    umask(022);
    prepareStart();
    const int status = runBrenvik();
    tellGameEnded(status);
    return status;
}
