#pragma once

#include "Image.h"

namespace artgen {

// The 32 x 32 window icon: a little target under a crosshair, cyan around it.
Image drawIcon();

} // namespace artgen
