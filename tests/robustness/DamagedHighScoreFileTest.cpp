// "high.dat" as a damaged disk, an old editor or a hostile hand may leave it:
// the table is built from whatever is there, keeps what a reader of three-line
// records keeps, shows it, and saves a list that reads back the same.
#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreTable.h"
#include "support/ScreenTest.h"

#include <climits>
#include <memory>
#include <random>
#include <sstream>

namespace {

std::string describe(const std::list<HighScoreEntry>& entries) {
    std::ostringstream text;
    for (const HighScoreEntry& e : entries)
        text << "[" << e.level << "|" << e.score << "|" << e.name << "]";
    return text.str();
}

// Seeded bytes, so that a failure can be replayed.
std::string randomBytes(std::size_t count, unsigned seed, int lowest = 0, int highest = 255) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(lowest, highest);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(generator));
    return bytes;
}

std::string records(int count) {
    std::string content;
    for (int i = 0; i < count; ++i)
        content += std::to_string(i % 21) + "\n" + std::to_string(i) + "\nplayer " +
                   std::to_string(i) + "\n";
    return content;
}

// A NUL is a byte like any other: it ends no line and no name.
const char NUL_BYTES[] = "3\0x\n5\nan\0n\n\0"
                         "7\n1\nz\n";
const char NUL_BYTES_KEPT[] = "[3|5|an\0n][0|1|z]";

const std::string ONE_MEGABYTE_NAME(1 << 20, 'n');

struct FileCase {
    const char* label;
    std::string content;
    std::string kept; // the records read, in file order
};

// Names the case, rather than printing a megabyte of its content.
void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.label;
}

std::string caseName(const ::testing::TestParamInfo<FileCase>& test) {
    return test.param.label;
}

// Records are described in file order; the table ranks them afterwards.
std::vector<FileCase> fileCases() {
    return {
        {"NoLineFeedsAtAll", randomBytes(65536, 7, 0x80, 0xFF), "[0|0|]"},
        {"NulBytes", std::string(NUL_BYTES, sizeof NUL_BYTES - 1),
         std::string(NUL_BYTES_KEPT, sizeof NUL_BYTES_KEPT - 1)},
        {"OneMegabyteName", "4\n40\n" + ONE_MEGABYTE_NAME + "\n5\n50\nnext\n",
         "[4|40|" + ONE_MEGABYTE_NAME + "][5|50|next]"},
        {"OneMegabyteLevel",
         std::string(1 << 20, '9') + "\n-" + std::string(1 << 20, '9') + "\nx\n",
         "[2147483647|-2147483648|x]"},
        {"OneMegabyteOfBlanksBeforeTheLevel", std::string(1 << 20, ' ') + "42\n1\nx\n", "[42|1|x]"},
        {"NumbersBeyondThirtyTwoBits",
         "4294967297\n-4294967297\nwide\n99999999999999999999\n-1\nwider\n",
         "[2147483647|-2147483648|wide][2147483647|-1|wider]"},
        {"CrLfLineEnds", "3\r\n57\r\nann\r\n4\r\n-8\r\nbob\r\n", "[3|57|ann][4|-8|bob]"},
        {"CrLfEndsAtABlankLine", "3\r\n57\r\nann\r\n\r\n4\r\n-8\r\nbob\r\n", "[3|57|ann]"},
        {"NoFinalLineFeed", "3\n57\nann\n4\n-8\nbob", "[3|57|ann][4|-8|bob]"},
        {"CutAfterTheLevel", "3\n57\nann\n4", "[3|57|ann][4|0|]"},
        {"TenThousandRecords", records(10000), describe(readHighScores(records(52)))},
    };
}

class DamagedHighScoreFile : public ScreenTest, public ::testing::WithParamInterface<FileCase> {
protected:
    ScratchFolder folder;
};

TEST_P(DamagedHighScoreFile, KeepsWhatAThreeLineReaderKeeps) {
    const FileCase& c = GetParam();
    EXPECT_EQ(describe(readHighScores(c.content)), c.kept);

    writeFile(folder.file("high.dat"), c.content);
    CapturedLog log;
    HighScoreTable table;
    EXPECT_EQ(log.errors(), "");
    EXPECT_LE(table.getEntries().size(), MAX_RECORDS_READ);
    EXPECT_EQ(table.getEntries().size(), readHighScores(c.content).size());
}

TEST_P(DamagedHighScoreFile, IsShownAndSavedAsAFileThatReadsBackTheSame) {
    const FileCase& c = GetParam();
    writeFile(folder.file("high.dat"), c.content);
    HighScoreTable table;
    table.draw(); // names of any bytes and any length are drawn, cut at the edge
    saveScreen("damaged-high-scores-" + std::string(c.label));

    const std::size_t before = table.getEntries().size();
    table.addScore(INT_MAX, INT_MAX, "best");
    ASSERT_EQ(table.getEntries().size(), before + 1) << "the best possible result always ranks";
    EXPECT_EQ(table.getEntries().front().name, "best");
    const std::string saved = readFile(folder.file("high.dat"));
    EXPECT_EQ(saved, formatHighScores(table.getEntries()));
    std::list<HighScoreEntry> firstRecords = table.getEntries();
    firstRecords.resize(std::min(firstRecords.size(), MAX_RECORDS_READ));
    EXPECT_EQ(describe(readHighScores(saved)), describe(firstRecords));
}

class DamagedHighScoreFileScreen : public ScreenTest {
protected:
    ScratchFolder folder;
};

INSTANTIATE_TEST_SUITE_P(Crafted, DamagedHighScoreFile, ::testing::ValuesIn(fileCases()), caseName);

TEST_F(DamagedHighScoreFileScreen, AMegabyteNameShowsItsStartCutAtTheEdge) {
    writeFile(folder.file("high.dat"), "4\n40\n" + ONE_MEGABYTE_NAME + "\n");
    HighScoreTable table;
    table.draw();
    ASSERT_EQ(table.getEntries().front().name.size(), ONE_MEGABYTE_NAME.size());
    EXPECT_GT(countPixels({146, 10, 20, 22}, 255, 255, 255), 0) << "the name's start";
    EXPECT_GT(countPixels({300, 10, 20, 22}, 255, 255, 255), 0) << "still there at the edge";
}

TEST(RandomHighScoreFiles, NeverBreakTheReader) {
    // Bytes of every value, with line feeds as often as in text: whatever is
    // read has at most 52 records of one-line names, and what is written of
    // it reads back the same.
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::string bytes = randomBytes(4096, seed);
        for (std::size_t i = seed % 7; i < bytes.size(); i += 5 + seed % 11)
            bytes[i] = '\n';
        const std::list<HighScoreEntry> read = readHighScores(bytes);
        EXPECT_LE(read.size(), MAX_RECORDS_READ) << seed;
        std::list<HighScoreEntry> written;
        for (HighScoreEntry entry : read) {
            EXPECT_EQ(entry.name.find('\n'), std::string::npos) << seed;
            for (char& ch : entry.name)
                ch = ch == '\r' ? ' ' : ch; // the file keeps no carriage return in a name
            written.push_back(entry);
        }
        EXPECT_EQ(describe(readHighScores(formatHighScores(read))), describe(written)) << seed;
    }
}

} // namespace
