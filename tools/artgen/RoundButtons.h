#pragma once

#include "Image.h"

namespace artgen {

// The 30 x 30 round buttons of the setup screen, cyan outside the circle.
Image drawMinusButton();
Image drawPlusButton();

} // namespace artgen
