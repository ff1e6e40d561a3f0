#include "app/Logger.h"

#include <iostream>

namespace {
int threshold = 3;
} // namespace

void Logger::setLevel(int level) {
    threshold = level;
}

int Logger::level() {
    return threshold;
}

std::ostream& Logger::stream(int level) {
    if (level == 0)
        return std::cerr;
    if (level <= threshold)
        return std::cout;
    // Made on first need and kept for the life of the process.
    static NullStream* discard = new NullStream();
    return *discard;
}
