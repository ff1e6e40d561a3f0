#include "GameTest.h"
#include "game/ScrollingBackground.h"
#include "media/ResourceManager.h"

#include <map>

namespace {

// A picture (480 x 360 unless said) whose every pixel tells where in the
// picture it is: the column in full and the line modulo 128, which is enough
// for the 121 lines a picture of that height can be shifted by. Cyan, the
// transparent colour, never occurs.
SurfacePtr codedPicture(int width = 480, int height = 360) {
    const SDL_PixelFormat* format = ResourceManager::instance().getScreen()->format;
    SurfacePtr picture(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel,
                                            format->Rmask, format->Gmask, format->Bmask,
                                            format->Amask));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Uint32 red = static_cast<Uint32>(y & 31);
            const Uint32 green = static_cast<Uint32>(x & 63);
            const Uint32 blue = static_cast<Uint32>(((x >> 6) & 7) | (((y >> 5) & 3) << 3));
            Sprite::putPixel(picture.get(), x, y, (red << 11) | (green << 5) | blue);
        }
    return picture;
}

class BackgroundTest : public GameTest {
protected:
    // Where the coded picture's corner is on the screen, by what most of a
    // spread of screen points show (targets, lines and totals cover a few).
    static ScreenPoint offsetOnScreen() {
        std::map<std::pair<int, int>, int> votes;
        for (int sy = 130; sy < 240; sy += 13)
            for (int sx = 3; sx < 320; sx += 17) {
                const Uint32 pixel = pixelAt(sx, sy);
                const int x = static_cast<int>(((pixel >> 5) & 63) | ((pixel & 7) << 6));
                const int yModulo =
                    static_cast<int>(((pixel >> 11) & 31) | (((pixel >> 3) & 3) << 5));
                const int y = sy + ((yModulo - sy) % 128 + 128) % 128;
                votes[{sx - x, sy - y}] += 1;
            }
        auto best = votes.begin();
        for (auto vote = votes.begin(); vote != votes.end(); ++vote)
            if (vote->second > best->second)
                best = vote;
        return ScreenPoint{best->first.first, best->first.second};
    }

    static void expectOffset(ScreenPoint wanted, const char* when) {
        const ScreenPoint shown = offsetOnScreen();
        EXPECT_EQ(shown.x, wanted.x) << when;
        EXPECT_EQ(shown.y, wanted.y) << when;
    }

    // One frame of play, the given time after the last.
    static void frameAfter(ScrollingBackground& background, Uint32 milliseconds) {
        fake::advance(milliseconds);
        background.drawScrolled();
    }

    void SetUp() override {
        GameTest::SetUp();
        picture = codedPicture();
    }

    SurfacePtr picture;
};

TEST_F(BackgroundTest, At40PixelsASecondTimeGathersUntilAWholePixelIsDue) {
    // Every 10 ms 0.4 pixel is due: a pixel every 30 ms, the rest dropped.
    // Every 25 ms exactly one pixel is due: the full 40 pixels a second.
    const struct {
        Uint32 frameStep;
        int frame, offset;
    } cases[] = {{10, 30, -9}, {10, 31, -10}, {10, 301, -100}, {25, 40, -39}, {25, 41, -40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.frameStep) + " ms frames, frame " + std::to_string(c.frame));
        fake::setFrameStep(c.frameStep);
        GameScript script([&](int, int frame) {
            if (frame != c.frame)
                return;
            expectOffset({c.offset, c.offset}, "in the frame looked at");
            fake::push(fake::quitRequest());
        });
        EXPECT_EQ(GameSession().run(1, 1, 1, picture.get(), -40, -40), 0);
    }
}

TEST_F(BackgroundTest, AnOvershootPastTheNearEdgeIsMirrored) {
    ScrollingBackground background(picture.get(), 1000, 1000);
    background.startRound(fake::now());
    frameAfter(background, 7);
    EXPECT_EQ(background.getOffsetX(), -7);
    EXPECT_EQ(background.getOffsetY(), -7);
    expectOffset({-7, -7}, "after the bounce");
    frameAfter(background, 7);
    EXPECT_EQ(background.getOffsetX(), -14) << "now moving the other way";
}

