#include "BmpWriter.h"

#include "Bytes.h"

namespace artgen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dots per inch

void putHeaders(Bytes& out, int width, int height, std::uint32_t bitsPerPixel,
                std::uint32_t compression, std::uint32_t extraHeader, std::uint32_t imageSize) {
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + extraHeader;
    out.push_back('B');
    out.push_back('M');
    putLe32(out, pixelOffset + imageSize);
    putLe32(out, 0); // reserved
    putLe32(out, pixelOffset);
    putLe32(out, kInfoHeaderSize);
    putLe32(out, std::uint32_t(width));
    putLe32(out, std::uint32_t(height)); // positive: bottom-up rows
    putLe16(out, 1);                     // planes
    putLe16(out, bitsPerPixel);
    putLe32(out, compression);
    putLe32(out, imageSize);
    putLe32(out, kPixelsPerMetre);
    putLe32(out, kPixelsPerMetre);
    putLe32(out, 0); // palette colours
    putLe32(out, 0); // important colours
}

} // namespace

void writeBmp24(const std::string& path, const Image& image) {
    const std::uint32_t rowSize = (std::uint32_t(image.width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * std::uint32_t(image.height);
    Bytes out;
    putHeaders(out, image.width, image.height, 24, kBiRgb, 0, imageSize);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const Rgb p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        out.resize(rowStart + rowSize, 0);
    }
    writeFile(path, out);
}

void writeBmp32(const std::string& path, int width, int height,
                const std::vector<std::uint32_t>& values) {
    const std::uint32_t imageSize = std::uint32_t(width) * std::uint32_t(height) * 4;
    Bytes out;
    putHeaders(out, width, height, 32, kBiBitfields, 12, imageSize);
    putLe32(out, 0x00FF0000u); // red mask
    putLe32(out, 0x0000FF00u); // green mask
    putLe32(out, 0x000000FFu); // blue mask
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            putLe32(out, values[std::size_t(y) * width + x]);
        }
    }
    writeFile(path, out);
}

} // namespace artgen
