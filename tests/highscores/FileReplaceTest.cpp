// Saving "high.dat" keeps its mode, a link naming it and its other names,
// refuses a file the player may not write, and never leaves it half written:
// not on a full disk, not after a failed step, not after a crash.
#include "highscores/FileReplace.h"
#include "support/ScreenTest.h"

#include <sys/wait.h>

namespace {

// A step of a save that goes wrong, once. The test binary is linked with
// --wrap for these calls, so the save itself meets the failure.
enum class Fault {
    NONE,
    FULL_DISK,
    NO_ROOM_TO_RESERVE,
    WRITE_HALFWAY,
    TRUNCATE,
    SYNC,
    FOLDER_SYNC,
    CRASH_AT_RENAME
};
Fault fault = Fault::NONE;
int renames = 0, writes = 0;
std::pair<ino_t, int> lastFolderSync; // the folder, and the renames before it

bool failsNow(Fault step) {
    if (fault != step)
        return false;
    fault = Fault::NONE;
    errno = step == Fault::FULL_DISK || step == Fault::NO_ROOM_TO_RESERVE ? ENOSPC : EIO;
    return true;
}

ino_t inodeOf(const std::string& path) {
    struct stat file {};
    return stat(path.c_str(), &file) == 0 ? file.st_ino : 0;
}

} // namespace

extern "C" {
ssize_t __real_pwrite(int file, const void* bytes, size_t size, off_t at);
int __real_ftruncate(int file, off_t size);
int __real_fsync(int file);
int __real_rename(const char* from, const char* to);
int __real_fallocate(int file, int mode, off_t at, off_t size);

int __wrap_fallocate(int file, int mode, off_t at, off_t size) {
    return failsNow(Fault::NO_ROOM_TO_RESERVE) ? -1 : __real_fallocate(file, mode, at, size);
}

ssize_t __wrap_pwrite(int file, const void* bytes, size_t size, off_t at) {
    writes += 1;
    if (fault == Fault::WRITE_HALFWAY) { // half of it lands, then the disk is full
        fault = Fault::FULL_DISK;
        return __real_pwrite(file, bytes, size / 2, at);
    }
    return failsNow(Fault::FULL_DISK) ? -1 : __real_pwrite(file, bytes, size, at);
}

int __wrap_ftruncate(int file, off_t size) {
    return failsNow(Fault::TRUNCATE) ? -1 : __real_ftruncate(file, size);
}

int __wrap_fsync(int file) {
    struct stat synced {};
    const bool folder = fstat(file, &synced) == 0 && S_ISDIR(synced.st_mode);
    if (folder)
        lastFolderSync = {synced.st_ino, renames};
    return failsNow(folder ? Fault::FOLDER_SYNC : Fault::SYNC) ? -1 : __real_fsync(file);
}

int __wrap_rename(const char* from, const char* to) {
    if (fault == Fault::CRASH_AT_RENAME)
        _exit(0); // the power goes off with the new file made but not yet in place
    renames += 1;
    return __real_rename(from, to);
}
} // extern "C"

