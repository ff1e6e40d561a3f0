#pragma once

#include <SDL.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Scripted actions for a screen that runs its own loop: each action runs once,
// right after the first frame flipped at or after its time, so a test can look
// at what was drawn and act as a player would at that moment.
class Timeline {
public:
    Timeline();
    ~Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;

    void at(Uint32 time, std::function<void()> action);
    // Runs on every frame, after the timed actions of that frame.
    void everyFrame(std::function<void()> action);
    bool allDone() const { return actions.empty(); }

private:
    void fire();

    std::vector<std::pair<Uint32, std::function<void()>>> actions;
    std::function<void()> perFrame;
};

// Whether the picture of that file is shown with its top-left corner at (x, y):
// every one of its non-transparent pixels that falls on the screen has its
// colour there, and at least one does.
bool pictureAt(const std::string& file, int x, int y);

// The screen's rectangle.
constexpr SDL_Rect WHOLE_SCREEN{0, 0, 320, 240};
