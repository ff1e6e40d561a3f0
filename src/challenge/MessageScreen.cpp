#include "challenge/MessageScreen.h"

#include "input/WaitForPress.h"
#include "media/ResourceManager.h"
#include "media/TextLabel.h"

#include <cstdio>

namespace {
constexpr std::size_t WRAP_AFTER = 20;
constexpr std::size_t LONGEST_LINE = 255;
constexpr int FIRST_LINE_Y = 60;
constexpr int LINE_SPACING = 35;
} // namespace

std::vector<std::string> cutMessageLines(const char* text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char* c = text; *c != '\0'; ++c) {
        const bool endsLine = *c == '\n' || (*c == ' ' && line.size() >= WRAP_AFTER);
        if (endsLine) {
            lines.push_back(line);
            line.clear();
            continue;
        }
        // A word longer than a line is cut rather than overflowing it.
        if (line.size() == LONGEST_LINE) {
            lines.push_back(line);
            line.clear();
        }
        line += *c;
    }
    lines.push_back(line);
    return lines;
}

void showMessage(const char* text, int level) {
    TextLabel label(0, 0, "");
    label.setFont("default");
    SDL_Surface* screen = ResourceManager::instance().getScreen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));

    if (level != 0) {
        char heading[32];
        std::snprintf(heading, sizeof heading, "Level %d", level);
        label.setColor({255, 0, 0, 0});
        label.setText(heading);
        label.setPosition(160, 20);
        label.render();
    }

    label.setColor({255, 255, 255, 0});
    int y = FIRST_LINE_Y;
    for (const std::string& line : cutMessageLines(text)) {
        // An empty line keeps its place but has nothing to render.
        if (line.empty()) {
            y += LINE_SPACING;
            continue;
        }
        label.setText(line.c_str());
        label.setPosition(160, y);
        label.render();
        y += LINE_SPACING;
    }
    SDL_Flip(screen);
    waitForPress();
}
