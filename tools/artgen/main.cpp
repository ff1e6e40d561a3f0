// brenvik-artgen: draws every picture and synthesises every sound of the game
// into a game folder, so the repository holds no opaque binaries.
//
//   brenvik-artgen GAME_DIR BRUSH_FONT KEYCAP_FONT
//   brenvik-artgen --desktop-icon PNG_FILE   (the installed game's menu icon)

#include "Backgrounds.h"
#include "BmpWriter.h"
#include "FontPaths.h"
#include "Icon.h"
#include "Keyboard.h"
#include "KeyboardLayout.h"
#include "MenuButtons.h"
#include "PngWriter.h"
#include "RoundButtons.h"
#include "Sounds.h"
#include "Splashes.h"
#include "Target.h"
#include "WavWriter.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace artgen;

struct Output {
    const char* name; // relative to the game folder
    std::function<void(const std::string& path)> write;
};

std::vector<Output> outputs(const FontPaths& fonts) {
    const auto png = [](Image (*draw)()) {
        return [draw](const std::string& path) { writePng(path, draw()); };
    };
    const auto button = [fonts](MenuButton which) {
        return [fonts, which](const std::string& path) {
            writePng(path, drawMenuButton(which, fonts.brush));
        };
    };
    return {
        {"images/vrel_icon.bmp", [](const std::string& p) { writeBmp24(p, drawIcon()); }},
        {"images/splash-brenvik.png",
         [fonts](const std::string& p) { writePng(p, drawTitleSplash(fonts)); }},
        {"images/splash-tolvane.png",
         [fonts](const std::string& p) { writePng(p, drawStudioSplash(fonts)); }},
        {"images/playbutton.png", button(MenuButton::Play)},
        {"images/challengebutton.png", button(MenuButton::Challenge)},
        {"images/highscoresbutton.png", button(MenuButton::HighScores)},
        {"images/exitbutton.png", button(MenuButton::Exit)},
        {"images/minus.png", png(drawMinusButton)},
        {"images/plus.png", png(drawPlusButton)},
        {"images/target.png", png(drawTarget)},
        {"images/bwbg.png", png(drawCheckerBackground)},
        {"images/rwbg.png", png(drawStripeBackground)},
        {"images/rwbg2.png", png(drawPsychoBackground)},
        {"images/keyboard.png",
         [fonts](const std::string& p) { writePng(p, drawKeyboard(fonts.keycap)); }},
        {"images/keyboardmap.bmp",
         [](const std::string& p) {
             writeBmp32(p, kKeyboardWidth, kKeyboardHeight, drawKeyboardMap());
         }},
        {"sounds/shot.wav",
         [](const std::string& p) { writeWav(p, kSoundRate, synthesiseShot()); }},
        {"sounds/miss.wav",
         [](const std::string& p) { writeWav(p, kSoundRate, synthesiseMiss()); }},
    };
}

// Text is rendered through SDL_ttf, which wants SDL and itself set up.
class TextSystem {
public:
    TextSystem() {
        if (SDL_Init(0) != 0 || TTF_Init() != 0) {
            throw std::runtime_error(std::string("cannot start SDL_ttf: ") + SDL_GetError());
        }
    }
    ~TextSystem() {
        TTF_Quit();
        SDL_Quit();
    }
    TextSystem(const TextSystem&) = delete;
    TextSystem& operator=(const TextSystem&) = delete;
};

// The menu icon lives outside the game folder: only the package needs it.
int writeDesktopIcon(const char* path) {
    try {
        writePng(path, drawDesktopIcon());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brenvik-artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--desktop-icon") {
        return writeDesktopIcon(argv[2]);
    }
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: %s GAME_DIR BRUSH_FONT KEYCAP_FONT\n"
                     "       %s --desktop-icon PNG_FILE\n",
                     argv[0], argv[0]);
        return 2;
    }
    const std::filesystem::path gameDir = argv[1];
    const FontPaths fonts{argv[2], argv[3]};
    try {
        const TextSystem text;
        std::filesystem::create_directories(gameDir / "images");
        std::filesystem::create_directories(gameDir / "sounds");
        for (const Output& output : outputs(fonts)) {
            output.write((gameDir / output.name).string());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brenvik-artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
