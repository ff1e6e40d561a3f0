#pragma once

#include "Image.h"

namespace artgen {

// The scrolling backgrounds are 480 x 360, larger than the screen. Every pattern
// repeats exactly across the picture, so it also tiles without a seam.
constexpr int kBackgroundWidth = 480;
constexpr int kBackgroundHeight = 360;

// Black and white 20-pixel checks.
Image drawCheckerBackground();
// Bold red and white diagonal stripes.
Image drawStripeBackground();
// Loud rainbow interference bands for the wildest levels.
Image drawPsychoBackground();

} // namespace artgen
