#include "highscores/HighScoreTable.h"

#include "app/Logger.h"
#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreRanking.h"
#include "highscores/NameEntry.h"
#include "input/WaitForPress.h"
#include "media/ResourceManager.h"

#include <SDL_ttf.h>

#include <cstdio>

namespace {

constexpr int DEFAULT_ENTRIES = 10;
constexpr const char* DEFAULT_NAME = "worst player ever";
constexpr int PLACES_ADMITTED = 10;
constexpr int LINES_SHOWN = 10;

// The screen's columns: levels and scores right-aligned, names left-aligned.
constexpr int LEVEL_RIGHT_EDGE = 40;
constexpr int SCORE_RIGHT_EDGE = 106;
constexpr int NAME_LEFT_EDGE = 146;
constexpr int FIRST_LINE_TOP = 10;
constexpr std::size_t LONGEST_TEXT_SHOWN = 320;

} // namespace

HighScoreTable::HighScoreTable() : Sprite(nullptr) {
    if (!load()) {
        for (int i = 0; i < DEFAULT_ENTRIES; ++i)
            entries.push_back({DEFAULT_NAME, 0, 0});
    }
}

bool HighScoreTable::load() {
    entries.clear();
    if (!loadHighScoreFile(HIGH_SCORE_FILE, entries)) {
        Logger::stream(0) << "ERROR: can't load high scores!" << std::endl;
        return false;
    }
    sortHighScores(entries);
    return true;
}

void HighScoreTable::save() {
    if (!saveHighScoreFile(HIGH_SCORE_FILE, entries))
        Logger::stream(0) << "ERROR: can't save high scores!" << std::endl;
}

void HighScoreTable::addScore(int level, int score, const char* name) {
    if (countEntriesBetterThan(entries, level, score) >= PLACES_ADMITTED)
        return;
    const std::string chosen = name != nullptr && *name != '\0' ? std::string(name) : enterName();
    entries.push_back({chosen, score, level});
    sortHighScores(entries);
    save();
}

std::string HighScoreTable::enterName() {
    static NameEntry entry; // remembers the name for the rest of the run
    return entry.run();
}

void HighScoreTable::draw() {
    if (target == nullptr)
        return;
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    int place = 0;
    for (const HighScoreEntry& entry : entries) {
        if (place == LINES_SHOWN)
            break;
        char number[24];
        std::snprintf(number, sizeof number, "%d", entry.level);
        drawText(number, LEVEL_RIGHT_EDGE, true, place);
        std::snprintf(number, sizeof number, "%ld", static_cast<long>(entry.score));
        drawText(number, SCORE_RIGHT_EDGE, true, place);
        drawText(entry.name, NAME_LEFT_EDGE, false, place);
        ++place;
    }
    SDL_Flip(target);
}

void HighScoreTable::drawText(const std::string& text, int anchorX, bool alignRight, int place) {
    TTF_Font* font = ResourceManager::instance().getFont("small");
    if (font == nullptr)
        return;
    // A name from a damaged file may be far too long for the font engine to
    // render at all; no more than its first bytes could reach the screen,
    // every glyph being at least a pixel wide.
    const std::string shown = text.substr(0, LONGEST_TEXT_SHOWN);
    SDL_Surface* rendered = TTF_RenderText_Solid(font, shown.c_str(), {255, 255, 255, 0});
    if (rendered == nullptr)
        return; // an empty name has nothing to show
    SDL_Rect where{static_cast<Sint16>(alignRight ? anchorX - rendered->w : anchorX),
                   static_cast<Sint16>(FIRST_LINE_TOP + place * rendered->h), 0, 0};
    SDL_UpperBlit(rendered, nullptr, target, &where);
    SDL_FreeSurface(rendered);
}

void HighScoreTable::show() {
    draw();
    waitForPress();
}
