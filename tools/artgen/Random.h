#pragma once

#include <cstdint>

namespace artgen {

// A tiny xorshift generator. The standard distributions differ between library
// versions; this does not, so every build synthesises the same sounds.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed != 0 ? seed : 1u) {}

    // Uniform in -1..1.
    float noise() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return float(state_ >> 8) / float(1u << 23) - 1.0f;
    }

private:
    std::uint32_t state_;
};

} // namespace artgen
