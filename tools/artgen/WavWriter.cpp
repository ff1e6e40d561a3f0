#include "WavWriter.h"

#include "Bytes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen {

void writeWav(const std::string& path, int sampleRate, const std::vector<float>& samples) {
    constexpr std::uint32_t kBytesPerSample = 2;
    const std::uint32_t dataSize = std::uint32_t(samples.size()) * kBytesPerSample;
    Bytes out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    putLe32(out, 36 + dataSize);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLe32(out, 16); // fmt chunk size
    putLe16(out, 1);  // PCM
    putLe16(out, 1);  // mono
    putLe32(out, std::uint32_t(sampleRate));
    putLe32(out, std::uint32_t(sampleRate) * kBytesPerSample);
    putLe16(out, kBytesPerSample); // block align
    putLe16(out, 16);              // bits per sample
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    putLe32(out, dataSize);
    for (const float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        putLe16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    writeFile(path, out);
}

} // namespace artgen
