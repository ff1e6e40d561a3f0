#pragma once

#include "FontPaths.h"
#include "Image.h"

namespace artgen {

// Both splashes are 300 x 200 on black, to sit centred on the black screen.
constexpr int kSplashWidth = 300;
constexpr int kSplashHeight = 200;

// The title card: "Brenvik" across a big target under a scope ring.
Image drawTitleSplash(const FontPaths& fonts);
// The studio card: a round mountain-and-lake badge over "Tolvane".
Image drawStudioSplash(const FontPaths& fonts);

} // namespace artgen
