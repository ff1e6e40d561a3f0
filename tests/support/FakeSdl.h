#pragma once

// A scripted SDL for the tests. The test binary is linked with --wrap for the
// clock, the delay, the event queue, the flip, sound playing, the joystick and
// the start-up calls, so that a test decides what time it is, what the player
// does and which devices exist, and plays whole screens in milliseconds.

#include <SDL.h>
#include <SDL_mixer.h>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// Everything is static: there is one script for the process.
struct fake {
    enum Failure {
        SDL_START,
        AUDIO_START,
        FONT_START,
        JOYSTICK_START,
        VIDEO_MODE,
        NO_VIDEO_MODES,
        MIXER_START,
        CHANNELS_BUSY
    };
    struct MixerSettings {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        int chunkSize = 0;
    };

    struct Script {
        // SDL_Delay advances the clock; each SDL_Flip by the frame step; an
        // empty poll in a loop that neither sleeps nor draws by 1.
        Uint32 clock = 1000;
        Uint32 frameStep = 10;
        bool timePassedSincePoll = true;
        std::multimap<Uint32, SDL_Event> events; // seen once the clock is there, in order
        std::function<void(int)> frameHook;      // after every flip, with the flips so far
        std::function<void(Uint32)> delayHook;   // after every SDL_Delay, with its length
        int flips = 0;
        std::vector<Uint32> delays;     // every SDL_Delay, in order
        std::vector<Mix_Chunk*> played; // every chunk played, once each time it sounds
        MixerSettings mixer;            // as the mixer was last opened
        std::deque<int> randoms;        // what rand() answers next, then the C library
        unsigned seed = 0;              // srand's last
        std::vector<Uint8> cursor;      // the data and mask bits of the cursor last made
        const void* cursorShown = nullptr;
        std::vector<SDL_Rect> modes; // the display's sizes; none: any size
        std::vector<std::string> joysticks;
        int axes = 0;
        std::vector<bool> held;     // the first joystick's buttons
        std::set<Failure> failures; // start-up calls that fail
        // Past this time every other poll answers a quit request, so that a
        // screen which would wait forever ends; the fixtures then fail the test.
        Uint32 watchdog = 1000 + 30 * 60 * 1000;
        bool watchdogFired = false;
    };
    static Script& script();

    static void reset() { script() = Script(); }
    static Uint32 now() { return script().clock; }
    static void advance(Uint32 ms) {
        script().clock += ms;
        script().timePassedSincePoll = true;
    }
    static void onFrame(std::function<void(int)> hook) { script().frameHook = std::move(hook); }
    static void onDelay(std::function<void(Uint32)> hook) { script().delayHook = std::move(hook); }
    static int flips() { return script().flips; }
    static const std::vector<Uint32>& delays() { return script().delays; }
    static std::size_t pendingEvents() { return script().events.size(); }
    static void fail(Failure what) { script().failures.insert(what); }

    static void pushAt(Uint32 time, const SDL_Event& e) { script().events.emplace(time, e); }
    static void push(const SDL_Event& event) { pushAt(now(), event); }
    static void clickAt(Uint32 time, int x, int y) {
        pushAt(time, mouseDown(x, y));
        pushAt(time, mouseUp(x, y));
    }
    static void click(int x, int y) { clickAt(now(), x, y); }
    static SDL_Event mouse(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    static SDL_Event mouseDown(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        return mouse(SDL_MOUSEBUTTONDOWN, x, y, button);
    }
    static SDL_Event mouseUp(int x, int y) { return mouse(SDL_MOUSEBUTTONUP, x, y); }
    static SDL_Event mouseMotion(int x, int y) { return mouse(SDL_MOUSEMOTION, x, y); }
    static SDL_Event ofType(Uint8 type) {
        SDL_Event event{};
        event.type = type;
        return event;
    }
    static SDL_Event keyDown(SDLKey key = SDLK_SPACE) {
        SDL_Event event = ofType(SDL_KEYDOWN);
        event.key.keysym.sym = key;
        return event;
    }
    static SDL_Event quitRequest() { return ofType(SDL_QUIT); }

    // The joysticks attached, and the buttons of the first held down.
    static void setJoysticks(const std::vector<std::string>& names, int buttons = 8, int axes = 2) {
        script().joysticks = names;
        script().axes = axes;
        script().held.assign(std::size_t(buttons), false);
    }
    static void holdButton(int button, bool held) { script().held.at(std::size_t(button)) = held; }
};
