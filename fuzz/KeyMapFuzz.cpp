// Fuzzes the key map: any map pressed anywhere reads the pixel under the press,
// less its alpha bits, or 0 beside the map, never beyond it; the code is its
// lowest non-zero byte.
#include "highscores/KeyMap.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange<int>(-2, 400);
    const int height = input.ConsumeIntegralInRange<int>(-2, 200);
    const int bytes = input.ConsumeIntegralInRange<int>(-1, 6);
    const int pitch = input.ConsumeIntegralInRange<int>(-8, 1700);
    const int x = input.ConsumeIntegralInRange<int>(-500, 2000);
    const int y = input.ConsumeIntegralInRange<int>(-500, 500);
    const Uint32 alpha = input.ConsumeIntegral<Uint32>();
    // Exactly the rows the map claims, so that the sanitizers see a read past them.
    std::vector<std::uint8_t> pixels = input.ConsumeRemainingBytes<std::uint8_t>();
    pixels.resize(pitch > 0 && height > 0 ? std::size_t(pitch) * height : 0);
    const KeyMapView map{
        pixels.empty() ? nullptr : pixels.data(), width, height, pitch, bytes, alpha};
    const bool onMap = x >= 0 && y >= 0 && x < width && y < height && (x + 1) * bytes <= pitch;
    Uint32 expected = 0;
    for (int b = 0; onMap && bytes <= 4 && b < bytes; ++b)
        expected |= Uint32(pixels[std::size_t(y * pitch + x * bytes + b)]) << (8 * b);
    expected &= ~alpha;
    const Uint32 value = keyMapValueAt(map, x, y);
    const Uint8 lowest = value == 0 ? 0 : Uint8(value >> (__builtin_ctz(value) / 8 * 8));
    if (value != expected || keyCodeOf(value) != lowest)
        __builtin_trap();
    return 0;
}
