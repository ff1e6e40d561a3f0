// "high.dat" as the game writes it, and as a damaged disk, an old editor or a
// hostile hand may leave it: the table is built from whatever is there, keeps
// what a reader of three-line records keeps, shows it, and saves a list that
// reads back the same.
#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreTable.h"
#include "support/ScreenTest.h"

#include <climits>
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

TEST(ParseScoreNumber, TakesTheLeadingNumberOfTheLine) {
    const std::pair<const char*, int> cases[] = {{"12", 12},
                                                 {"12abc", 12},
                                                 {"abc", 0},
                                                 {"", 0},
                                                 {"  \t42", 42},
                                                 {"-17", -17},
                                                 {"+5", 5},
                                                 {"-", 0},
                                                 {"- 5", 0},
                                                 {"7 8", 7},
                                                 {"0042", 42},
                                                 {"2147483647", INT_MAX},
                                                 {"-2147483648", INT_MIN},
                                                 {"2147483648", INT_MAX},
                                                 {"-2147483649", INT_MIN},
                                                 {"99999999999999999999999999", INT_MAX},
                                                 {"-99999999999999999999999999", INT_MIN}};
    for (const auto& [line, value] : cases)
        EXPECT_EQ(parseScoreNumber(line), value) << '"' << line << '"';
}

const std::string ONE_MEGABYTE_NAME(1 << 20, 'n');
// A NUL is a byte like any other: it ends no line and no name.
const char NUL_BYTES[] = "3\0x\n5\nan\0n\n\0"
                         "7\n1\nz\n";
const char NUL_BYTES_KEPT[] = "[3|5|an\0n][0|1|z]";

struct FileCase {
    const char* label;
    std::string content;
    std::string kept; // the records read, in file order
};

const std::vector<FileCase>& fileCases() {
    static const std::vector<FileCase> cases = {
        {"empty", "", ""},
        {"one empty line", "\n", ""},
        {"two records", "3\n57\nann\n-2\n-40\nbob the great\n", "[3|57|ann][-2|-40|bob the great]"},
        {"a blank line ends reading", "5\n50\nann\n\n4\n40\nbob\n", "[5|50|ann]"},
        {"only a level line may end it", "1\n\n\n2\n20\nbo\n", "[1|0|][2|20|bo]"},
        {"odd numbers", "12abc\n-3xyz\nann\nabc\nzzz\nbob\n", "[12|-3|ann][0|0|bob]"},
        {"no final line feed", "3\n57\nann\n4\n-8\nbob", "[3|57|ann][4|-8|bob]"},
        {"cut after the level", "3\n57\nann\n4", "[3|57|ann][4|0|]"},
        {"cut after the score", "7\n70", "[7|70|]"},
        {"CR LF line ends", "3\r\n57\r\nann\r\n4\r\n-8\r\nbob\r\n", "[3|57|ann][4|-8|bob]"},
        {"CR LF ends at a blank line", "3\r\n57\r\nann\r\n\r\n4\r\n-8\r\nbob\r\n", "[3|57|ann]"},
        {"name bytes unchanged", "1\n2\n\xE9l\xE8ve  \t x\n", "[1|2|\xE9l\xE8ve  \t x]"},
        {"no line feeds at all", randomBytes(65536, 7, 0x80, 0xFF), "[0|0|]"},
        {"NUL bytes", std::string(NUL_BYTES, sizeof NUL_BYTES - 1),
         std::string(NUL_BYTES_KEPT, sizeof NUL_BYTES_KEPT - 1)},
        {"one megabyte name", "4\n40\n" + ONE_MEGABYTE_NAME + "\n5\n50\nnext\n",
         "[4|40|" + ONE_MEGABYTE_NAME + "][5|50|next]"},
        {"one megabyte level",
         std::string(1 << 20, '9') + "\n-" + std::string(1 << 20, '9') + "\nx\n",
         "[2147483647|-2147483648|x]"},
        {"one megabyte of blanks before the level", std::string(1 << 20, ' ') + "42\n1\nx\n",
         "[42|1|x]"},
        {"numbers beyond 32 bits",
         "4294967297\n-4294967297\nwide\n99999999999999999999\n-1\nwider\n",
         "[2147483647|-2147483648|wide][2147483647|-1|wider]"},
        {"ten thousand records: 52 are read", records(10000),
         describe(readHighScores(records(52)))},
    };
    return cases;
}

TEST(ReadHighScores, KeepsWhatAThreeLineReaderKeeps) {
    for (const FileCase& c : fileCases())
        EXPECT_EQ(describe(readHighScores(c.content)), c.kept) << c.label;
    const std::list<HighScoreEntry> many = readHighScores(records(60));
    EXPECT_EQ(many.size(), 52u);
    EXPECT_EQ(many.back().name, "player 51");
}

class HighScoreFileTest : public ScreenTest {
protected:
    ScratchFolder folder;
};

TEST_F(HighScoreFileTest, EveryFileBuildsATableThatIsShownAndSavedToReadBackTheSame) {
    for (const FileCase& c : fileCases()) {
        SCOPED_TRACE(c.label);
        writeFile(folder.file("high.dat"), c.content);
        CapturedLog log;
        HighScoreTable table;
        EXPECT_EQ(log.errors(), "");
        EXPECT_EQ(table.getEntries().size(), readHighScores(c.content).size());
        table.draw(); // names of any bytes and any length are drawn, cut at the edge

        const std::size_t before = table.getEntries().size();
        table.addScore(INT_MAX, INT_MAX, "best");
        ASSERT_EQ(table.getEntries().size(), before + 1) << "the best possible result ranks";
        EXPECT_EQ(table.getEntries().front().name, "best");
        const std::string saved = readFile(folder.file("high.dat"));
        EXPECT_EQ(saved, formatHighScores(table.getEntries()));
        std::list<HighScoreEntry> firstRecords = table.getEntries();
        firstRecords.resize(std::min(firstRecords.size(), MAX_RECORDS_READ));
        EXPECT_EQ(describe(readHighScores(saved)), describe(firstRecords));
    }
}

TEST_F(HighScoreFileTest, AMegabyteNameShowsItsStartCutAtTheEdge) {
    writeFile(folder.file("high.dat"), "4\n40\n" + ONE_MEGABYTE_NAME + "\n");
    HighScoreTable table;
    table.draw();
    saveScreen("high-scores-megabyte-name");
    EXPECT_GT(countPixels({146, 10, 20, 22}, 255, 255, 255), 0) << "the name's start";
    EXPECT_GT(countPixels({300, 10, 20, 22}, 255, 255, 255), 0) << "still there at the edge";
}

TEST(FormatHighScores, WritesLevelScoreAndNameLinesWithLineBreaksInNamesAsSpaces) {
    EXPECT_EQ(formatHighScores({{"ann", 57, 3}, {"", -40, -2}}), "3\n57\nann\n-2\n-40\n\n");
    EXPECT_EQ(formatHighScores({}), "");
    EXPECT_EQ(formatHighScores({{"two\nlines\r\nhere", 1, 2}, {"next", 3, 4}}),
              "2\n1\ntwo lines  here\n4\n3\nnext\n");
}

} // namespace
