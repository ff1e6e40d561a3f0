#pragma once

// The whole program: banner, start-up, the screens until the player quits,
// shut-down. Returns the exit status (0, or -1 after a failed start).
int runBrenvik();
