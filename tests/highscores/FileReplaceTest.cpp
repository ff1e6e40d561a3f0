// Saving "high.dat" keeps its mode, a link naming it and its other names,
// refuses a file the player may not write, and never leaves it half written:
// not on a full disk, not after a failed step, not after a crash.
#include "highscores/FileReplace.h"
#include "highscores/HighScoreTable.h"
#include "support/ScreenTest.h"

#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>

namespace {

// A step of a save that goes wrong, once. The test binary is linked with
// --wrap for these calls, so the save itself meets the failure.
enum class Fault {
    NONE,
    WRITE_HALFWAY,
    NO_ROOM_LEFT,
    TRUNCATE,
    SYNC,
    FOLDER_SYNC,
    CRASH_AT_RENAME
};
Fault fault = Fault::NONE;

int renames = 0;
struct FolderSync {
    ino_t folder;
    int renamesBefore;
};
std::vector<FolderSync> folderSyncs;

bool failsNow(Fault step) {
    if (fault != step)
        return false;
    fault = Fault::NONE;
    errno = step == Fault::NO_ROOM_LEFT ? ENOSPC : EIO;
    return true;
}

ino_t inodeOf(const std::string& path) {
    struct stat file {};
    return stat(path.c_str(), &file) == 0 ? file.st_ino : 0;
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

extern "C" {
ssize_t __real_pwrite(int file, const void* bytes, size_t size, off_t at);
int __real_ftruncate(int file, off_t size);
int __real_fsync(int file);
int __real_rename(const char* from, const char* to);

ssize_t __wrap_pwrite(int file, const void* bytes, size_t size, off_t at) {
    if (fault == Fault::WRITE_HALFWAY) { // half of it lands, then the disk is full
        fault = Fault::NO_ROOM_LEFT;
        return __real_pwrite(file, bytes, size / 2, at);
    }
    return failsNow(Fault::NO_ROOM_LEFT) ? -1 : __real_pwrite(file, bytes, size, at);
}

int __wrap_ftruncate(int file, off_t size) {
    return failsNow(Fault::TRUNCATE) ? -1 : __real_ftruncate(file, size);
}

int __wrap_fsync(int file) {
    struct stat synced {};
    const bool folder = fstat(file, &synced) == 0 && S_ISDIR(synced.st_mode);
    if (folder)
        folderSyncs.push_back({synced.st_ino, renames});
    return failsNow(folder ? Fault::FOLDER_SYNC : Fault::SYNC) ? -1 : __real_fsync(file);
}

int __wrap_rename(const char* from, const char* to) {
    if (fault == Fault::CRASH_AT_RENAME)
        _exit(0); // the power goes off with the new file made but not yet in place
    renames += 1;
    return __real_rename(from, to);
}
} // extern "C"

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

// The game dies between making its new file and putting it in place; the next
// save, finding that leftover, still replaces "high.dat" whole, by a rename
// (a new file), and keeps the new name through a power cut by syncing the folder.
TEST(FileReplace, ALeftoverOfACrashedSaveNeitherBlocksNorChangesTheNextOne) {
    struct Leftover {
        const char* content;
        bool highScoresBefore;
    };
    const Leftover leftovers[] = {
        {"", false}, {"\x01garbage\n", false}, {"", true}, {"\x01garbage\n", true}};
    ScratchFolder folder;
    int run = 0;
    for (const Leftover& leftover : leftovers) {
        const std::string place = "run" + std::to_string(++run);
        const std::string file = place + "/high.dat";
        fs::create_directory(place);
        if (leftover.highScoresBefore)
            writeFile(file, "1\n1\nold\n");
        const pid_t game = fork();
        if (game == 0) {
            fault = Fault::CRASH_AT_RENAME;
            replaceFileContents(file, "5\n5\ncrashed\n");
            _exit(1);
        }
        int status = -1;
        waitpid(game, &status, 0);
        std::set<std::string> left = filesIn(place);
        left.erase("high.dat");
        ASSERT_EQ(left.size(), 1u) << "the crashed save left its new file behind";
        const std::string leftoverFile = place + "/" + *left.begin();
        writeFile(leftoverFile, leftover.content);
        const ino_t before = inodeOf(file);
        const int renamesBefore = renames;

        EXPECT_TRUE(replaceFileContents(file, "2\n2\nnext\n")) << place;
        EXPECT_EQ(readFile(file), "2\n2\nnext\n") << place;
        EXPECT_NE(inodeOf(file), before) << place << ": saved by a rename";
        EXPECT_EQ(renames, renamesBefore + 1) << place;
        EXPECT_EQ(filesIn(place), (std::set<std::string>{"high.dat", *left.begin()})) << place;
        EXPECT_EQ(readFile(leftoverFile), leftover.content) << place;
        ASSERT_FALSE(folderSyncs.empty()) << place;
        EXPECT_EQ(folderSyncs.back().folder, inodeOf(place)) << place;
        EXPECT_EQ(folderSyncs.back().renamesBefore, renames) << place << ": after the rename";
    }
}

// Whatever step of a save fails, "high.dat" afterwards holds exactly its old
// bytes, and the save says it failed; a save that says it succeeded left the
// new bytes. A file with another name is rewritten in place, one without by a
// rename; a folder that cannot be synced does not undo a finished rename.
TEST(FileReplace, AFailedStepLeavesTheOldBytesAndASuccessTheNewOnes) {
    struct Step {
        const char* what;
        Fault fault;
        bool inPlace;
        const char* newContent;
        bool saved;
    };
    const char* const OLD = "3\n250\nann\n4\n100\nbob\n";
    const char* const LONGER = "10\n1999\nbarbara\n3\n250\nann\n4\n100\nbob\n";
    const char* const SHORTER = "1\n5\nc\n";
    const Step steps[] = {
        {"a longer write that fails halfway", Fault::WRITE_HALFWAY, true, LONGER, false},
        {"a shorter write whose truncation fails", Fault::TRUNCATE, true, SHORTER, false},
        {"a failed sync in place", Fault::SYNC, true, SHORTER, false},
        {"a rewrite in place", Fault::NONE, true, SHORTER, true},
        {"a failed sync of the new file", Fault::SYNC, false, SHORTER, false},
        {"a write of the new file that fails", Fault::WRITE_HALFWAY, false, LONGER, false},
        {"a folder that cannot be synced", Fault::FOLDER_SYNC, false, SHORTER, true},
    };
    ScratchFolder folder;
    for (const Step& step : steps) {
        writeFile("high.dat", OLD);
        std::remove("other-name");
        if (step.inPlace)
            fs::create_hard_link("high.dat", "other-name");
        const ino_t before = inodeOf("high.dat");
        fault = step.fault;
        EXPECT_EQ(replaceFileContents("high.dat", step.newContent), step.saved) << step.what;
        fault = Fault::NONE;
        EXPECT_EQ(readFile("high.dat"), step.saved ? step.newContent : OLD) << step.what;
        EXPECT_EQ(inodeOf("high.dat") == before, step.inPlace || !step.saved) << step.what;
        std::set<std::string> expected{"fonts", "high.dat", "images", "sounds"};
        if (step.inPlace)
            expected.insert("other-name");
        EXPECT_EQ(filesIn("."), expected) << step.what << ": no temporary file is left";
    }
}
