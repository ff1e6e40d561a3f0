#pragma once

#include "Image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// The keyboard picture: light key caps on a dark panel, as wide as the screen.
Image drawKeyboard(const std::string& keycapFontPath);

// The matching map, top row first: each key's area holds its character code,
// the gaps between keys hold 0.
std::vector<std::uint32_t> drawKeyboardMap();

} // namespace artgen
