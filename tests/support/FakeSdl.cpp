#include "support/FakeSdl.h"

#include <algorithm>

namespace {

fake::Script& script() {
    return fake::script();
}

bool failing(fake::Failure what) {
    return script().failures.count(what) != 0;
}

int scriptedJoystick; // stands in for an opened joystick; never dereferenced

} // namespace

fake::Script& fake::script() {
    static Script theScript;
    return theScript;
}

SDL_Event fake::mouse(Uint8 type, int x, int y, Uint8 button) {
    SDL_Event event{};
    const Uint8 state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    if (type == SDL_MOUSEMOTION)
        event.motion = {type, 0, 0, Uint16(x), Uint16(y), 0, 0};
    else
        event.button = {type, 0, button, state, Uint16(x), Uint16(y)};
    return event;
}

// The wrapped SDL functions; __real_ names reach the library. Frames are drawn
// into the screen surface, which the tests read, and never presented.
extern "C" {

int __real_SDL_Init(Uint32 flags);
int __real_SDL_InitSubSystem(Uint32 flags);
SDL_Surface* __real_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags);
int __real_Mix_OpenAudio(int frequency, Uint16 format, int channels, int chunksize);
int __real_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks);
int __real_TTF_Init(void);
SDL_Rect** __real_SDL_ListModes(SDL_PixelFormat* format, Uint32 flags);
int __real_rand(void);
void __real_srand(unsigned seed);

void __wrap_srand(unsigned seed) {
    script().seed = seed;
    __real_srand(seed);
}

int __wrap_rand(void) {
    std::deque<int>& randoms = script().randoms;
    if (randoms.empty())
        return __real_rand();
    const int value = randoms.front();
    randoms.pop_front();
    return value;
}

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
    fake::Script& s = script();
    if (s.clock >= s.watchdog) {
        // A quit request every other poll, so that loops which drain the
        // queue still end, and time goes on.
        s.watchdogFired = true;
        s.timePassedSincePoll = !s.timePassedSincePoll;
        s.clock += s.timePassedSincePoll ? 0 : 1;
        if (event != nullptr && !s.timePassedSincePoll)
            *event = fake::quitRequest();
        return s.timePassedSincePoll ? 0 : 1;
    }
    if (!s.events.empty() && s.events.begin()->first <= s.clock) {
        if (event != nullptr) {
            *event = s.events.begin()->second;
            s.events.erase(s.events.begin());
        }
        return 1;
    }
    // A loop that polls without sleeping or drawing still lets time pass.
    s.clock += s.timePassedSincePoll ? 0 : 1;
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

void __wrap_SDL_UpdateRect(SDL_Surface*, Sint32, Sint32, Uint32, Uint32) {}

int __wrap_SDL_Init(Uint32 flags) {
    return failing(fake::SDL_START) ? -1 : __real_SDL_Init(flags);
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

int __wrap_TTF_Init(void) {
    return failing(fake::FONT_START) ? -1 : __real_TTF_Init();
}

SDL_Rect** __wrap_SDL_ListModes(SDL_PixelFormat* format, Uint32 flags) {
    static std::vector<SDL_Rect*> listed; // null-terminated, as SDL lists them
    if (failing(fake::NO_VIDEO_MODES))
        return nullptr;
    if (script().modes.empty())
        return __real_SDL_ListModes(format, flags);
    listed.clear();
    for (SDL_Rect& mode : script().modes)
        listed.push_back(&mode);
    listed.push_back(nullptr);
    return listed.data();
}

int __wrap_Mix_OpenAudio(int frequency, Uint16 format, int channels, int chunksize) {
    script().mixer = {frequency, format, channels, chunksize};
    return failing(fake::MIXER_START)
               ? -1
               : __real_Mix_OpenAudio(frequency, format, channels, chunksize);
}

// Sounds are counted, not played: scripted time would outrun the mixer's
// channels, which play in real time. Without a mixer, the mixer answers.
int __wrap_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks) {
    script().played.insert(script().played.end(), std::size_t(std::max(loops, 0) + 1), chunk);
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0)
        return __real_Mix_PlayChannelTimed(channel, chunk, loops, ticks);
    if (!failing(fake::CHANNELS_BUSY))
        return 0;
    Mix_SetError("No free channels available");
    return -1;
}

// The dummy display makes no cursors: the script keeps the one the game makes.
SDL_Cursor* __wrap_SDL_CreateCursor(Uint8* data, Uint8* mask, int w, int h, int, int) {
    script().cursor.assign(data, data + w * h / 8);
    script().cursor.insert(script().cursor.end(), mask, mask + w * h / 8);
    return reinterpret_cast<SDL_Cursor*>(&script().cursor);
}

void __wrap_SDL_SetCursor(SDL_Cursor* cursor) {
    script().cursorShown = cursor;
}

// The scripted joysticks: only the first one opens.
int __wrap_SDL_NumJoysticks(void) {
    return int(script().joysticks.size());
}

int __wrap_SDL_JoystickOpened(int index) {
    return index == 0 && !script().joysticks.empty() ? 1 : 0;
}

SDL_Joystick* __wrap_SDL_JoystickOpen(int index) {
    return __wrap_SDL_JoystickOpened(index) ? reinterpret_cast<SDL_Joystick*>(&scriptedJoystick)
                                            : nullptr;
}

// The game asks only for what SDL says there is: anything else ends the test.
const char* __wrap_SDL_JoystickName(int index) {
    return script().joysticks.at(std::size_t(index)).c_str();
}

int __wrap_SDL_JoystickNumAxes(SDL_Joystick*) {
    return script().axes;
}

int __wrap_SDL_JoystickNumButtons(SDL_Joystick*) {
    return int(script().held.size());
}

Uint8 __wrap_SDL_JoystickGetButton(SDL_Joystick*, int button) {
    return script().held.at(std::size_t(button)) ? 1 : 0;
}

} // extern "C"
