// Fuzzes the on-screen keyboard's key map: arbitrary bytes read as a map of
// arbitrary size, row length and pixel size, pressed at arbitrary points. A
// press never reads outside the map's memory, reads the pixel under it where
// there is one and 0 elsewhere, and turns into the code and the name edit the
// game specifies.
#include "highscores/KeyMap.h"
#include "highscores/NameEntry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The value under a point, worked out from the bytes directly.
Uint32 expectedValue(const std::uint8_t* pixels, int width, int height, int pitch, int size, int x,
                     int y) {
    if (pixels == nullptr || size < 1 || size > 4 || x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    if ((x + 1) * size > pitch)
        return 0; // the row is too short to hold that pixel
    Uint32 value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<Uint32>(pixels[y * pitch + x * size + i]) << (8 * i);
    return value;
}

Uint8 lowestNonZeroByte(Uint32 value) {
    if (value == 0)
        return 0;
    const int byte = __builtin_ctz(value) / 8;
    return static_cast<Uint8>(value >> (8 * byte));
}

void checkNameEdit(Uint8 code) {
    std::string name = "AB";
    const NameEdit result = applyKeyCode(name, code);
    if (code == 13) {
        require(result == NameEdit::End && name == "AB", "13 ends the entry");
        return;
    }
    require(result == NameEdit::Continue, "only 13 ends the entry");
    if (code == 8)
        require(name == "A", "8 deletes the last character");
    else if (code < 32 || code == 127)
        require(name == "AB", "control codes do nothing");
    else
        require(name == std::string("AB") + static_cast<char>(code), "a character is appended");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange<int>(-2, 400);
    const int height = input.ConsumeIntegralInRange<int>(-2, 200);
    const int pixelSize = input.ConsumeIntegralInRange<int>(-1, 6);
    const int pitch = input.ConsumeIntegralInRange<int>(-8, 1700);
    const int presses = input.ConsumeIntegralInRange<int>(0, 32);
    std::vector<std::pair<int, int>> points;
    for (int i = 0; i < presses; ++i) {
        const int x = input.ConsumeIntegralInRange<int>(-500, 2000);
        const int y = input.ConsumeIntegralInRange<int>(-500, 500);
        points.emplace_back(x, y);
    }

    // Exactly the rows the map claims to have, so that any read past them is
    // caught; the remaining input fills them.
    const std::size_t bytes =
        pitch > 0 && height > 0 ? static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height)
                                : 0;
    std::unique_ptr<std::uint8_t[]> pixels(bytes > 0 ? new std::uint8_t[bytes] : nullptr);
    const std::vector<std::uint8_t> fill = input.ConsumeRemainingBytes<std::uint8_t>();
    for (std::size_t i = 0; i < bytes; ++i)
        pixels[i] = fill.empty() ? 0 : fill[i % fill.size()];

    const KeyMapView view{pixels.get(), width, height, pitch, pixelSize};

    // The same map described by a surface, as the keyboard meets it.
    SDL_PixelFormat format{};
    format.BitsPerPixel = static_cast<Uint8>(pixelSize * 8);
    format.BytesPerPixel = static_cast<Uint8>(pixelSize);
    SDL_Surface surface{};
    surface.format = &format;
    surface.w = width;
    surface.h = height;
    surface.pitch = static_cast<Uint16>(pitch);
    surface.pixels = pixels.get();
    const KeyMapView fromSurface = keyMapViewOf(pixelSize >= 0 && pitch >= 0 ? &surface : nullptr);

    for (const auto& [x, y] : points) {
        const Uint32 value = keyMapValueAt(view, x, y);
        require(value == expectedValue(pixels.get(), width, height, pitch, pixelSize, x, y),
                "the value under a press is the map's pixel there, or 0");
        if (fromSurface.pixels != nullptr)
            require(keyMapValueAt(fromSurface, x, y) == value, "a surface reads as its bytes");
        const Uint8 code = keyCodeOf(value);
        require(code == lowestNonZeroByte(value), "the code is the lowest non-zero byte");
        checkNameEdit(code);
    }
    return 0;
}
