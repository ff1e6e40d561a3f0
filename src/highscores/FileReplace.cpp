#include "highscores/FileReplace.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a path names, through any symbolic links: the one to rewrite.
std::string fileBehind(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string folderOf(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : file.substr(0, slash);
}

bool writeAll(int file, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written =
            pwrite(file, content.data() + done, content.size() - done, static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool readAll(int file, std::string& content) {
    char buffer[4096];
    content.clear();
    for (;;) {
        const ssize_t got = pread(file, buffer, sizeof buffer, static_cast<off_t>(content.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

bool closeFile(int file) {
    return close(file) == 0;
}

// The mode a plain open(..., 0666) would give a new file.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A renamed file's new name lives in its folder: syncing the folder keeps the
// new name through a power cut. Some file systems cannot sync a folder; the
// save is finished all the same.
void syncFolderOf(const std::string& file) {
    const int folder = open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
}

// The usual way: a new file beside the old one, under a name no other save
// uses (a leftover of a save that died never stands in the way), pushed to the
// disk and renamed over the old one. False with nothing changed when it cannot
// be done; keptAside tells whether the new file could not even be made as the
// old one was (no room for a new file in the folder, or its owner not to be
// kept), so that rewriting in place may still succeed.
bool replaceByRename(const std::string& file, const std::string& content, const struct stat* old,
                     bool& keptAside) {
    std::string temporary = file + ".new-XXXXXX";
    const int out = mkostemp(&temporary[0], O_CLOEXEC);
    keptAside = out < 0;
    if (out < 0)
        return false;
    bool kept = fchmod(out, old != nullptr ? old->st_mode & 07777 : newFileMode()) == 0;
    struct stat made {};
    if (kept && old != nullptr && fstat(out, &made) == 0 &&
        (made.st_uid != old->st_uid || made.st_gid != old->st_gid))
        kept = fchown(out, old->st_uid, old->st_gid) == 0;
    keptAside = !kept;
    const bool written = kept && writeAll(out, content) && fsync(out) == 0;
    if (closeFile(out) && written && std::rename(temporary.c_str(), file.c_str()) == 0) {
        syncFolderOf(file);
        return true;
    }
    unlink(temporary.c_str());
    return false;
}

// Room for size bytes, reserved without changing the file's size, so that a
// full disk refuses the save before a byte of the old content is touched.
// Where the file system cannot reserve, a write that finds the disk full
// fails, and the old content is put back.
bool reserveRoom(int file, off_t size) {
    if (fallocate(file, FALLOC_FL_KEEP_SIZE, 0, size) == 0)
        return true;
    return errno == EOPNOTSUPP || errno == ENOSYS;
}

bool writeWhole(int file, const std::string& content) {
    return writeAll(file, content) && ftruncate(file, static_cast<off_t>(content.size())) == 0 &&
           fsync(file) == 0;
}

// Rewrites the file itself. Should any step fail, the old content is written
// back, so the file never keeps a mixture of old and new.
bool rewriteInPlace(const std::string& file, const std::string& content) {
    bool made = false;
    int out = open(file.c_str(), O_RDWR | O_CLOEXEC);
    if (out < 0 && errno == ENOENT) { // also through a link to a file not made yet
        out = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        made = out >= 0;
    }
    if (out < 0)
        return false;
    std::string old;
    if (!readAll(out, old) || !reserveRoom(out, static_cast<off_t>(content.size()))) {
        closeFile(out);
        return false;
    }
    if (writeWhole(out, content))
        return closeFile(out);
    writeWhole(out, old);
    closeFile(out);
    if (made)
        unlink(fileBehind(file).c_str());
    return false;
}

} // namespace

bool replaceFileContents(const std::string& path, const std::string& content) {
    const std::string file = fileBehind(path);
    struct stat old {};
    const bool exists = stat(file.c_str(), &old) == 0;
    if (exists) {
        // Only a file the player may write is saved, whoever may write the folder.
        const int probe = open(file.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (probe < 0 || !S_ISREG(old.st_mode)) {
            if (probe >= 0)
                close(probe);
            return false;
        }
        close(probe);
        // A file known by other names too keeps them only when rewritten.
        if (old.st_nlink > 1)
            return rewriteInPlace(file, content);
    }
    struct stat link {};
    if (!exists && lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
        return rewriteInPlace(path, content); // makes the file the link points to
    bool keptAside = false;
    if (replaceByRename(file, content, exists ? &old : nullptr, keptAside))
        return true;
    return keptAside && exists && rewriteInPlace(file, content);
}