TEST_F(BackgroundTest, AnOvershootPastTheFarEdgeStopsAtIt) {
    ScrollingBackground background(picture.get(), -1000, -1000);
    background.startRound(fake::now());
    for (int frame = 1; frame <= 17; ++frame)
        frameAfter(background, 7);
    EXPECT_EQ(background.getOffsetY(), -119);
    frameAfter(background, 7);
    EXPECT_EQ(background.getOffsetY(), -120) << "not -126";
    for (int frame = 19; frame <= 22; ++frame)
        frameAfter(background, 7);
    EXPECT_EQ(background.getOffsetX(), -154);
    EXPECT_EQ(background.getOffsetY(), -92) << "back from the far edge";
    frameAfter(background, 7);
    EXPECT_EQ(background.getOffsetX(), -160) << "not -161";
    expectOffset({-160, -85}, "at the far edge");
    frameAfter(background, 7);
    EXPECT_EQ(background.getOffsetX(), -153);
}

TEST_F(BackgroundTest, AStallLongerThanTheWholeRangeKeepsTheScreenCovered) {
    ScrollingBackground background(picture.get(), 1000, 0);
    background.startRound(fake::now());
    frameAfter(background, 500);
    EXPECT_EQ(background.getOffsetX(), -160);
    expectOffset({-160, 0}, "after a long frame");
}

TEST_F(BackgroundTest, BeforeARoundThePictureShowsFromItsCorner) {
    ScrollingBackground background(picture.get(), -1000, -1000);
    background.startRound(fake::now());
    frameAfter(background, 50);
    background.drawUnscrolled();
    expectOffset({0, 0}, "before a round");
    EXPECT_EQ(background.getOffsetX(), -50) << "the offsets are kept";
}

TEST_F(BackgroundTest, APictureSmallerThanTheScreenLeavesNoTraceOfTheLastFrame) {
    SurfacePtr small = codedPicture(200, 100);
    ScrollingBackground background(small.get(), 40, 20);
    background.startRound(fake::now());
    SDL_FillRect(screen(), nullptr, mapped(255, 255, 255));
    frameAfter(background, 100);
    EXPECT_EQ(countPixels(WHOLE_SCREEN, 255, 255, 255), 0);
    EXPECT_GT(countPixels(WHOLE_SCREEN, 0, 0, 0), 320 * 240 - 200 * 100 - 1);
}

TEST_F(BackgroundTest, TheGameBlitsItsOwnCopyOfThePicture) {
    // The cached picture keeps its colour key and alpha for every other user.
    SDL_Surface* cached = ResourceManager::instance().loadImage("images/bwbg.png");
    ASSERT_NE(cached, nullptr);
    const Uint32 flags = cached->flags;
    ScrollingBackground(cached, 40, 20).drawUnscrolled();
    EXPECT_EQ(cached->flags, flags);
    EXPECT_TRUE(pixelIs(0, 0, 240, 240, 240) || pixelIs(0, 0, 16, 16, 16));
}

TEST_F(BackgroundTest, AStillPictureStaysAtItsCornerUnderEveryTarget) {
    GameScript script([&](int, int frame) {
        if (frame == 1 || frame == 200)
            expectOffset({0, 0}, "still");
        if (frame != 200)
            return;
        for (int player = 1; player <= 4; ++player) {
            for (int slot = 0; slot < 2; ++slot) {
                const ScreenPoint c = *session->targetCentre(player, slot);
                const SDL_Rect around{Sint16(c.x - 18), Sint16(c.y - 18), 36, 36};
                EXPECT_GT(countPixels(around, 222, 24, 32), 100) << "player " << player;
            }
        }
        shoot(1, 0);
        shoot(1, 1);
    });
    EXPECT_EQ(session->run(4, 1, 2, picture.get(), 0, 0), 1);
}

TEST_F(BackgroundTest, OffsetsAndDirectionsCarryIntoTheNextRound) {
    ScreenPoint endOfRoundOne{1, 1};
    bool sawRoundTwoStart = false;
    GameScript script(
        [&](int round, int frame) {
            if (round == 1 && frame == 160) {
                endOfRoundOne = offsetOnScreen();
                // Right would bounce at once: the picture now moves left and up.
                EXPECT_LT(endOfRoundOne.x, -40);
                EXPECT_LT(endOfRoundOne.y, -20);
                shoot(1);
            } else if (round == 2 && frame == 1) {
                expectOffset(endOfRoundOne, "first frame of round 2");
            } else if (round == 2 && frame == 31) {
                // 300 ms later: 10 pixels at 40 a second, 6 at 20 a second.
                expectOffset({endOfRoundOne.x - 10, endOfRoundOne.y - 6}, "300 ms on");
                shoot(1);
            }
        },
        [&](int round, int) {
            if (round == 1 && fake::delays().back() == 2000u) {
                expectOffset({0, 0}, "before round 2 the picture shows from its corner");
                sawRoundTwoStart = true;
            }
        });
    EXPECT_EQ(session->run(1, 2, 1, picture.get(), 40, 20), 1);
    EXPECT_TRUE(sawRoundTwoStart);
}

} // namespace
