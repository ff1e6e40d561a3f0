#include "highscores/HighScoreFile.h"
#include "highscores/FileReplace.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string describe(const std::list<HighScoreEntry>& entries) {
    std::ostringstream text;
    for (const HighScoreEntry& e : entries)
        text << "[" << e.level << "|" << e.score << "|" << e.name << "]";
    return text.str();
}

TEST(ParseScoreNumber, TakesTheLeadingNumberOfTheLine) {
    const struct {
        const char* line;
        int value;
    } cases[] = {
        {"12", 12},
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
        {"-99999999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseScoreNumber(c.line), c.value) << '"' << c.line << '"';
}

TEST(ReadHighScores, ReadsThreeLinesPerRecordInFileOrder) {
    EXPECT_EQ(describe(readHighScores("3\n57\nann\n-2\n-40\nbob the great\n")),
              "[3|57|ann][-2|-40|bob the great]");
}

TEST(ReadHighScores, EndsWhereALevelLineIsEmptyOrTheFileEnds) {
    const struct {
        const char* content;
        const char* records;
    } cases[] = {
        {"", ""},
        {"\n", ""},
        {"5\n50\nann\n\n4\n40\nbob\n", "[5|50|ann]"}, // a blank line ends reading
        {"5\n50\nann", "[5|50|ann]"},                 // no final line end
        {"5\n50\nann\n\n", "[5|50|ann]"},             // trailing empty line
        {"7\n", "[7|0|]"},                            // cut short: score 0, no name
        {"7\n70", "[7|70|]"},                         // no name
        {"12abc\n-3xyz\nann\nabc\nzzz\nbob\n", "[12|-3|ann][0|0|bob]"}, // odd numbers
        {"1\n\n\n2\n20\nbo\n", "[1|0|][2|20|bo]"}, // only the level line may end it
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(readHighScores(std::string(c.content))), c.records)
            << '"' << c.content << '"';
}

TEST(ReadHighScores, CrLfLineEndsReadLikeLineFeeds) {
    const std::string lf = "3\n57\nann\n4\n-8\nbob\n\n9\n9\nlost\n";
    std::string crlf;
    for (const char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(describe(readHighScores(crlf)), describe(readHighScores(lf)));
    EXPECT_EQ(describe(readHighScores(crlf)), "[3|57|ann][4|-8|bob]");
}

TEST(ReadHighScores, TakesAtMostFiftyTwoRecords) {
    std::string content;
    for (int i = 0; i < 60; ++i)
        content += std::to_string(i) + "\n0\nn" + std::to_string(i) + "\n";
    const std::list<HighScoreEntry> records = readHighScores(content);
    ASSERT_EQ(records.size(), MAX_RECORDS_READ);
    EXPECT_EQ(MAX_RECORDS_READ, 52u);
    EXPECT_EQ(records.back().name, "n51");
}

TEST(ReadHighScores, KeepsNameBytesUnchanged) {
    const std::string name = std::string("\xE9l\xE8ve  \t x", 10);
    EXPECT_EQ(readHighScores("1\n2\n" + name + "\n").front().name, name);
}

TEST(FormatHighScores, WritesLevelScoreAndNameLinesEndedByLineFeeds) {
    const std::list<HighScoreEntry> entries = {{"ann", 57, 3}, {"", -40, -2}};
    EXPECT_EQ(formatHighScores(entries), "3\n57\nann\n-2\n-40\n\n");
    EXPECT_EQ(formatHighScores({}), "");
}

TEST(FormatHighScores, LineBreaksInANameBecomeSpaces) {
    const std::list<HighScoreEntry> entries = {{"two\nlines\r\nhere", 1, 2}, {"next", 3, 4}};
    const std::string content = formatHighScores(entries);
    EXPECT_EQ(content, "2\n1\ntwo lines  here\n4\n3\nnext\n");
    EXPECT_EQ(describe(readHighScores(content)), "[2|1|two lines  here][4|3|next]");
}

TEST(FormatHighScores, ExtremeNumbersReadBackTheSame) {
    const std::list<HighScoreEntry> entries = {{"max", INT_MAX, INT_MIN}, {"min", INT_MIN, 0}};
    EXPECT_EQ(describe(readHighScores(formatHighScores(entries))), describe(entries));
}

// The file itself, in a folder of the test's own.
class HighScoreFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/brenvik-highfile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        path = folder + "/high.dat";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static std::string contentOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string folder;
    std::string path;
};

TEST_F(HighScoreFileOnDisk, SavedFileLoadsBackAndLeavesNoTemporaryFile) {
    const std::list<HighScoreEntry> entries = {{"ann", 57, 3}, {"bob", 5, 1}};
    ASSERT_TRUE(saveHighScoreFile(path, entries));
    EXPECT_EQ(contentOf(path), "3\n57\nann\n1\n5\nbob\n");
    EXPECT_FALSE(std::filesystem::exists(replacementFileFor(path)));
    std::list<HighScoreEntry> loaded;
    ASSERT_TRUE(loadHighScoreFile(path, loaded));
    EXPECT_EQ(describe(loaded), describe(entries));
}

TEST_F(HighScoreFileOnDisk, SaveOverwritesALongerFileCompletely) {
    std::ofstream(path) << "1\n1\na\n2\n2\nb\n3\n3\nc\n";
    ASSERT_TRUE(saveHighScoreFile(path, {{"z", 9, 9}}));
    EXPECT_EQ(contentOf(path), "9\n9\nz\n");
}

// Failed saves are covered with the table, which reports them.
TEST_F(HighScoreFileOnDisk, SaveIntoAMissingFolderFails) {
    EXPECT_FALSE(saveHighScoreFile(folder + "/gone/high.dat", {{"new", 2, 2}}));
}

} // namespace
