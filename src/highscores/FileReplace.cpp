#include "highscores/FileReplace.h"

#include <cstdio>
#include <unistd.h>

namespace {

bool writeAll(std::FILE* file, const std::string& content) {
    if (!content.empty() && std::fwrite(content.data(), 1, content.size(), file) != content.size())
        return false;
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

} // namespace

std::string replacementFileFor(const std::string& path) {
    return path + ".new";
}

bool replaceFileContents(const std::string& path, const std::string& content) {
    const std::string temporary = replacementFileFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = writeAll(file, content);
    const bool closed = std::fclose(file) == 0;
    if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}
