#pragma once

#include "highscores/HighScoreEntry.h"
#include "media/Sprite.h"

#include <list>
#include <string>

// The results of challenge runs, best first, kept in "high.dat" (see
// HighScoreFile.h) and shown ten at a time on the high score screen. Entries
// are never removed, so the list (and the file) may hold more than ten.
class HighScoreTable : public Sprite {
public:
    // Loads "high.dat"; without a readable file the list starts with ten
    // defaults, which are not written until a result enters the list.
    HighScoreTable();

    // Replaces the list by the file's records, ranked. False only when the
    // file cannot be opened (logged).
    bool load();
    // Writes the whole list to "high.dat"; a failure is logged and leaves the
    // old file whole.
    void save();

    // Offers a challenge result. Unless ten entries of the list have a level
    // at least as high and a greater score, it enters the list under the name
    // given or, without one, the name the player types; the list is then
    // ranked and saved.
    void addScore(int level, int score, const char* name = nullptr);

    // The name entry screen; the name is remembered for as long as the game
    // runs and offered again at the next entry.
    std::string enterName();

    // The high score screen: the first ten entries in three columns (levels
    // passed, score, name) on black, flipped to the display.
    void draw() override;
    // Draws the screen and waits for the player to press something.
    void show();

    const std::list<HighScoreEntry>& getEntries() const { return entries; }

private:
    void drawText(const std::string& text, int anchorX, bool alignRight, int place);

    std::list<HighScoreEntry> entries;
};
