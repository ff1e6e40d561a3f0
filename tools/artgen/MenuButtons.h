#pragma once

#include "Image.h"

#include <string>

namespace artgen {

enum class MenuButton { Play, Challenge, HighScores, Exit };

// One main-menu button, 112 x 84: a glossy rounded slab in the button's own
// colour with an icon above its name, cyan beyond the rounded corners.
Image drawMenuButton(MenuButton which, const std::string& brushFontPath);

} // namespace artgen
