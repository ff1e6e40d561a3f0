#pragma once

#include "game/ScreenDrawing.h"

#include <SDL.h>

// The Ravav-E-Vidid: a picture behind the targets that may slide across the
// screen, bouncing off its own edges independently in x and y. Without a
// picture the screen behind the targets is black. The offsets and directions
// live as long as one game and carry over from round to round.
class ScrollingBackground {
public:
    // picture: owned by the caller (the image cache), or null for none;
    // speeds in pixels per second.
    ScrollingBackground(SDL_Surface* picture, int speedX, int speedY);

    // The clock from which the next steps are measured: each round's start.
    void startRound(Uint32 now);

    // The picture from its top-left corner, as shown before a round.
    void drawUnscrolled();
    // One frame of play: moves the picture by the whole pixels due, then draws it.
    void drawScrolled();

    // Where the picture's top-left corner is, relative to the screen's.
    int getOffsetX() const { return x.offset; }
    int getOffsetY() const { return y.offset; }

private:
    // One direction of movement. The offset stays between the far limit
    // (screen size - picture size) and 0 for a picture at least as large as
    // the screen.
    struct Axis {
        int offset = 0;
        float velocity = 0.0f; // pixels per millisecond, the sign is the direction
        Uint32 lastTime = 0;
        int farLimit = 0;

        void step(Uint32 now);
    };

    void blitFrom(int sourceX, int sourceY);

    // The game's own copy of the picture, made to blit as fast as the display
    // allows; null without a picture.
    SurfacePtr picture;
    Axis x;
    Axis y;
};
