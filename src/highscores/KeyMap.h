#pragma once

#include <SDL.h>

// The key map of the on-screen keyboard: a picture the size of the keyboard
// whose pixel values carry character codes. The code of a key is the lowest
// non-zero byte of the 32-bit value under it; 0 means no key. In a 32-bit BMP
// the bytes run blue, green, red, fourth from the lowest up, so a key is
// painted in a colour whose blue is its code (green or red only when blue is 0).
// An alpha channel tells how opaque a pixel is, never which key: its bits are
// left out of the value. (A web browser decodes every picture with an opaque
// alpha channel; read with it, the gaps between the keys would be code 255.)
// Codes 8 (delete) and 13 (end) are the editing keys.
//
// Everything here works on plain bytes, without a display.

// The raw pixels of a map. The game's map has 4 bytes per pixel; other depths
// are read with their own pixel size, the lowest-order byte first.
struct KeyMapView {
    const Uint8* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    int bytesPerPixel = 0;
    Uint32 alphaMask = 0;
};

// The view of a surface's pixels (empty for none). Lock the surface around
// the reads if it may be run-length encoded.
KeyMapView keyMapViewOf(const SDL_Surface* map);

// The map value at a point of the map, without its alpha bits; 0 for every
// point outside it, so a press beside the keyboard is no key and nothing
// outside the map is read.
Uint32 keyMapValueAt(const KeyMapView& map, int column, int line);

// The character code of a map value: its lowest-order non-zero byte, 0 when
// all four are 0.
Uint8 keyCodeOf(Uint32 value);
