#pragma once

// A scripted SDL for the tests. The test binary is linked with --wrap for the
// clock, the delay, the event queue, the flip, sound playing, the joystick and
// the start-up calls, so that a test decides what time it is, what the player
// does and which devices exist, and plays whole screens in milliseconds.

#include <SDL.h>
#include <SDL_mixer.h>

#include <functional>
#include <string>
#include <vector>

namespace fake {

// Clears the script: clock at a fixed start, no events, real devices.
void reset();

// The scripted clock. SDL_Delay advances it; each SDL_Flip advances it by the
// frame step (10 ms unless set); an empty poll in a busy loop advances it by 1.
Uint32 now();
void advance(Uint32 milliseconds);
void setFrameStep(Uint32 milliseconds);

// Events become visible to SDL_PollEvent once the clock reaches their time.
void push(const SDL_Event& event);
void pushAt(Uint32 time, const SDL_Event& event);
// A press and a release at one point, now or at a time.
void click(int x, int y);
void clickAt(Uint32 time, int x, int y);
std::size_t pendingEvents();

SDL_Event mouseDown(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
SDL_Event mouseUp(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
SDL_Event mouseMotion(int x, int y);
SDL_Event keyDown(SDLKey key = SDLK_SPACE);
SDL_Event quitRequest();

// Called after every flip with the number of flips so far (from 1); tests use
// it to act at a given frame or to look at what was drawn.
void onFrame(std::function<void(int frame)> hook);
int flips();
// Called after every rectangle pushed to the display (SDL_UpdateRect).
void onUpdate(std::function<void()> hook);

// Called after every SDL_Delay with its length, once the clock has advanced.
void onDelay(std::function<void(Uint32 milliseconds)> hook);

// Every SDL_Delay call, in order.
const std::vector<Uint32>& delays();

// The chunks handed to the mixer, in order.
const std::vector<Mix_Chunk*>& playedChunks();

// Forgets the delays and chunks recorded so far, keeping their memory, so that
// a long run does not grow by its own record.
void clearHistory();

// A scripted joystick replaces the real devices once set.
void setJoysticks(const std::vector<std::string>& names, int buttons = 8, int axes = 2);
void holdButton(int button, bool held);

// Start-up calls that fail from now on.
enum Failure { SDL_START, AUDIO_START, JOYSTICK_START, VIDEO_MODE, MIXER_START };
void fail(Failure what);

// Past this many scripted milliseconds the queue answers a quit request every
// millisecond, so a screen that would wait forever ends; the fixture then
// fails the test.
void setWatchdog(Uint32 milliseconds);
bool watchdogFired();

} // namespace fake
