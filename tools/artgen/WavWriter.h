#pragma once

#include <string>
#include <vector>

namespace artgen {

// Saves mono 16-bit PCM. Samples are -1..1 and are clamped, never wrapped.
void writeWav(const std::string& path, int sampleRate, const std::vector<float>& samples);

} // namespace artgen
