#pragma once

#include "Shapes.h"

namespace artgen {

// Icon silhouettes for the main-menu buttons, about 26 pixels across, centred
// on (cx, cy). They are plain shapes so the button can outline and fill them.
Shape playIcon(float cx, float cy);
Shape stopwatchIcon(float cx, float cy);
// The stopwatch's hands, painted dark over its white face.
Shape stopwatchHands(float cx, float cy);
Shape trophyIcon(float cx, float cy);
Shape powerIcon(float cx, float cy);

} // namespace artgen
