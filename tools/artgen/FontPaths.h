#pragma once

#include <string>

namespace artgen {

// The two fonts the artwork is lettered with.
struct FontPaths {
    std::string brush;  // the game's script face, for titles and buttons
    std::string keycap; // a bold sans for small, plain labels
};

} // namespace artgen
