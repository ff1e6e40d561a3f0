#pragma once

#include "Colour.h"

namespace artgen {

// The game's shared colours, so the target looks the same on every picture.
constexpr Colour kTargetRed = rgb(222, 24, 32);
constexpr Colour kTargetWhite = rgb(250, 248, 244);
constexpr Colour kTargetRim = rgb(96, 8, 12);
constexpr Colour kInk = rgb(18, 18, 24);
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kBlack = rgb(0, 0, 0);

} // namespace artgen
