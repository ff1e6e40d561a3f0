#pragma once

#include <string>

// One result of a challenge run: how many levels the player passed, the total
// score, and the name typed for it.
struct HighScoreEntry {
    std::string name;
    int score = 0;
    int level = 0;
};
