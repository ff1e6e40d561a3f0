#include "media/Sprite.h"
#include "media/ResourceManager.h"
#include "media/SplashImage.h"
#include "support/ScreenTest.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

class SpriteTest : public ScreenTest {};

TEST_F(SpriteTest, AMovementIsLinearInTimeAndEndsExactlyOnItsDestination) {
    SurfacePtr picture = filledSurface(10, 10, 0xFF0000);
    Sprite sprite(picture.get());
    sprite.moveTo(100, 0, 600);
    EXPECT_EQ(sprite.getRect().x, 0) << "nothing moves before the next update";

    fake::advance(300);
    sprite.updateMovement();
    EXPECT_EQ(sprite.getRect().x, 50);
    EXPECT_TRUE(sprite.isMoving());

    fake::advance(307); // the first update after the movement time
    sprite.updateMovement();
    EXPECT_EQ(sprite.getRect().x, 100);
    EXPECT_EQ(sprite.getRect().y, 0);
    EXPECT_FALSE(sprite.isMoving());
}

TEST_F(SpriteTest, AMovementTruncatesTowardZeroBothWaysAndOneInNoTimeNeverMoves) {
    Sprite sprite(nullptr);
    sprite.setPosition(10, 10);
    sprite.moveTo(0, 13, 3);
    Sprite still(nullptr);
    still.moveTo(40, 40, 0);
    fake::advance(1);
    sprite.updateMovement();
    still.updateMovement();
    EXPECT_EQ(sprite.getRect().x, 7) << "10 + trunc(-3.33)";
    EXPECT_EQ(sprite.getRect().y, 11);
    EXPECT_EQ(still.getRect().x, 0);
    EXPECT_FALSE(still.isMoving());
}

TEST_F(SpriteTest, SettingTheSamePositionKeepsTheMovementAndTheDirtyMark) {
    Sprite sprite(nullptr);
    sprite.update(); // draws and clears the dirty mark
    ASSERT_FALSE(sprite.isDirty());
    sprite.setPosition(0, 0);
    EXPECT_FALSE(sprite.isDirty());

    sprite.moveTo(100, 0, 600);
    fake::advance(300);
    sprite.updateMovement();
    sprite.update();
    sprite.setPosition(sprite.getRect().x, sprite.getRect().y);
    EXPECT_TRUE(sprite.isMoving()) << "a running movement goes on";

    sprite.setPosition(5, 5);
    EXPECT_FALSE(sprite.isMoving()) << "any other place stops it";
    EXPECT_TRUE(sprite.isDirty());
    fake::advance(1000);
    sprite.updateMovement();
    EXPECT_EQ(sprite.getRect().x, 5);
}

TEST_F(SpriteTest, ContainsIncludesOnePixelBeyondTheRightAndBottomEdges) {
    SurfacePtr picture = filledSurface(10, 10, 0xFF0000);
    Sprite sprite(picture.get());
    sprite.setPosition(5, 5);
    EXPECT_TRUE(sprite.contains(5, 5) && sprite.contains(15, 15));
    EXPECT_FALSE(sprite.contains(16, 15) || sprite.contains(4, 5));
    // Without a picture only the corner is hit.
    Sprite empty(nullptr);
    empty.setPosition(30, 40);
    EXPECT_EQ(empty.getWidth(), 0);
    EXPECT_TRUE(empty.contains(30, 40));
    EXPECT_FALSE(empty.contains(31, 40));
}

TEST_F(SpriteTest, BlitClipsTheRectangleToWhatWasVisible) {
    SurfacePtr picture = filledSurface(20, 10, 0x00FF00);
    Sprite sprite(picture.get());
    sprite.setPosition(-8, 100);
    sprite.blit();
    EXPECT_EQ(sprite.getRect().x, 0);
    EXPECT_EQ(sprite.getRect().w, 12);
    EXPECT_TRUE(pixelIs(11, 105, 0, 255, 0));
    EXPECT_TRUE(pixelIs(12, 105, 0, 0, 0));
}

TEST_F(SpriteTest, CyanStaysTransparentWhenDrawn) {
    SurfacePtr picture = filledSurface(4, 4, 0x00FFFF);
    SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY, 0x00FFFF);
    Sprite sprite(picture.get());
    SDL_FillRect(screen(), nullptr, mapped(255, 0, 0));
    sprite.drawAt(10, 10);
    EXPECT_TRUE(pixelIs(11, 11, 255, 0, 0));
}

TEST_F(SpriteTest, GetPixelReadsEverySizeOfPixel) {
    for (int bitsPerPixel : {8, 16, 24, 32}) {
        SurfacePtr surface(SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, bitsPerPixel, 0, 0, 0, 0));
        Uint8* row = static_cast<Uint8*>(surface->pixels) + surface->pitch;
        const int bytes = bitsPerPixel / 8;
        for (int i = 0; i < bytes; ++i)
            row[bytes + i] = static_cast<Uint8>(i + 1);
        const Uint32 expected[] = {0, 0x01, 0x0201, 0x030201, 0x04030201};
        EXPECT_EQ(Sprite::getPixel(surface.get(), 1, 1), expected[bytes]) << bitsPerPixel;

        Sprite::putPixel(surface.get(), 2, 1, 0x0A0B0C0D);
        const Uint32 mask = bytes == 4 ? 0xFFFFFFFF : (1u << (8 * bytes)) - 1;
        EXPECT_EQ(Sprite::getPixel(surface.get(), 2, 1), 0x0A0B0C0Du & mask) << bitsPerPixel;
        EXPECT_EQ(Sprite::getPixel(surface.get(), 1, 1), expected[bytes]) << "neighbour kept";
    }
}

