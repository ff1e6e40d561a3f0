#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

using Bytes = std::vector<std::uint8_t>;

// BMP and WAV headers are little-endian whatever machine builds the game.
void putLe16(Bytes& out, std::uint32_t value);
void putLe32(Bytes& out, std::uint32_t value);

// Throws std::runtime_error when the file cannot be written in full.
void writeFile(const std::string& path, const Bytes& bytes);

} // namespace artgen
