#pragma once

#include <SDL.h>

// A plain button drawn by the game, with its caption in the "small" font, for
// a button whose picture cannot be loaded: the screen keeps its layout and
// every choice can still be made. Null only when no surface can be made; the
// caller frees the result.
SDL_Surface* drawStandInButton(const char* caption, int width, int height);
