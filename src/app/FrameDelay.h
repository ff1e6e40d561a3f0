#pragma once

#include "app/AppState.h"

// Pauses according to a screen state: none while quitting, failing or starting,
// one second to hold a splash picture, and 15 ms to pace every other screen.
void frameDelay(AppState state);
