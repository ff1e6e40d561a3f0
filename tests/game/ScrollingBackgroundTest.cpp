// The Ravav-E-Vidid behind the targets: a picture sliding at its speeds in
// whole pixels, bouncing off the screen's edges, on from round to round.
#include "game/ScrollingBackground.h"
#include "support/ScreenTest.h"

using ScrollingBackgroundTest = ScreenTest;

TEST_F(ScrollingBackgroundTest, SlidesWholePixelsAndBouncesOffBothEdges) {
    // 480 x 360 like the game's pictures: offsets run from 0 to -160 and -120.
    SurfacePtr picture = filledSurface(480, 360, 0x0000FF);
    Sprite::putPixel(picture.get(), 200, 150, 0xFF0000);
    ScrollingBackground background(picture.get(), 100, 30); // 0.1 and 0.03 pixels a ms
    background.drawUnscrolled();
    EXPECT_TRUE(pixelIs(200, 150, 255, 0, 0)) << "from its corner before a round";
    background.startRound(fake::now());
    struct Frame {
        Uint32 pause; // before it, a pause between rounds: nothing slides meanwhile
        Uint32 after; // ms of play since the last frame
        int x;
        int y;
    };
    const Frame frames[] = {
        {0, 10, -1, 0},        // 1 pixel out of the near edge, bounced back; 0.3 is no pixel
        {0, 20, -3, 0},        // 0.9 is none yet either,
        {0, 10, -4, -1},       // and 1.2 is one: the time waits until a pixel is due
        {0, 50, -9, -2},       // 1.5 is one: the half left over is dropped
        {0, 1600, -160, -50},  // 9 pixels past the far edge: held at it, turning back
        {0, 100, -150, -53},   // back from it
        {1500, 10, -149, -53}, // the next round goes on from there
        {0, 5000, -160, -120}, // a stalled frame: past both edges, mirrored no further
    };
    for (const Frame& frame : frames) {
        fake::advance(frame.pause);
        if (frame.pause > 0)
            background.startRound(fake::now());
        fake::advance(frame.after);
        background.drawScrolled();
        EXPECT_EQ(background.getOffsetX(), frame.x) << "after " << frame.after << " ms";
        EXPECT_EQ(background.getOffsetY(), frame.y) << "after " << frame.after << " ms";
    }
    EXPECT_TRUE(pixelIs(40, 30, 255, 0, 0)) << "the picture drawn from its offsets";
}

TEST_F(ScrollingBackgroundTest, APictureSmallerThanTheScreenIsShownOnBlack) {
    SurfacePtr picture = filledSurface(100, 100, 0x0000FF);
    SDL_FillRect(ResourceManager::instance().getScreen(), nullptr, ALL_BITS); // the last frame
    ScrollingBackground(picture.get(), 0, 0).drawUnscrolled();
    EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 255), 100 * 100);
    EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 0), 320 * 240 - 100 * 100);
}
