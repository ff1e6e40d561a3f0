#pragma once

#include "Canvas.h"
#include "Image.h"

namespace artgen {

// Concentric red and white rings with a red bullseye, scaled to any radius.
void paintTarget(Canvas& canvas, float cx, float cy, float radius);

// The target the player shoots: 60 x 60, cyan outside the circle.
Image drawTarget();

} // namespace artgen
