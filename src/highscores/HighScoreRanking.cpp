#include "highscores/HighScoreRanking.h"

#include <array>
#include <cstddef>

bool ranksBefore(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.level >= b.level && a.score >= b.score;
}

void mergeNewerIntoOlder(std::list<HighScoreEntry>& older, std::list<HighScoreEntry>& newer) {
    for (auto place = older.begin(); place != older.end(); ++place) {
        while (!newer.empty() && ranksBefore(newer.front(), *place))
            older.splice(place, newer, newer.begin());
    }
    older.splice(older.end(), newer);
}

void sortHighScores(std::list<HighScoreEntry>& entries) {
    if (entries.size() < 2)
        return;
    // Slot i holds a sorted run of 2^i entries or nothing; 64 slots hold more
    // entries than memory ever could.
    std::array<std::list<HighScoreEntry>, 64> slots;
    std::size_t fill = 0;
    while (!entries.empty()) {
        std::list<HighScoreEntry> carry;
        carry.splice(carry.begin(), entries, entries.begin());
        std::size_t i = 0;
        for (; i < fill && !slots[i].empty(); ++i) {
            mergeNewerIntoOlder(slots[i], carry);
            carry.swap(slots[i]);
        }
        carry.swap(slots[i]);
        if (i == fill)
            ++fill;
    }
    for (std::size_t i = 1; i < fill; ++i)
        mergeNewerIntoOlder(slots[i], slots[i - 1]);
    entries.swap(slots[fill - 1]);
}

int countEntriesBetterThan(const std::list<HighScoreEntry>& entries, int level, int score) {
    int better = 0;
    for (const HighScoreEntry& entry : entries) {
        if (entry.level >= level && entry.score > score)
            ++better;
    }
    return better;
}
