#pragma once

#include <SDL.h>

// The first joystick, opened on first use; its buttons serve as shortcuts
// (6 leaves a game or the setup screen, 4 held at a challenge's start makes it
// a practice run). Without a joystick every button reads as released.
class Input {
public:
    static Input& instance();

    bool isButtonPressed(unsigned button) const;

    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

private:
    Input();

    SDL_Joystick* joystick = nullptr;
};
