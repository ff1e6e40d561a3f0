#include "highscores/HighScoreFile.h"

#include "highscores/FileReplace.h"

#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The next line without its line end; empty text once the file has ended.
std::string nextLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line))
        return std::string();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string nameForFile(std::string name) {
    for (char& c : name) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return name;
}

} // namespace

int parseScoreNumber(const std::string& line) {
    constexpr std::int64_t largest = std::numeric_limits<int>::max();
    constexpr std::int64_t smallest = std::numeric_limits<int>::min();
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    // Past the range the value only needs to stay past it.
    std::int64_t magnitude = 0;
    for (; i < line.size() && isDigit(line[i]); ++i) {
        if (magnitude <= largest + 1)
            magnitude = magnitude * 10 + (line[i] - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > largest)
        return static_cast<int>(largest);
    if (value < smallest)
        return static_cast<int>(smallest);
    return static_cast<int>(value);
}

std::list<HighScoreEntry> readHighScores(std::istream& in) {
    std::list<HighScoreEntry> records;
    while (in.good() && records.size() < MAX_RECORDS_READ) {
        const std::string levelLine = nextLine(in);
        if (levelLine.empty())
            break;
        HighScoreEntry record;
        record.level = parseScoreNumber(levelLine);
        record.score = parseScoreNumber(nextLine(in));
        record.name = nextLine(in);
        records.push_back(std::move(record));
    }
    return records;
}

std::list<HighScoreEntry> readHighScores(const std::string& bytes) {
    std::istringstream in(bytes);
    return readHighScores(in);
}

std::string formatHighScores(const std::list<HighScoreEntry>& entries) {
    std::string content;
    for (const HighScoreEntry& entry : entries) {
        content += std::to_string(entry.level);
        content += '\n';
        content += std::to_string(entry.score);
        content += '\n';
        content += nameForFile(entry.name);
        content += '\n';
    }
    return content;
}

bool loadHighScoreFile(const std::string& path, std::list<HighScoreEntry>& entries) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return false;
    entries = readHighScores(in);
    return true;
}

bool saveHighScoreFile(const std::string& path, const std::list<HighScoreEntry>& entries) {
    return replaceFileContents(path, formatHighScores(entries));
}
