#include "support/FakeSdl.h"

#include <deque>
#include <set>

namespace {

constexpr Uint32 START_TIME = 1000;

struct TimedEvent {
    Uint32 time;
    SDL_Event event;
};

struct Script {
    Uint32 clock = START_TIME;
    Uint32 frameStep = 10;
    bool timePassedSincePoll = true;
    std::deque<TimedEvent> events;
    std::function<void(int)> frameHook;
    std::function<void(Uint32)> delayHook;
    std::function<void()> updateHook;
    int flips = 0;
    std::vector<Uint32> delays;
    std::vector<Mix_Chunk*> played;
    bool joystickScripted = false;
    std::vector<std::string> joystickNames;
    int joystickAxes = 0;
    std::vector<bool> heldButtons;
    std::set<fake::Failure> failures;
    Uint32 watchdog = START_TIME + 30 * 60 * 1000;
    bool watchdogFired = false;
    Uint32 lastWatchdogQuit = 0;
};

Script& script() {
    static Script theScript;
    return theScript;
}

bool failing(fake::Failure what) {
    return script().failures.count(what) != 0;
}

// Stands in for an opened joystick handle; never dereferenced by SDL.
int scriptedJoystick;

SDL_Event mouseButton(Uint8 type, int x, int y, Uint8 button) {
    SDL_Event event{};
    event.button.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

} // namespace

namespace fake {

void reset() {
    script() = Script();
}

Uint32 now() {
    return script().clock;
}

void advance(Uint32 milliseconds) {
    script().clock += milliseconds;
    script().timePassedSincePoll = true;
}

void setFrameStep(Uint32 milliseconds) {
    script().frameStep = milliseconds;
}

void push(const SDL_Event& event) {
    pushAt(script().clock, event);
}

void pushAt(Uint32 time, const SDL_Event& event) {
    auto& events = script().events;
    auto place = events.end();
    while (place != events.begin() && std::prev(place)->time > time)
        --place;
    events.insert(place, TimedEvent{time, event});
}

void click(int x, int y) {
    clickAt(script().clock, x, y);
}

void clickAt(Uint32 time, int x, int y) {
    pushAt(time, mouseDown(x, y));
    pushAt(time, mouseUp(x, y));
}

std::size_t pendingEvents() {
    return script().events.size();
}

SDL_Event mouseDown(int x, int y, Uint8 button) {
    return mouseButton(SDL_MOUSEBUTTONDOWN, x, y, button);
}

SDL_Event mouseUp(int x, int y, Uint8 button) {
    return mouseButton(SDL_MOUSEBUTTONUP, x, y, button);
}

SDL_Event mouseMotion(int x, int y) {
    SDL_Event event{};
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event keyDown(SDLKey key) {
    SDL_Event event{};
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event quitRequest() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}

void onFrame(std::function<void(int)> hook) {
    script().frameHook = std::move(hook);
}

void onDelay(std::function<void(Uint32)> hook) {
    script().delayHook = std::move(hook);
}

void onUpdate(std::function<void()> hook) {
    script().updateHook = std::move(hook);
}

int flips() {
    return script().flips;
}

const std::vector<Uint32>& delays() {
    return script().delays;
}

const std::vector<Mix_Chunk*>& playedChunks() {
    return script().played;
}

void clearHistory() {
    script().delays.clear();
    script().played.clear();
}

void setJoysticks(const std::vector<std::string>& names, int buttons, int axes) {
    script().joystickScripted = true;
    script().joystickNames = names;
    script().joystickAxes = axes;
    script().heldButtons.assign(static_cast<std::size_t>(buttons), false);
}

void holdButton(int button, bool held) {
    auto& buttons = script().heldButtons;
    if (button >= 0 && button < static_cast<int>(buttons.size()))
        buttons[static_cast<std::size_t>(button)] = held;
}

void fail(Failure what) {
    script().failures.insert(what);
}

void setWatchdog(Uint32 milliseconds) {
    script().watchdog = script().clock + milliseconds;
}

bool watchdogFired() {
    return script().watchdogFired;
}

} // namespace fake

// The wrapped SDL functions. __real_ names reach the library itself. Frames
// are drawn into the screen surface, which the tests read, and never presented
// to a window: that would cost more than drawing a whole frame.
extern "C" {

int __real_SDL_Init(Uint32 flags);
int __real_SDL_InitSubSystem(Uint32 flags);
SDL_Surface* __real_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags);
int __real_Mix_OpenAudio(int frequency, Uint16 format, int channels, int chunksize);
int __real_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks);
int __real_SDL_NumJoysticks(void);
SDL_Joystick* __real_SDL_JoystickOpen(int index);
int __real_SDL_JoystickOpened(int index);
const char* __real_SDL_JoystickName(int index);
int __real_SDL_JoystickNumAxes(SDL_Joystick* joystick);
int __real_SDL_JoystickNumButtons(SDL_Joystick* joystick);
Uint8 __real_SDL_JoystickGetButton(SDL_Joystick* joystick, int button);

Uint32 __wrap_SDL_GetTicks(void) {
    return script().clock;
}

void __wrap_SDL_Delay(Uint32 milliseconds) {
    script().delays.push_back(milliseconds);
    fake::advance(milliseconds);
    if (auto hook = script().delayHook)
        hook(milliseconds);
}

int __wrap_SDL_PollEvent(SDL_Event* event) {
    Script& s = script();
    if (s.clock >= s.watchdog) {
        // One quit request per scripted millisecond, so that loops which
        // drain the queue still come to an end.
        s.watchdogFired = true;
        if (s.lastWatchdogQuit != s.clock) {
            s.lastWatchdogQuit = s.clock;
            if (event != nullptr)
                *event = fake::quitRequest();
            return 1;
        }
        s.clock += 1;
        return 0;
    }
    if (!s.events.empty() && s.events.front().time <= s.clock) {
        if (event != nullptr) {
            *event = s.events.front().event;
            s.events.pop_front();
        }
        return 1;
    }
    // A loop that polls without sleeping or drawing still lets time pass.
    if (!s.timePassedSincePoll)
        s.clock += 1;
    s.timePassedSincePoll = false;
    return 0;
}

int __wrap_SDL_Flip(SDL_Surface*) {
    script().flips += 1;
    fake::advance(script().frameStep);
    if (auto hook = script().frameHook) // a copy: the hook may replace itself
        hook(script().flips);
    return 0;
}

void __wrap_SDL_UpdateRect(SDL_Surface*, Sint32, Sint32, Uint32, Uint32) {
    if (auto hook = script().updateHook)
        hook();
}

int __wrap_SDL_Init(Uint32 flags) {
    if (failing(fake::SDL_START)) {
        SDL_SetError("scripted failure");
        return -1;
    }
    return __real_SDL_Init(flags);
}

int __wrap_SDL_InitSubSystem(Uint32 flags) {
    if (((flags & SDL_INIT_AUDIO) && failing(fake::AUDIO_START)) ||
        ((flags & SDL_INIT_JOYSTICK) && failing(fake::JOYSTICK_START)))
        return -1;
    return __real_SDL_InitSubSystem(flags);
}

SDL_Surface* __wrap_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags) {
    return failing(fake::VIDEO_MODE) ? nullptr : __real_SDL_SetVideoMode(width, height, bpp, flags);
}

