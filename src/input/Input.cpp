#include "input/Input.h"

#include "app/Logger.h"

namespace {
const char* nameOf(int index) {
    const char* name = SDL_JoystickName(index);
    return name != nullptr ? name : "";
}
} // namespace

Input& Input::instance() {
    static Input* theInstance = new Input();
    return *theInstance;
}

Input::Input() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == -1)
        Logger::stream(0) << "ERROR: Joystick initialization failed" << std::endl;
    const int count = SDL_NumJoysticks();
    if (count > 0)
        joystick = SDL_JoystickOpen(0);
    Logger::stream(2) << "Joysticks found: " << count << std::endl;
    for (int i = 0; i < count; ++i)
        Logger::stream(2) << "Joystick nr " << i << ": " << nameOf(i) << std::endl;
    if (SDL_JoystickOpened(0) && joystick != nullptr) {
        Logger::stream(2) << "Joystick opened: " << nameOf(0)
                          << "; number of axes: " << SDL_JoystickNumAxes(joystick)
                          << "; number of buttons: " << SDL_JoystickNumButtons(joystick)
                          << std::endl;
    }
}

bool Input::isButtonPressed(unsigned button) const {
    if (joystick == nullptr)
        return false;
    if (static_cast<int>(button) >= SDL_JoystickNumButtons(joystick))
        return false;
    return SDL_JoystickGetButton(joystick, static_cast<int>(button)) != 0;
}
