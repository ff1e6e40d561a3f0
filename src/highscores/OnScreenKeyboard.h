#pragma once

#include "media/Sprite.h"

#include <string>

// A picture of a keyboard pressed with the pointer. Which character a press
// means is looked up in the key map (see KeyMap.h), a second picture of the
// same size read without any conversion, so the artwork can draw the keys any
// way it likes.
class OnScreenKeyboard : public Sprite {
public:
    // The sprite keeps its own copy of the picture; the map is loaded from its
    // file (logged when it cannot be).
    OnScreenKeyboard(SDL_Surface* picture, const std::string& mapFile);
    ~OnScreenKeyboard() override;

    // Draws the keyboard if it changed, then waits for the next pointer button
    // press and returns the map value under it (0 beside the keys). -1 for a
    // quit request, and at once when there is no map. A map value of all ones
    // also reads as -1 and so ends the entry like a quit request.
    Sint32 waitForKeyPress();

    // The character code of the last press: the lowest non-zero byte of its
    // map value, 0 for no key.
    Uint8 keyCode() const;

private:
    Uint32 mapValueUnder(int x, int y);

    SDL_Surface* map = nullptr;
    Uint32 pressCode = 0;
};