TEST_F(SpriteTest, ScalingCoversEveryPixelAndLaterSourcePixelsWin) {
    SurfacePtr source = filledSurface(2, 2, 0);
    for (Uint32 i = 0; i < 4; ++i)
        Sprite::putPixel(source.get(), int(i % 2), int(i / 2), i + 1);
    SurfacePtr scaled(Sprite::scaleSurface(source.get(), 3, 3));
    ASSERT_NE(scaled, nullptr);
    const Uint32 expected[3][3] = {{1, 2, 2}, {3, 4, 4}, {3, 4, 4}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Sprite::getPixel(scaled.get(), x, y), expected[y][x]) << x << "," << y;
    EXPECT_TRUE(scaled->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(scaled->format->colorkey, SDL_MapRGB(scaled->format, 0, 255, 255));

    // Down, each destination pixel keeps the last source pixel it covers.
    SurfacePtr row = filledSurface(4, 1, 0);
    for (int x = 0; x < 4; ++x)
        Sprite::putPixel(row.get(), x, 0, static_cast<Uint32>(x + 1));
    SurfacePtr halved(Sprite::scaleSurface(row.get(), 2, 1));
    ASSERT_NE(halved, nullptr);
    EXPECT_EQ(Sprite::getPixel(halved.get(), 0, 0), 2u);
    EXPECT_EQ(Sprite::getPixel(halved.get(), 1, 0), 4u);

    EXPECT_EQ(Sprite::scaleSurface(row.get(), 0, 3), nullptr);
    EXPECT_EQ(Sprite::scaleSurface(row.get(), 3, 0), nullptr);
    EXPECT_EQ(Sprite::scaleSurface(nullptr, 3, 3), nullptr);
}

TEST_F(SpriteTest, ScalingACachedRunLengthEncodedPictureReadsItsRealPixels) {
    SDL_Surface* target = ResourceManager::instance().loadImage("images/target.png");
    ASSERT_NE(target, nullptr);
    SDL_Rect corner{0, 0, 0, 0};
    SDL_UpperBlit(target, nullptr, screen(), &corner); // lets SDL encode the key's runs
    SurfacePtr same(Sprite::scaleSurface(target, static_cast<unsigned>(target->w),
                                         static_cast<unsigned>(target->h)));
    ASSERT_NE(same, nullptr);
    const Uint32 cyan = SDL_MapRGB(same->format, 0, 255, 255);
    SDL_LockSurface(same.get());
    EXPECT_EQ(Sprite::getPixel(same.get(), 0, 0), cyan) << "the corner stays transparent";
    EXPECT_NE(Sprite::getPixel(same.get(), target->w / 2, target->h / 2), cyan);
    SDL_UnlockSurface(same.get());
}

TEST_F(SpriteTest, ASplashWithoutAPictureReturnsAtOnce) {
    SplashImage splash(nullptr);
    const Uint32 start = fake::now();
    splash.fadeInOut();
    EXPECT_EQ(fake::now(), start);
    EXPECT_TRUE(fake::delays().empty());
}

TEST_F(SpriteTest, ASlowFadeStillHoldsThePictureAtFullBrightness) {
    SurfacePtr picture = filledSurface(100, 50, 0xFFFFFF);
    SplashImage splash(picture.get());
    bool fullDuringHold = false;
    bool blackAtTheEnd = false;
    fake::onDelay([&](Uint32 milliseconds) {
        if (milliseconds == 1)
            fake::advance(6); // steps 7 ms apart: the last one lands at 497 ms
        if (milliseconds == 1000)
            fullDuringHold = pixelIs(160, 120, 255, 255, 255);
    });
    splash.fadeInOut();
    blackAtTheEnd = pixelIs(160, 120, 0, 0, 0);
    EXPECT_TRUE(fullDuringHold);
    EXPECT_TRUE(blackAtTheEnd);
}

TEST_F(SpriteTest, ASplashRisesHoldsAndSinksCentredOnTheScreenThroughEveryStep) {
    SurfacePtr picture = filledSurface(100, 50, 0xFFFFFF);
    SplashImage splash(picture.get());
    SDL_FillRect(screen(), nullptr, mapped(0, 0, 255));
    std::vector<Uint8> shown; // the red of the picture's centre at each update
    fake::onUpdate([&] {
        Uint8 r, g, b;
        SDL_GetRGB(pixelAt(160, 120), screen()->format, &r, &g, &b);
        shown.push_back(r);
    });
    const Uint32 start = fake::now();
    splash.fadeInOut();
    fake::onUpdate(nullptr);
    EXPECT_EQ(splash.getRect().x, 110);
    EXPECT_EQ(splash.getRect().y, 95);
    EXPECT_GE(fake::now() - start, 2000u);
    EXPECT_LE(fake::now() - start, 2010u);
    EXPECT_TRUE(pixelIs(5, 5, 0, 0, 255)) << "the rest of the screen is untouched";

    // 256 alpha steps in, 256 out; the screen holds 5 bits of red, so steps
    // of alpha show as repeated values, but never as a step back.
    ASSERT_EQ(shown.size(), 512u);
    const auto peak = shown.begin() + 256;
    EXPECT_TRUE(std::is_sorted(shown.begin(), peak));
    EXPECT_TRUE(std::is_sorted(shown.rbegin(), std::make_reverse_iterator(peak)));
    EXPECT_EQ(shown.front(), 0);
    EXPECT_GE(shown[255], 247) << "fully shown";
    EXPECT_EQ(shown.back(), 0) << "faded back to black";
}

} // namespace
