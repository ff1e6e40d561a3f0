#include "highscores/NameEntry.h"

#include "highscores/OnScreenKeyboard.h"
#include "media/ResourceManager.h"
#include "media/TextLabel.h"

namespace {

constexpr Uint8 KEY_DELETE = 8;
constexpr Uint8 KEY_END = 13;
constexpr const char* KEYBOARD_PICTURE = "images/keyboard.png";
constexpr const char* KEYBOARD_MAP = "images/keyboardmap.bmp";
constexpr int SCREEN_WIDTH = 320;
constexpr int SCREEN_HEIGHT = 240;

bool isControlCode(Uint8 code) {
    return code < 32 || code == 127;
}

} // namespace

NameEdit applyKeyCode(std::string& name, Uint8 code) {
    if (code == KEY_END)
        return NameEdit::End;
    if (code == KEY_DELETE) {
        if (!name.empty())
            name.pop_back();
    } else if (!isControlCode(code)) {
        name += static_cast<char>(code);
    }
    return NameEdit::Continue;
}

std::string NameEntry::run() {
    ResourceManager& resources = ResourceManager::instance();
    OnScreenKeyboard keyboard(resources.loadImage(KEYBOARD_PICTURE), KEYBOARD_MAP);
    // Centred and touching the bottom edge of the screen.
    keyboard.setPosition(SCREEN_WIDTH / 2 - keyboard.getWidth() / 2,
                         SCREEN_HEIGHT - keyboard.getHeight());
    // The name sits halfway between the top of the screen and the keyboard.
    TextLabel label(SCREEN_WIDTH / 2, keyboard.getRect().y / 2, "");
    label.setFont("big");
    label.setColor({255, 0, 0, 0});

    SDL_Surface* screen = resources.getScreen();
    for (;;) {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
        label.setText(name.c_str());
        label.render();
        keyboard.blit();
        SDL_Flip(screen);
        if (keyboard.waitForKeyPress() == -1)
            break;
        if (applyKeyCode(name, keyboard.keyCode()) == NameEdit::End)
            break;
    }
    return name;
}
