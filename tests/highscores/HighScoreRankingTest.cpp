#include "highscores/HighScoreRanking.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

HighScoreEntry entry(const std::string& name, int level, int score) {
    return {name, score, level};
}

std::list<HighScoreEntry> tenDefaults() {
    return std::list<HighScoreEntry>(10, entry("-", 0, 0));
}

// The names in list order, joined: "A B - - -".
std::string namesOf(const std::list<HighScoreEntry>& entries) {
    std::string names;
    for (const HighScoreEntry& e : entries)
        names += (names.empty() ? "" : " ") + e.name;
    return names;
}

struct RankCase {
    HighScoreEntry a;
    HighScoreEntry b;
    bool aFirst;
};

TEST(RanksBefore, NeedsBothLevelAndScoreAtLeastAsGood) {
    const RankCase cases[] = {
        {entry("a", 3, 50), entry("b", 3, 50), true},  // equal ones rank before each other
        {entry("a", 4, 50), entry("b", 3, 50), true},  // better level
        {entry("a", 3, 51), entry("b", 3, 50), true},  // better score
        {entry("a", 2, 50), entry("b", 3, 50), false}, // worse level
        {entry("a", 3, 49), entry("b", 3, 50), false}, // worse score
        {entry("a", 5, 20), entry("b", 2, 80), false}, // better level, worse score
        {entry("a", 2, 80), entry("b", 5, 20), false}, // and the other way round
        {entry("a", 0, 0), entry("b", 0, -7), true},   // negative scores compare as numbers
    };
    for (const RankCase& c : cases)
        EXPECT_EQ(ranksBefore(c.a, c.b), c.aFirst)
            << "(" << c.a.level << ", " << c.a.score << ") before (" << c.b.level << ", "
            << c.b.score << ")";
}

// Results entered one after the other into the ten defaults, each appended at
// the end of the list and the list sorted again.
TEST(SortHighScores, WorkedSequenceFromTheDefaults) {
    struct Step {
        HighScoreEntry added;
        const char* order;
    };
    const Step steps[] = {
        {entry("A", 3, 50), "A - - - - - - - - - -"},
        {entry("B", 3, 50), "B A - - - - - - - - - -"},
        {entry("C", 2, 80), "A B C - - - - - - - - - -"},
        {entry("D", 5, 20), "B A C D - - - - - - - - - -"},
    };
    std::list<HighScoreEntry> table = tenDefaults();
    for (const Step& step : steps) {
        table.push_back(step.added);
        sortHighScores(table);
        EXPECT_EQ(namesOf(table), step.order) << "after adding " << step.added.name;
    }
}

TEST(SortHighScores, EqualEntriesInFileOrderSwapPlaces) {
    std::list<HighScoreEntry> table = {entry("P", 5, 90), entry("Q", 4, 80), entry("R", 4, 80),
                                       entry("S", 1, 10)};
    sortHighScores(table);
    EXPECT_EQ(namesOf(table), "P R Q S");
}

TEST(SortHighScores, ShortListsStayAsTheyAre) {
    std::list<HighScoreEntry> empty;
    sortHighScores(empty);
    EXPECT_TRUE(empty.empty());
    std::list<HighScoreEntry> one = {entry("solo", 1, 1)};
    sortHighScores(one);
    EXPECT_EQ(namesOf(one), "solo");
}

// When every pair is comparable and no two are equal, the result is simply
// best first, whatever the length (so every slot and the final merges work).
TEST(SortHighScores, StrictlyComparableEntriesEndBestFirst) {
    std::srand(7);
    for (int size : {2, 3, 5, 8, 13, 64, 100, 257}) {
        std::list<HighScoreEntry> table;
        for (int i = 0; i < size; ++i)
            table.push_back(entry(std::to_string(i), i, i * 10));
        std::vector<HighScoreEntry> shuffled(table.begin(), table.end());
        for (std::size_t i = shuffled.size() - 1; i > 0; --i)
            std::swap(shuffled[i], shuffled[static_cast<std::size_t>(std::rand()) % (i + 1)]);
        table.assign(shuffled.begin(), shuffled.end());
        sortHighScores(table);
        int expected = size - 1;
        for (const HighScoreEntry& e : table)
            EXPECT_EQ(e.level, expected--) << "list of " << size;
    }
}

TEST(MergeNewerIntoOlder, NewerEntriesGoBeforeTheFirstOlderOneTheyRankBefore) {
    std::list<HighScoreEntry> older = {entry("o1", 5, 50), entry("o2", 3, 30)};
    std::list<HighScoreEntry> newer = {entry("n1", 5, 50), entry("n2", 1, 90), entry("n3", 4, 40)};
    mergeNewerIntoOlder(older, newer);
    // n1 equals o1 and goes before it; n2 ranks before neither and blocks n3,
    // so both go at the end.
    EXPECT_EQ(namesOf(older), "n1 o1 o2 n2 n3");
    EXPECT_TRUE(newer.empty());
}

#ifdef __GLIBCXX__
// The list sort of the GNU C++ library is the same bottom-up merge, so with
// ranksBefore as its comparison it places equal and incomparable entries the
// same way: a second opinion over many mixed lists.
TEST(SortHighScores, AgreesWithTheGnuListSortOnMixedLists) {
    std::srand(11);
    for (int round = 0; round < 300; ++round) {
        std::list<HighScoreEntry> table;
        const int size = std::rand() % 40;
        for (int i = 0; i < size; ++i)
            table.push_back(entry(std::to_string(i), std::rand() % 4, std::rand() % 4 * 10));
        std::list<HighScoreEntry> reference = table;
        reference.sort(ranksBefore);
        sortHighScores(table);
        ASSERT_EQ(namesOf(table), namesOf(reference)) << "round " << round;
    }
}
#endif

TEST(CountEntriesBetterThan, CountsHigherOrEqualLevelWithStrictlyGreaterScore) {
    const std::list<HighScoreEntry> table = {
        entry("counts", 5, 60),         entry("equal level counts", 3, 51),
        entry("equal score no", 9, 50), entry("lower level no", 2, 99),
        entry("lower score no", 7, 10),
    };
    EXPECT_EQ(countEntriesBetterThan(table, 3, 50), 2);
}

} // namespace
