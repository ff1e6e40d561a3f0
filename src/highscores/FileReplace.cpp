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

bool writeAll(int file, const std::string& content, off_t at) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = pwrite(file, content.data() + done, content.size() - done,
                                       at + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool closeFile(int file) {
    return close(file) == 0;
}

// The usual way: a new file beside the old one, renamed over it. False with
// nothing changed when it cannot be done; keptAside tells whether the new
// file could not even be made as the old one was (no room for a new file in
// the folder, or its owner not to be kept), so that rewriting in place may
// still succeed.
bool replaceByRename(const std::string& file, const std::string& content, const struct stat* old,
                     bool& keptAside) {
    const std::string temporary = replacementFileFor(file);
    const int out = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    keptAside = out < 0;
    if (out < 0)
        return false;
    bool kept = true;
    if (old != nullptr) {
        kept = fchmod(out, old->st_mode & 07777) == 0;
        struct stat made {};
        if (kept && fstat(out, &made) == 0 &&
            (made.st_uid != old->st_uid || made.st_gid != old->st_gid))
            kept = fchown(out, old->st_uid, old->st_gid) == 0;
    }
    keptAside = !kept;
    const bool written = kept && writeAll(out, content, 0) && fsync(out) == 0;
    if (closeFile(out) && written && std::rename(temporary.c_str(), file.c_str()) == 0)
        return true;
    unlink(temporary.c_str());
    return false;
}

// Rewrites the file itself. Its room on the disk is reserved first, so that a
// full disk refuses the save before a byte of the old content is touched.
bool rewriteInPlace(const std::string& file, const std::string& content) {
    const int out = open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (out < 0)
        return false;
    struct stat now {};
    const off_t size = static_cast<off_t>(content.size());
    bool done = fstat(out, &now) == 0 &&
                (size <= now.st_size || posix_fallocate(out, now.st_size, size - now.st_size) == 0);
    done = done && writeAll(out, content, 0) && ftruncate(out, size) == 0 && fsync(out) == 0;
    return closeFile(out) && done;
}

} // namespace

std::string replacementFileFor(const std::string& path) {
    return path + ".new";
}

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
