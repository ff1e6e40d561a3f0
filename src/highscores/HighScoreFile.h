#pragma once

#include "highscores/HighScoreEntry.h"

#include <cstddef>
#include <istream>
#include <list>
#include <string>

// "high.dat", the high score file in the game folder: plain text, no header,
// three lines per record, records in rank order:
//
//     3        <- levels passed, in decimal (a minus sign first when negative)
//     57       <- total score, in decimal
//     ann      <- the name, its bytes unchanged
//
// Every line ends with one line feed; the file ends right after the last
// name's line feed. Reading stops at the first empty line where a level is
// expected, at the end of the file, or after 52 records.

constexpr const char* HIGH_SCORE_FILE = "high.dat";
constexpr std::size_t MAX_RECORDS_READ = 52;

// A level or score line: leading white space skipped, an optional sign and the
// decimal digits after it; anything after them is ignored and text without
// digits reads as 0. Numbers beyond the 32-bit range read as its nearest end.
int parseScoreNumber(const std::string& line);

// The records of a high score file, in file order (not yet sorted). Lines may
// end with LF or CR LF. A record cut short by the end of the file still counts,
// with 0 and empty text where lines are missing.
std::list<HighScoreEntry> readHighScores(std::istream& in);
std::list<HighScoreEntry> readHighScores(const std::string& bytes);

// The file content for the entries in list order. A line feed or carriage
// return inside a name is written as a space, so a name never breaks the file.
std::string formatHighScores(const std::list<HighScoreEntry>& entries);

// Reads the file into entries (in file order); false only when it cannot be
// opened for reading.
bool loadHighScoreFile(const std::string& path, std::list<HighScoreEntry>& entries);

// Replaces the file with the entries; on any failure the old file stays whole
// and the result is false.
bool saveHighScoreFile(const std::string& path, const std::list<HighScoreEntry>& entries);
