#pragma once

#include "highscores/HighScoreEntry.h"

#include <list>

// The order of the high score list.
//
// An entry ranks before another when it is at least as good in both the level
// and the score. That is not a strict order: equal entries each rank before
// the other, and of two entries where one has the higher level and the other
// the higher score neither does. Where such entries end up is decided by the
// sort below, so it must stay exactly this merge sort to keep the list in the
// order players have always seen.
bool ranksBefore(const HighScoreEntry& a, const HighScoreEntry& b);

// Bottom-up merge sort of the linked list with ranksBefore as its comparison:
// entries are taken from the front one by one and carried up through 64 slots
// of runs, each merge taking the newer run into the older one.
void sortHighScores(std::list<HighScoreEntry>& entries);

// Merges the newer run into the older one: before each entry of the older run
// go the front entries of the newer run that rank before it; what is left of
// the newer run goes at the end. The newer run is left empty.
void mergeNewerIntoOlder(std::list<HighScoreEntry>& older, std::list<HighScoreEntry>& newer);

// Entries of the whole list (not only the ten shown) that keep a result out:
// those with a level at least as high and a strictly greater score.
int countEntriesBetterThan(const std::list<HighScoreEntry>& entries, int level, int score);