int __wrap_Mix_OpenAudio(int frequency, Uint16 format, int channels, int chunksize) {
    if (failing(fake::MIXER_START)) {
        SDL_SetError("scripted failure");
        return -1;
    }
    return __real_Mix_OpenAudio(frequency, format, channels, chunksize);
}

int __wrap_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks) {
    script().played.push_back(chunk);
    return __real_Mix_PlayChannelTimed(channel, chunk, loops, ticks);
}

// The scripted joystick: only the first one opens.
int __wrap_SDL_NumJoysticks(void) {
    const Script& s = script();
    return s.joystickScripted ? static_cast<int>(s.joystickNames.size())
                              : __real_SDL_NumJoysticks();
}

int __wrap_SDL_JoystickOpened(int index) {
    const Script& s = script();
    if (!s.joystickScripted)
        return __real_SDL_JoystickOpened(index);
    return index == 0 && !s.joystickNames.empty() ? 1 : 0;
}

SDL_Joystick* __wrap_SDL_JoystickOpen(int index) {
    if (!script().joystickScripted)
        return __real_SDL_JoystickOpen(index);
    return __wrap_SDL_JoystickOpened(index) ? reinterpret_cast<SDL_Joystick*>(&scriptedJoystick)
                                            : nullptr;
}

const char* __wrap_SDL_JoystickName(int index) {
    const auto& names = script().joystickNames;
    if (!script().joystickScripted)
        return __real_SDL_JoystickName(index);
    return index >= 0 && index < static_cast<int>(names.size())
               ? names[static_cast<std::size_t>(index)].c_str()
               : nullptr;
}

int __wrap_SDL_JoystickNumAxes(SDL_Joystick* joystick) {
    return script().joystickScripted ? script().joystickAxes : __real_SDL_JoystickNumAxes(joystick);
}

int __wrap_SDL_JoystickNumButtons(SDL_Joystick* joystick) {
    return script().joystickScripted ? static_cast<int>(script().heldButtons.size())
                                     : __real_SDL_JoystickNumButtons(joystick);
}

Uint8 __wrap_SDL_JoystickGetButton(SDL_Joystick* joystick, int button) {
    if (!script().joystickScripted)
        return __real_SDL_JoystickGetButton(joystick, button);
    const auto& held = script().heldButtons;
    return button >= 0 && button < static_cast<int>(held.size()) &&
                   held[static_cast<std::size_t>(button)]
               ? 1
               : 0;
}

} // extern "C"
