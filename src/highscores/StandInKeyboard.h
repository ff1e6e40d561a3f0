#pragma once

#include <SDL.h>

// A plain keyboard drawn from the key map alone, for when the keyboard picture
// cannot be loaded: a light cap over each key's area, labelled with its
// character ("DEL", "END" and "SPACE" for the editing keys and the space), so
// a name can still be typed. Null when nothing can be drawn; the caller frees
// the result.
SDL_Surface* drawKeyboardFromMap(SDL_Surface* map);