TEST(FileReplace, ASaveReplacesTheWholeFileOrLeavesItAsItWas) {
    enum Before { NO_FILE, OLD_FILE, HARD_LINKED, SYMLINKED, READ_ONLY, IN_READ_ONLY_FOLDER };
    enum Way { RENAMED, IN_PLACE, UNTOUCHED };
    const char* const OLD = "3\n250\nann\n4\n100\nbob\n";
    const char* const LONGER = "10\n1999\nbarbara\n3\n250\nann\n4\n100\nbob\n";
    const char* const SHORTER = "1\n5\nc\n";
    struct Save {
        const char* what;
        Before before;
        const char* leftover; // by a save that crashed before, holding this
        Fault fault;
        const char* content;
        Way way;
    };
    const Save saves[] = {
        {"a first save", NO_FILE, nullptr, Fault::NONE, SHORTER, RENAMED},
        {"over the old file", OLD_FILE, nullptr, Fault::NONE, LONGER, RENAMED},
        {"through a link, beside its file", SYMLINKED, nullptr, Fault::NONE, SHORTER, RENAMED},
        {"a file with another name", HARD_LINKED, nullptr, Fault::NONE, SHORTER, IN_PLACE},
        {"in a folder that takes no new file", IN_READ_ONLY_FOLDER, nullptr, Fault::NONE, SHORTER,
         IN_PLACE},
        {"a file the player may not write", READ_ONLY, nullptr, Fault::NONE, SHORTER, UNTOUCHED},
        {"on a full disk", OLD_FILE, nullptr, Fault::FULL_DISK, SHORTER, UNTOUCHED},
        {"on a full disk, in place", HARD_LINKED, nullptr, Fault::NO_ROOM_TO_RESERVE, SHORTER,
         UNTOUCHED},
        {"a write that fails halfway", HARD_LINKED, nullptr, Fault::WRITE_HALFWAY, LONGER,
         UNTOUCHED},
        {"a failed truncation", HARD_LINKED, nullptr, Fault::TRUNCATE, SHORTER, UNTOUCHED},
        {"a failed sync in place", HARD_LINKED, nullptr, Fault::SYNC, SHORTER, UNTOUCHED},
        {"a failed sync of the new file", OLD_FILE, nullptr, Fault::SYNC, SHORTER, UNTOUCHED},
        {"a folder that cannot be synced", OLD_FILE, nullptr, Fault::FOLDER_SYNC, SHORTER, RENAMED},
        {"after a crash, empty", NO_FILE, "", Fault::NONE, SHORTER, RENAMED},
        {"after a crash, garbage", NO_FILE, "\x01garbage", Fault::NONE, SHORTER, RENAMED},
        {"after a crash, over a file", OLD_FILE, "", Fault::NONE, SHORTER, RENAMED},
        {"after a crash, garbage, over a file", OLD_FILE, "\x01garbage", Fault::NONE, SHORTER,
         RENAMED},
    };
    ScratchFolder scratch;
    WithoutOverridingPermissions asAnyPlayer;
    int row = 0;
    for (const Save& save : saves) {
        const std::string folder = "row" + std::to_string(++row), file = folder + "/high.dat";
        const std::string other = folder + "/other";
        fs::create_directory(folder);
        if (save.before == SYMLINKED)
            fs::create_symlink("other", file);
        if (save.before != NO_FILE) {
            writeFile(save.before == SYMLINKED ? other : file, OLD);
            fs::permissions(save.before == SYMLINKED ? other : file, fs::perms(0640));
        }
        if (save.before == HARD_LINKED)
            fs::create_hard_link(file, other);
        if (save.before == READ_ONLY)
            fs::permissions(file, fs::perms(0444));
        if (save.leftover != nullptr && fork() == 0) {
            fault = Fault::CRASH_AT_RENAME;
            replaceFileContents(file, "5\n5\ncrashed\n");
            _exit(1);
        }
        wait(nullptr);
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.insert(entry.path().filename().string());
        if (save.leftover != nullptr)
            writeFile(folder + "/" + *files.rbegin(), save.leftover); // after "high.dat"
        if (save.before == IN_READ_ONLY_FOLDER)
            fs::permissions(folder, fs::perms(0555));
        const ino_t before = inodeOf(file);
        const int writesBefore = writes;
        fault = save.fault;
        const bool saved = replaceFileContents(file, save.content);
        fault = Fault::NONE;

        EXPECT_EQ(saved, save.way != UNTOUCHED) << save.what;
        EXPECT_EQ(readFile(file), saved                    ? save.content
                                  : save.before == NO_FILE ? ""
                                                           : OLD)
            << save.what;
        EXPECT_EQ(inodeOf(file) != before, save.way == RENAMED) << save.what << ": renamed";
        if (save.fault == Fault::NO_ROOM_TO_RESERVE) {
            EXPECT_EQ(writes, writesBefore) << save.what << ": refused before a byte is written";
        }
        if (save.before == OLD_FILE || save.before == SYMLINKED) {
            EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640)) << save.what;
        }
        if (save.before == SYMLINKED || save.before == HARD_LINKED) {
            EXPECT_EQ(readFile(other), readFile(file)) << save.what << ": by its other name";
        }
        if (save.before == SYMLINKED) {
            EXPECT_TRUE(fs::is_symlink(file)) << save.what << ": the link stays";
        }
        if (save.way == RENAMED) {
            EXPECT_EQ(lastFolderSync, std::make_pair(inodeOf(folder), renames))
                << save.what << ": the folder synced after the rename";
        }
        std::set<std::string> after;
        for (const auto& entry : fs::directory_iterator(folder))
            after.insert(entry.path().filename().string());
        files.insert("high.dat");
        EXPECT_EQ(after, files) << save.what << ": no file of this save is left";
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    }
}
