// Fuzzes the reading of "high.dat" and the ranking: any bytes read as a file
// give at most 52 records, ranked as the GNU list sort ranks them (the same
// bottom-up merge), and written out they read back as the same file.
#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreRanking.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = readHighScores(std::string(reinterpret_cast<const char*>(data), size));
    auto ranked = read, expected = read;
    sortHighScores(ranked);
    expected.sort(ranksBefore);
    const std::string file = formatHighScores(ranked);
    if (read.size() > MAX_RECORDS_READ || file != formatHighScores(expected) ||
        formatHighScores(readHighScores(file)) != file)
        __builtin_trap();
    return 0;
}
