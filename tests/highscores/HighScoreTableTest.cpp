#include "highscores/HighScoreTable.h"
#include "highscores/FileReplace.h"
#include "support/ScreenTest.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

std::string namesOf(const std::list<HighScoreEntry>& entries) {
    std::string names;
    for (const HighScoreEntry& e : entries)
        names += (names.empty() ? "" : " ") + e.name;
    return names;
}

std::string records(int count, int level, int score, const std::string& name) {
    std::string content;
    for (int i = 0; i < count; ++i)
        content += std::to_string(level) + "\n" + std::to_string(score) + "\n" + name + "\n";
    return content;
}

int lineCount(const std::string& content) {
    return static_cast<int>(std::count(content.begin(), content.end(), '\n'));
}

class HighScoreTableTest : public ScreenTest {
protected:
    std::unique_ptr<HighScoreTable> tableFromFile(const std::string& content) {
        writeFile(folder.file("high.dat"), content);
        return std::make_unique<HighScoreTable>();
    }
    std::string savedFile() const { return readFile(folder.file("high.dat")); }

    ScratchFolder folder;
};

TEST_F(HighScoreTableTest, WithoutAFileTheTableHoldsTenDefaultsAndWritesNothing) {
    CapturedLog log;
    HighScoreTable table;
    EXPECT_EQ(log.errors(), "ERROR: can't load high scores!\n");
    ASSERT_EQ(table.getEntries().size(), 10u);
    for (const HighScoreEntry& entry : table.getEntries()) {
        EXPECT_EQ(entry.name, "worst player ever");
        EXPECT_EQ(entry.level, 0);
        EXPECT_EQ(entry.score, 0);
    }
    EXPECT_FALSE(fs::exists(folder.file("high.dat")));
}

TEST_F(HighScoreTableTest, AnEmptyFileLoadsNoEntriesAndNoDefaults) {
    CapturedLog log;
    auto table = tableFromFile("");
    EXPECT_TRUE(table->getEntries().empty());
    EXPECT_EQ(log.errors(), "");
    // Any result enters an empty table, however poor.
    table->addScore(0, -5, "Low");
    EXPECT_EQ(savedFile(), "0\n-5\nLow\n");
}

TEST_F(HighScoreTableTest, TheFileIsRankedAsItLoads) {
    auto table = tableFromFile("5\n90\nP\n4\n80\nQ\n4\n80\nR\n1\n10\nS\n");
    EXPECT_EQ(namesOf(table->getEntries()), "P R Q S");
    EXPECT_TRUE(table->load());
    EXPECT_EQ(namesOf(table->getEntries()), "P R Q S") << "loading again starts afresh";
}

TEST_F(HighScoreTableTest, LoadingStopsAtABlankLineAndReadsOddNumbers) {
    auto table = tableFromFile("12abc\n-3xyz\nann\nabc\nzzz\nbob\n\n9\n9\nlost\n");
    ASSERT_EQ(namesOf(table->getEntries()), "ann bob");
    EXPECT_EQ(table->getEntries().front().level, 12);
    EXPECT_EQ(table->getEntries().front().score, -3);
    EXPECT_EQ(table->getEntries().back().level, 0);
    EXPECT_EQ(table->getEntries().back().score, 0);
}

TEST_F(HighScoreTableTest, WorkedSequenceFromTheDefaults) {
    HighScoreTable table;
    const std::string defaults = " - - - - - - - - - -";
    table.addScore(3, 50, "A");
    table.addScore(3, 50, "B");
    table.addScore(2, 80, "C");
    table.addScore(5, 20, "D");
    std::string names = namesOf(table.getEntries());
    for (std::size_t at = names.find("worst player ever"); at != std::string::npos;
         at = names.find("worst player ever"))
        names.replace(at, 17, "-");
    EXPECT_EQ(names, "B A C D" + defaults);
    EXPECT_EQ(savedFile(),
              "3\n50\nB\n3\n50\nA\n2\n80\nC\n5\n20\nD\n" + records(10, 0, 0, "worst player ever"));
}

// Whether a result enters the table, over the whole list.
struct AdmissionCase {
    const char* what;
    std::string file;
    int level;
    int score;
    bool admitted;
};

void PrintTo(const AdmissionCase& c, std::ostream* out) {
    *out << c.what << ": offer (" << c.level << ", " << c.score << ")";
}

class HighScoreAdmission : public HighScoreTableTest,
                           public ::testing::WithParamInterface<AdmissionCase> {};

