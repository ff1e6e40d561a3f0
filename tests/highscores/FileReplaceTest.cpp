// Saving a file keeps what the file system says about it: its mode, a link
// that names it, other names it has, and a file the player may not write.
#include "highscores/FileReplace.h"
#include "support/Permissions.h"
#include "support/ScreenTest.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

class FileReplaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/brenvik-save-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
    }
    void TearDown() override {
        chmod(folder.c_str(), 0755);
        fs::remove_all(folder);
    }
    std::string file(const std::string& name) const { return folder + "/" + name; }
    // Whatever is in the folder besides the given names: temporary leftovers.
    int otherFiles(std::initializer_list<std::string> names) const {
        int others = 0;
        for (const auto& entry : fs::directory_iterator(folder))
            others += std::count(names.begin(), names.end(), entry.path().filename()) ? 0 : 1;
        return others;
    }
    static unsigned modeOf(const std::string& path) {
        struct stat status {};
        return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
    }

    std::string folder;
};

TEST_F(FileReplaceTest, ANewFileOrAnOldOneKeepsItsModeAndLeavesNoTemporaryFile) {
    EXPECT_TRUE(replaceFileContents(file("high.dat"), "1\n"));
    EXPECT_EQ(readFile(file("high.dat")), "1\n");
    ASSERT_EQ(chmod(file("high.dat").c_str(), 0640), 0);
    EXPECT_TRUE(replaceFileContents(file("high.dat"), "2\n"));
    EXPECT_EQ(readFile(file("high.dat")), "2\n");
    EXPECT_EQ(modeOf(file("high.dat")), 0640u);
    EXPECT_EQ(otherFiles({"high.dat"}), 0);
}

TEST_F(FileReplaceTest, ALinkStaysALinkAndItsTargetGetsTheContent) {
    fs::create_directory(file("shared"));
    writeFile(file("shared/scores"), "old\n");
    fs::create_symlink("shared/scores", file("high.dat"));
    EXPECT_TRUE(replaceFileContents(file("high.dat"), "new\n"));
    EXPECT_TRUE(fs::is_symlink(file("high.dat")));
    EXPECT_EQ(readFile(file("shared/scores")), "new\n");
    EXPECT_EQ(otherFiles({"high.dat", "shared"}), 0);
    // A link to a file not made yet makes it.
    fs::create_symlink("shared/later", file("next.dat"));
    EXPECT_TRUE(replaceFileContents(file("next.dat"), "first\n"));
    EXPECT_TRUE(fs::is_symlink(file("next.dat")));
    EXPECT_EQ(readFile(file("shared/later")), "first\n");
}

TEST_F(FileReplaceTest, AFileWithASecondNameIsRewrittenUnderBoth) {
    writeFile(file("high.dat"), "old\n");
    fs::create_hard_link(file("high.dat"), file("backup"));
    EXPECT_TRUE(replaceFileContents(file("high.dat"), "new\n"));
    EXPECT_EQ(readFile(file("backup")), "new\n");
}

TEST_F(FileReplaceTest, AFolderThatTakesNoNewFileGetsTheFileRewrittenInPlace) {
    writeFile(file("high.dat"), "a much longer old content\n");
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    WithoutOverridingPermissions asAnyPlayer;
    EXPECT_TRUE(replaceFileContents(file("high.dat"), "new\n"));
    EXPECT_EQ(readFile(file("high.dat")), "new\n");
    EXPECT_FALSE(replaceFileContents(file("absent.dat"), "new\n"));
}

TEST_F(FileReplaceTest, AFileThePlayerMayNotWriteIsLeftAsItIs) {
    writeFile(file("high.dat"), "old\n");
    ASSERT_EQ(chmod(file("high.dat").c_str(), 0444), 0);
    WithoutOverridingPermissions asAnyPlayer;
    EXPECT_FALSE(replaceFileContents(file("high.dat"), "new\n"));
    EXPECT_EQ(readFile(file("high.dat")), "old\n");
    EXPECT_EQ(modeOf(file("high.dat")), 0444u);
    EXPECT_EQ(otherFiles({"high.dat"}), 0);
}

// A full disk, as a limit on the size of files: the save fails before the old
// content is touched, whichever way it is written.
TEST_F(FileReplaceTest, AWriteThatDoesNotFitLeavesTheOldFileWhole) {
    writeFile(file("high.dat"), "old\n");
    writeFile(file("linked"), "old\n");
    fs::create_hard_link(file("linked"), file("other-name"));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool renamed = replaceFileContents(file("high.dat"), "far more than eight bytes\n");
    const bool rewritten = replaceFileContents(file("linked"), "far more than eight bytes\n");
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(renamed);
    EXPECT_FALSE(rewritten);
    EXPECT_EQ(readFile(file("high.dat")), "old\n");
    EXPECT_EQ(readFile(file("linked")), "old\n");
    EXPECT_EQ(otherFiles({"high.dat", "linked", "other-name"}), 0);
}

} // namespace
