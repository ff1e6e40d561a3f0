#include "highscores/HighScoreTable.h"
#include "highscores/FileReplace.h"
#include "highscores/HighScoreRanking.h"
#include "support/Permissions.h"
#include "support/ScreenTest.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

HighScoreEntry entry(const std::string& name, int level, int score) {
    return {name, score, level};
}

// The names in list order, joined: "A B - - -".
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

TEST(RanksBefore, NeedsBothLevelAndScoreAtLeastAsGood) {
    const struct {
        HighScoreEntry a, b;
        bool aFirst;
    } cases[] = {
        {entry("a", 3, 50), entry("b", 3, 50), true},  // equal ones rank before each other
        {entry("a", 4, 50), entry("b", 3, 50), true},  // better level
        {entry("a", 3, 51), entry("b", 3, 50), true},  // better score
        {entry("a", 2, 50), entry("b", 3, 50), false}, // worse level
        {entry("a", 3, 49), entry("b", 3, 50), false}, // worse score
        {entry("a", 5, 20), entry("b", 2, 80), false}, // better level, worse score
        {entry("a", 2, 80), entry("b", 5, 20), false}, // and the other way round
        {entry("a", 0, 0), entry("b", 0, -7), true},   // negative scores compare as numbers
    };
    for (const auto& c : cases)
        EXPECT_EQ(ranksBefore(c.a, c.b), c.aFirst)
            << "(" << c.a.level << ", " << c.a.score << ") before (" << c.b.level << ", "
            << c.b.score << ")";
}

// Results entered one after the other into the ten defaults, each appended at
// the end of the list and the list sorted again.
TEST(SortHighScores, WorkedSequenceFromTheDefaults) {
    const std::pair<HighScoreEntry, const char*> steps[] = {
        {entry("A", 3, 50), "A - - - - - - - - - -"},
        {entry("B", 3, 50), "B A - - - - - - - - - -"},
        {entry("C", 2, 80), "A B C - - - - - - - - - -"},
        {entry("D", 5, 20), "B A C D - - - - - - - - - -"},
    };
    std::list<HighScoreEntry> table(10, entry("-", 0, 0));
    for (const auto& [added, order] : steps) {
        table.push_back(added);
        sortHighScores(table);
        EXPECT_EQ(namesOf(table), order) << "after adding " << added.name;
    }
}

#ifdef __GLIBCXX__
// The list sort of the GNU C++ library is the same bottom-up merge, so with
// ranksBefore as its comparison it places equal and incomparable entries the
// same way: a second opinion over many mixed lists, short ones and ones long
// enough to carry runs through many slots.
TEST(SortHighScores, AgreesWithTheGnuListSortOnMixedLists) {
    std::srand(11);
    for (int round = 0; round < 300; ++round) {
        std::list<HighScoreEntry> table;
        const int size = round % 20 == 0 ? 200 + std::rand() % 400 : std::rand() % 40;
        for (int i = 0; i < size; ++i)
            table.push_back(entry(std::to_string(i), std::rand() % 4, std::rand() % 4 * 10));
        std::list<HighScoreEntry> reference = table;
        reference.sort(ranksBefore);
        sortHighScores(table);
        ASSERT_EQ(namesOf(table), namesOf(reference)) << "round " << round;
    }
}
#endif

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
    {
        CapturedLog log;
        HighScoreTable table;
        EXPECT_EQ(log.errors(), "ERROR: can't load high scores!\n");
        EXPECT_EQ(table.getEntries().size(), 10u) << "what they hold shows in the next test";
    }
    EXPECT_FALSE(fs::exists(folder.file("high.dat"))) << "not even at exit";
}

TEST_F(HighScoreTableTest, TheFileIsRankedAsItLoads) {
    auto table = tableFromFile("5\n90\nP\n4\n80\nQ\n4\n80\nR\n1\n10\nS\n");
    EXPECT_EQ(namesOf(table->getEntries()), "P R Q S");
    EXPECT_TRUE(table->load());
    EXPECT_EQ(namesOf(table->getEntries()), "P R Q S") << "loading again starts afresh";
}

TEST_F(HighScoreTableTest, TheWorkedSequenceIsSavedInItsOrder) {
    HighScoreTable table;
    table.addScore(3, 50, "A");
    table.addScore(3, 50, "B");
    table.addScore(2, 80, "C");
    table.addScore(5, 20, "D");
    EXPECT_EQ(savedFile(),
              "3\n50\nB\n3\n50\nA\n2\n80\nC\n5\n20\nD\n" + records(10, 0, 0, "worst player ever"));
}

TEST_F(HighScoreTableTest, AResultEntersUnlessTenEntriesOfTheWholeListBeatIt) {
    const struct {
        const char* what;
        std::string file;
        int level, score;
        bool admitted;
    } cases[] = {
        {"ten better", records(10, 5, 100, "x"), 5, 99, false},
        {"nine better", records(9, 5, 100, "x") + records(1, 5, 99, "y"), 5, 99, true},
        {"equal to the tenth", records(10, 5, 100, "x"), 5, 100, true},
        {"higher level, lower score", records(10, 6, 50, "x"), 5, 60, true},
        {"higher score, lower level", records(10, 4, 200, "x"), 5, 60, true},
        {"twelve better", records(12, 3, 30, "x"), 0, 0, false},
        // The ten ranked first do not beat the result; the ten after them do.
        {"ten better after the tenth place", records(10, 9, 5, "x") + records(10, 1, 200, "y"), 1,
         100, false},
        {"empty", "", -4, -4, true},
    };
    for (const auto& c : cases) {
        auto table = tableFromFile(c.file);
        const std::size_t before = table->getEntries().size();
        table->addScore(c.level, c.score, "new");
        EXPECT_EQ(table->getEntries().size(), before + (c.admitted ? 1 : 0)) << c.what;
        EXPECT_EQ(savedFile() == c.file, !c.admitted) << c.what << ": saved only when admitted";
    }
    EXPECT_EQ(fake::flips(), 0) << "a name given as text opens no keyboard";
}

TEST_F(HighScoreTableTest, TheFileGrowsByOneRecordPerAdmittedResultAndIsReadBackTo52) {
    HighScoreTable table;
    for (int round = 1; round <= 3; ++round) {
        table.addScore(round, round * 10, "p");
        EXPECT_EQ(lineCount(savedFile()), 3 * (10 + round));
    }
    table.addScore(-1, -1, "rejected");
    EXPECT_EQ(lineCount(savedFile()), 3 * 13);

    auto full = tableFromFile(records(60, 0, 0, "n"));
    ASSERT_EQ(full->getEntries().size(), 52u);
    full->addScore(0, 5000, "top");
    EXPECT_EQ(lineCount(savedFile()), 3 * 53);
    EXPECT_EQ(HighScoreTable().getEntries().size(), 52u);
}

TEST_F(HighScoreTableTest, AFailedSaveIsLoggedAndLeavesTheOldFileWhole) {
    auto table = tableFromFile("1\n1\nold\n");
    ASSERT_EQ(chmod(folder.file("high.dat").c_str(), 0444), 0);
    CapturedLog log;
    {
        WithoutOverridingPermissions asAnyPlayer;
        table->addScore(2, 2, "new");
    }
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
}

} // namespace
