#pragma once

#include "Image.h"

namespace artgen {

// The 32 x 32 window icon: a little target under a crosshair, cyan around it.
Image drawIcon();

// The 64 x 64 icon of the installed game's menu entry: the same target and
// crosshair on an opaque dark tile, since desktops show no colour key.
Image drawDesktopIcon();

} // namespace artgen
