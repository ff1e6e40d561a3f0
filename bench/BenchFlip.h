#pragma once

// Whether SDL_Flip presents frames (on unless set): frames can be measured
// with and without the cost of presenting them.
void presentFlips(bool present);
