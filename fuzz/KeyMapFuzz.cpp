// Fuzzes the key map: any map pressed anywhere reads the pixel under the press
// or 0 beside the map, never beyond it; the code is its lowest non-zero byte.
#include "highscores/KeyMap.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange<int>(-2, 400);
    const int height = input.ConsumeIntegralInRange<int>(-2, 200);
    const int bytes = input.ConsumeIntegralInRange<int>(-1, 6);
    const int pitch = input.ConsumeIntegralInRange<int>(-8, 1700);
    std::vector<int> points(2 * input.ConsumeIntegralInRange<std::size_t>(0, 32));
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = input.ConsumeIntegralInRange<int>(-500, i % 2 ? 500 : 2000);
    // Exactly the rows the map claims, so that the sanitizers see a read past them.
    std::vector<std::uint8_t> pixels = input.ConsumeRemainingBytes<std::uint8_t>();
    pixels.resize(pitch > 0 && height > 0 ? std::size_t(pitch) * height : 0);
    const KeyMapView map{pixels.empty() ? nullptr : pixels.data(), width, height, pitch, bytes};
    for (std::size_t i = 0; i < points.size(); i += 2) {
        const int x = points[i], y = points[i + 1];
        const bool onMap = x >= 0 && y >= 0 && x < width && y < height && (x + 1) * bytes <= pitch;
        Uint32 expected = 0;
        for (int b = 0; onMap && bytes <= 4 && b < bytes; ++b)
            expected |= Uint32(pixels[std::size_t(y * pitch + x * bytes + b)]) << (8 * b);
        const Uint32 value = keyMapValueAt(map, x, y);
        const Uint8 lowest = value == 0 ? 0 : Uint8(value >> (__builtin_ctz(value) / 8 * 8));
        if (value != expected || keyCodeOf(value) != lowest)
            __builtin_trap();
    }
    return 0;
}
