#pragma once

// Every press in a menu sounds like a missed shot; a choice that leaves the
// screen for a game sounds like a hit.
constexpr const char* MISS_SOUND = "sounds/miss.wav";
constexpr const char* SHOT_SOUND = "sounds/shot.wav";
