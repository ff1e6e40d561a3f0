// Fuzzes "high.dat" as the game meets it: the reader, the ranking, the table
// built from the file, the admission of a new result and the save, read back.
//
// Input: the first line offers a result as "<level> <score> <name>"; the rest
// is the content of "high.dat". The target works in a folder of its own, so
// corpus and artifact paths given to it must be absolute.
#include "highscores/FileReplace.h"
#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreRanking.h"
#include "highscores/HighScoreTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <list>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

using Entries = std::list<HighScoreEntry>;

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool same(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.level == b.level && a.score == b.score && a.name == b.name;
}

bool same(const Entries& a, const Entries& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](const auto& x, const auto& y) { return same(x, y); });
}

// The ranking's merge sort once more, on arrays instead of a linked list, so
// that the two can be compared: runs are carried up through slots, each merge
// putting the newer run's front entries before every older entry they rank
// before.
std::vector<HighScoreEntry> mergeRuns(const std::vector<HighScoreEntry>& older,
                                      const std::vector<HighScoreEntry>& newer) {
    std::vector<HighScoreEntry> merged;
    std::size_t next = 0;
    for (const HighScoreEntry& o : older) {
        while (next < newer.size() && ranksBefore(newer[next], o))
            merged.push_back(newer[next++]);
        merged.push_back(o);
    }
    merged.insert(merged.end(), newer.begin() + static_cast<std::ptrdiff_t>(next), newer.end());
    return merged;
}

Entries referenceSort(const Entries& entries) {
    std::vector<std::vector<HighScoreEntry>> slots;
    for (const HighScoreEntry& entry : entries) {
        std::vector<HighScoreEntry> carry{entry};
        std::size_t i = 0;
        for (; i < slots.size() && !slots[i].empty(); ++i) {
            carry = mergeRuns(slots[i], carry);
            slots[i].clear();
        }
        if (i == slots.size())
            slots.emplace_back();
        slots[i] = std::move(carry);
    }
    if (slots.empty())
        return {};
    for (std::size_t i = 1; i < slots.size(); ++i)
        slots[i] = mergeRuns(slots[i], slots[i - 1]);
    return Entries(slots.back().begin(), slots.back().end());
}

bool isPermutation(const Entries& a, const Entries& b) {
    using Key = std::tuple<int, int, std::string>;
    auto keys = [](const Entries& entries) {
        std::vector<Key> all;
        for (const HighScoreEntry& e : entries)
            all.emplace_back(e.level, e.score, e.name);
        std::sort(all.begin(), all.end());
        return all;
    };
    return keys(a) == keys(b);
}

// What the file keeps of a name: line breaks become spaces.
Entries asWritten(const Entries& entries, std::size_t limit) {
    Entries written;
    for (const HighScoreEntry& entry : entries) {
        if (written.size() == limit)
            break;
        HighScoreEntry copy = entry;
        std::replace(copy.name.begin(), copy.name.end(), '\n', ' ');
        std::replace(copy.name.begin(), copy.name.end(), '\r', ' ');
        written.push_back(copy);
    }
    return written;
}

std::string fileContent(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Offer {
    int level;
    int score;
    std::string name;
};

Offer offerFrom(const std::string& line) {
    const std::size_t first = line.find(' ');
    const std::string rest = first == std::string::npos ? std::string() : line.substr(first + 1);
    const std::size_t second = rest.find(' ');
    Offer offer{parseScoreNumber(line), parseScoreNumber(rest),
                second == std::string::npos ? std::string() : rest.substr(second + 1)};
    // The table takes the name as C text, which ends at a NUL byte; without a
    // name it would ask the player for one.
    offer.name = offer.name.c_str();
    if (offer.name.empty())
        offer.name = "fuzz";
    return offer;
}

void checkReaderAndRanking(const std::string& content) {
    const Entries read = readHighScores(content);
    require(read.size() <= MAX_RECORDS_READ, "at most 52 records are read");
    for (const HighScoreEntry& entry : read)
        require(entry.name.find('\n') == std::string::npos, "a name is one line");

    Entries sorted = read;
    sortHighScores(sorted);
    require(isPermutation(sorted, read), "sorting keeps every entry");
    require(same(sorted, referenceSort(read)), "the list sort is the specified merge sort");

    // What is written reads back as the same records.
    require(same(readHighScores(formatHighScores(sorted)), asWritten(sorted, MAX_RECORDS_READ)),
            "written records read back unchanged");
}

void checkTable(const std::string& content, const Offer& offer) {
    {
        std::ofstream out(HIGH_SCORE_FILE, std::ios::binary | std::ios::trunc);
        out << content;
    }
    HighScoreTable table;
    const Entries loaded = table.getEntries();
    require(same(loaded, referenceSort(readHighScores(content))), "the table is the ranked file");

    const long better = std::count_if(loaded.begin(), loaded.end(), [&](const HighScoreEntry& e) {
        return e.level >= offer.level && e.score > offer.score;
    });
    table.addScore(offer.level, offer.score, offer.name.c_str());
    const Entries& after = table.getEntries();
    if (better >= 10) {
        require(same(after, loaded), "a result that does not rank changes nothing");
        require(fileContent(HIGH_SCORE_FILE) == content, "nor is the file written");
        return;
    }
    Entries expected = loaded;
    expected.push_back({offer.name, offer.score, offer.level});
    require(same(after, referenceSort(expected)), "an admitted result is ranked in");
    require(access(replacementFileFor(HIGH_SCORE_FILE).c_str(), F_OK) != 0,
            "no temporary file is left");

    const std::string saved = fileContent(HIGH_SCORE_FILE);
    require(same(readHighScores(saved), asWritten(after, MAX_RECORDS_READ)),
            "the saved table reads back as the same list");
    HighScoreTable reloaded;
    require(same(reloaded.getEntries(), referenceSort(asWritten(after, MAX_RECORDS_READ))),
            "a later start ranks what was saved");
}

} // namespace

namespace {
std::string workFolder;

void removeWorkFolder() {
    std::remove((workFolder + "/" + HIGH_SCORE_FILE).c_str());
    rmdir(workFolder.c_str());
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The table reads and writes "high.dat" in the working directory: a folder
    // of its own in memory, so that the file system is not worn.
    char folder[] = "/dev/shm/brenvik-fuzz-XXXXXX";
    char fallback[] = "/tmp/brenvik-fuzz-XXXXXX";
    const char* made = mkdtemp(folder);
    if (made == nullptr)
        made = mkdtemp(fallback);
    if (made == nullptr || chdir(made) != 0)
        std::abort();
    workFolder = made;
    std::atexit(removeWorkFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = input.find('\n');
    const std::string offerLine = input.substr(0, lineEnd);
    const std::string content =
        lineEnd == std::string::npos ? std::string() : input.substr(lineEnd + 1);
    checkReaderAndRanking(content);
    checkTable(content, offerFrom(offerLine));
    return 0;
}
