#pragma once

#include <vector>

namespace artgen {

constexpr int kSoundRate = 22050;

// A hit: a sharp crack of noise over a short, falling thump. About a quarter second.
std::vector<float> synthesiseShot();
// A miss: a soft, falling "fwip" of filtered air, quieter and duller than a hit.
std::vector<float> synthesiseMiss();

} // namespace artgen
