// Saving "high.dat" keeps its mode, a link naming it and its other names,
// refuses a file the player may not write, and never leaves it half written.
#include "highscores/FileReplace.h"
#include "highscores/HighScoreTable.h"
#include "support/ScreenTest.h"

#include <sys/resource.h>

#include <csignal>

TEST(FileReplace, KeepsWhatTheFileSystemSaysAndNeverLeavesAHalfWrittenFile) {
    ScratchFolder folder;
    WithoutOverridingPermissions asAnyPlayer;
    writeFile("high.dat", "1\n1\nold\n");
    fs::permissions("high.dat", fs::perms(0444));
    CapturedLog log;
    HighScoreTable().addScore(2, 2, "new");
    EXPECT_EQ(log.errors(), "ERROR: can't save high scores!\n");
    EXPECT_EQ(readFile("high.dat"), "1\n1\nold\n");

    fs::permissions("high.dat", fs::perms(0640));
    EXPECT_TRUE(replaceFileContents("high.dat", "1\n"));
    EXPECT_EQ(fs::status("high.dat").permissions(), fs::perms(0640));
    fs::create_directory("shared");
    fs::create_symlink("shared/scores", "linked.dat");
    writeFile("shared/scores", "old\n");
    EXPECT_TRUE(replaceFileContents("linked.dat", "2\n"));
    fs::create_hard_link("high.dat", "backup");
    writeFile("solo.dat", "a much longer old content\n");

    // A full disk, as a file size limit: no save, replacing or in place, touches it.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{8, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(replaceFileContents("solo.dat", "far more than eight bytes\n"));
    EXPECT_FALSE(replaceFileContents("high.dat", "far more than eight bytes\n"));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(readFile("high.dat") + readFile("solo.dat"), "1\na much longer old content\n");

    EXPECT_TRUE(replaceFileContents("high.dat", "3\n")); // and so its other name
    fs::permissions(".", fs::perms(0555));               // a folder that takes no new file
    EXPECT_TRUE(replaceFileContents("solo.dat", "4\n"));
    EXPECT_EQ(readFile("shared/scores") + readFile("backup") + readFile("solo.dat"), "2\n3\n4\n");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 8) << "no temporary file is left";
}
