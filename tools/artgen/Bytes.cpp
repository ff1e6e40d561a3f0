#include "Bytes.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace artgen {

void putLe16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void putLe32(Bytes& out, std::uint32_t value) {
    putLe16(out, value & 0xFFFFu);
    putLe16(out, value >> 16);
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                         std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace artgen
