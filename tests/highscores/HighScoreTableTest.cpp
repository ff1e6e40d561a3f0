// The table: ten defaults without a file, the merge order of results and of
// the file as it loads, which results enter, and the screen of the first ten.
#include "highscores/HighScoreTable.h"
#include "support/ScreenTest.h"

// One-letter names in list order, "-" for a default entry.
static std::string namesOf(const HighScoreTable& table) {
    std::string names;
    for (const HighScoreEntry& e : table.getEntries())
        names += e.name.size() == 1 ? e.name : "-";
    return names;
}

static std::string records(int count, const std::string& record) {
    return count == 0 ? "" : record + records(count - 1, record);
}

class HighScoreTableTest : public ScreenTest {
protected:
    ScratchFolder folder;
};

TEST_F(HighScoreTableTest, EntriesRankInMergeOrder) {
    CapturedLog log;
    HighScoreTable table;
    EXPECT_EQ(log.errors(), "ERROR: can't load high scores!\n");
    EXPECT_EQ(readFile("high.dat"), "") << "the defaults are not written";
    struct Result {
        const char* name;
        int level, score;
        const char* order; // of the names after it
    };
    const Result results[] = {
        {"A", 3, 50, "A----------"},
        {"B", 3, 50, "BA----------"},   // an equal result goes first
        {"C", 2, 80, "ABC----------"},  // more levels rank higher than more points,
        {"D", 5, 20, "BACD----------"}, // unless the list is merged again (see below)
    };
    for (const Result& result : results) {
        table.addScore(result.level, result.score, result.name);
        EXPECT_EQ(namesOf(table), result.order) << "after " << result.name;
    }
    EXPECT_EQ(readFile("high.dat"), "3\n50\nB\n3\n50\nA\n2\n80\nC\n5\n20\nD\n" +
                                        records(10, "0\n0\nworst player ever\n"));
    struct File {
        std::string content;
        std::string order; // of the names loaded
    };
    const File files[] = {
        {"5\n90\nP\n4\n80\nQ\n4\n80\nR\n1\n10\nS\n", "PRQS"},
        {"1\n1\na\n2\n2\nb\n", "ba"},
        {records(60, "1\n1\nn\n"), std::string(52, 'n')}, // no more than 52 records are read
        {"", ""},
    };
    for (const File& file : files) {
        writeFile("high.dat", file.content);
        EXPECT_TRUE(table.load());
        EXPECT_EQ(namesOf(table), file.order) << file.content;
    }
}

TEST_F(HighScoreTableTest, AResultEntersUnlessTenEntriesOfTheWholeListBeatIt) {
    struct Candidate {
        std::string file;
        int level, score;
        bool admitted;
    };
    const Candidate candidates[] = {
        {records(10, "5\n100\nx\n"), 5, 99, false},
        {records(9, "5\n100\nx\n") + "5\n99\ny\n", 5, 99, true}, // nine beat it, one is equal
        {records(10, "6\n50\nx\n"), 5, 60, true},                // a higher level, a lower score
        {records(10, "4\n200\nx\n"), 5, 60, true},               // a higher score, a lower level
        {records(10, "9\n5\nx\n") + records(10, "1\n200\ny\n"), 1, 100, false}, // past the tenth
    };
    for (const Candidate& candidate : candidates) {
        writeFile("high.dat", candidate.file);
        // Without a name the keyboard would open, and nothing here would press it.
        HighScoreTable().addScore(candidate.level, candidate.score,
                                  candidate.admitted ? "new" : nullptr);
        const std::string saved = readFile("high.dat");
        EXPECT_EQ(saved.find("new") != std::string::npos, candidate.admitted) << candidate.file;
        EXPECT_EQ(saved == candidate.file, !candidate.admitted) << candidate.file;
    }
    EXPECT_EQ(fake::flips(), 0) << "a name given as text opens no keyboard";
}

// Whether line i shows the text in white from x, or up to x.
static bool onLine(int i, const std::string& text, int x, bool upToX) {
    SurfacePtr r = renderText("small", text.c_str(), WHITE);
    return r && showsText("small", text.c_str(), WHITE, upToX ? x - r->w : x, 10 + i * r->h);
}

// Levels end at x = 40, scores at 106, names start at 146, a line of the small
// font apart from y = 10; the screen stays until a press after half a second.
TEST_F(HighScoreTableTest, TheScreenShowsTheFirstTenEntriesInThreeColumnsOnBlack) {
    std::string file;
    for (int i = 0; i < 12; ++i)
        file += std::to_string(20 - i) + "\n" + std::to_string(800 - 100 * i) + "\n" +
                (i == 9 ? "" : "N" + std::to_string(i)) + "\n"; // the last name empty
    writeFile("high.dat", file);
    // A surface taller than the display would show an eleventh line.
    SDL_Surface* display = ResourceManager::instance().getScreen();
    SurfacePtr tall(SDL_ConvertSurface(filledSurface(320, 400, ~0u).get(), display->format, 0));
    ResourceManager::instance().setScreen(tall.get());
    HighScoreTable().draw();
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(onLine(i, std::to_string(20 - i), 40, true)) << i;
        EXPECT_TRUE(onLine(i, std::to_string(800 - 100 * i), 106, true)) << i; // -100 on the last
        EXPECT_TRUE(i == 9 || onLine(i, "N" + std::to_string(i), 146, false)) << i;
    }
    const int end = 10 + 10 * renderText("small", "0", WHITE)->h;
    EXPECT_EQ(countPixels({0, Sint16(end), 320, Uint16(400 - end)}, 0, 0, 0), 320 * (400 - end));
    writeFile("high.dat", "");
    HighScoreTable().draw();
    EXPECT_EQ(countPixels({0, 0, 320, 400}, 0, 0, 0), 320 * 400) << "an empty table";
    ResourceManager::instance().setScreen(display);
    writeFile("high.dat", "3\n30\nann\n");
    const Uint32 start = fake::now();
    bool shownAtOnce = false;
    fake::onFrame(
        [&](int) { shownAtOnce = fake::now() < start + 100 && onLine(0, "ann", 146, false); });
    fake::pushAt(start + 100, fake::mouseDown(10, 10)); // the press that opened the list
    fake::pushAt(start + 900, fake::keyDown());
    HighScoreTable().show();
    EXPECT_GE(fake::now(), start + 900);
    EXPECT_TRUE(shownAtOnce) << "the list, drawn before the wait";
}