TEST_P(HighScoreAdmission, CountsTheEntriesThatBeatTheResult) {
    const AdmissionCase& c = GetParam();
    auto table = tableFromFile(c.file);
    const std::size_t before = table->getEntries().size();
    table->addScore(c.level, c.score, "new");
    EXPECT_EQ(table->getEntries().size(), before + (c.admitted ? 1 : 0));
    EXPECT_EQ(savedFile() == c.file, !c.admitted) << "the file changes only when admitted";
    EXPECT_EQ(fake::flips(), 0) << "a name given as text opens no keyboard";
}

INSTANTIATE_TEST_SUITE_P(
    Table, HighScoreAdmission,
    ::testing::Values(
        AdmissionCase{"ten better", records(10, 5, 100, "x"), 5, 99, false},
        AdmissionCase{"nine better", records(9, 5, 100, "x") + records(1, 5, 99, "y"), 5, 99, true},
        AdmissionCase{"equal to the tenth", records(10, 5, 100, "x"), 5, 100, true},
        AdmissionCase{"higher level lower score", records(10, 6, 50, "x"), 5, 60, true},
        AdmissionCase{"higher score lower level", records(10, 4, 200, "x"), 5, 60, true},
        AdmissionCase{"twelve better", records(12, 3, 30, "x"), 0, 0, false},
        AdmissionCase{"empty", "", -4, -4, true}),
    [](const ::testing::TestParamInfo<AdmissionCase>& param) {
        std::string name = param.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(HighScoreTableTest, BetterEntriesBeyondTheTenthPlaceStillCount) {
    // The ten shown first do not beat the result; the ten after them do.
    auto table = tableFromFile(records(10, 9, 5, "first") + records(10, 1, 200, "later"));
    auto tenth = std::next(table->getEntries().begin(), 9);
    ASSERT_EQ(tenth->name, "first");
    ASSERT_EQ(std::next(tenth)->name, "later");
    table->addScore(1, 100, "new");
    EXPECT_EQ(table->getEntries().size(), 20u);
}

TEST_F(HighScoreTableTest, TheFileGrowsByOneRecordPerAdmittedResult) {
    HighScoreTable table;
    for (int round = 1; round <= 3; ++round) {
        table.addScore(round, round * 10, "p");
        EXPECT_EQ(lineCount(savedFile()), 3 * (10 + round));
    }
    table.addScore(-1, -1, "rejected");
    EXPECT_EQ(lineCount(savedFile()), 3 * 13);
}

TEST_F(HighScoreTableTest, ALaterStartReadsOnlyTheFirstFiftyTwoRecords) {
    std::string content;
    for (int i = 0; i < 60; ++i)
        content += records(1, 0, 1000 - i, "n" + std::to_string(i));
    auto table = tableFromFile(content);
    ASSERT_EQ(table->getEntries().size(), 52u);
    EXPECT_EQ(table->getEntries().back().name, "n51");
    table->addScore(0, 5000, "top");
    EXPECT_EQ(lineCount(savedFile()), 3 * 53);
    EXPECT_EQ(HighScoreTable().getEntries().size(), 52u);
}

TEST_F(HighScoreTableTest, AFailedSaveIsLoggedAndLeavesTheOldFileWhole) {
    auto table = tableFromFile("1\n1\nold\n");
    fs::create_directory(replacementFileFor(folder.file("high.dat")));
    CapturedLog log;
    table->addScore(2, 2, "new");
    EXPECT_EQ(log.errors(), "ERROR: can't save high scores!\n");
    EXPECT_EQ(savedFile(), "1\n1\nold\n");
    EXPECT_EQ(namesOf(table->getEntries()), "new old") << "the result stays in the table";
}

TEST_F(HighScoreTableTest, AFailedRenameIsLoggedAndLeavesNoTemporaryFile) {
    auto table = tableFromFile("1\n1\nold\n");
    fs::remove(folder.file("high.dat"));
    fs::create_directories(folder.file("high.dat/in-the-way"));
    CapturedLog log;
    table->addScore(2, 2, "new");
    EXPECT_EQ(log.errors(), "ERROR: can't save high scores!\n");
    EXPECT_TRUE(fs::is_directory(folder.file("high.dat/in-the-way")));
    EXPECT_FALSE(fs::exists(replacementFileFor(folder.file("high.dat"))));
}

TEST_F(HighScoreTableTest, LineBreaksInAGivenNameAreSavedAsSpaces) {
    auto table = tableFromFile("");
    table->addScore(1, 2, "two\nlines");
    EXPECT_EQ(savedFile(), "1\n2\ntwo lines\n");
    EXPECT_EQ(HighScoreTable().getEntries().size(), 1u) << "the file still reads as one record";
}

TEST_F(HighScoreTableTest, NothingIsWrittenAtExit) {
    { HighScoreTable table; }
    EXPECT_FALSE(fs::exists(folder.file("high.dat")));
}

} // namespace
