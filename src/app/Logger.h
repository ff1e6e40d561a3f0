#pragma once

#include <ostream>

// Levelled diagnostics. Level 0 (errors) always reaches standard error; other
// levels reach standard output up to the threshold and are dropped above it.
// Messages carry their own wording and end with std::endl.
class Logger {
public:
    static void setLevel(int level);
    static int level();
    static std::ostream& stream(int level);
};

// A stream without a buffer: everything written to it is discarded.
class NullStream : public std::ostream {
public:
    NullStream() : std::ostream(nullptr) {}
};
