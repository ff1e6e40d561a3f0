#pragma once

#include "game/ScreenDrawing.h"

// The target the game draws itself when "images/target.png" cannot be loaded,
// so that a game stays playable: red and white rings on the transparent cyan,
// in the display's pixel format.
SurfacePtr drawTargetPicture(int size);
