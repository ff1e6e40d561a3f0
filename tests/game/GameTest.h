#pragma once

#include "game/GameSession.h"
#include "media/ResourceManager.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

class GameTest : public ScreenTest {
protected:
    // Whether the picture shows with its corner at (x, y) around targets, lines and totals.
    static bool showsPictureAt(const char* file, int x, int y) {
        SDL_Surface* picture = ResourceManager::instance().loadImage(file);
        int same = 0;
        SDL_LockSurface(picture);
        for (int sy = 0; sy < 240; ++sy)
            for (int sx = 0; sx < 320; ++sx)
                same += Sprite::getPixel(picture, sx - x, sy - y) == pixelAt(sx, sy) ? 1 : 0;
        SDL_UnlockSurface(picture);
        return same > 320 * 240 / 2;
    }
};
