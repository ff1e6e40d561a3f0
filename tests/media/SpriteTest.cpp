#include "media/Sprite.h"
#include "game/RoundScreens.h"
#include "game/ScrollingBackground.h"
#include "highscores/HighScoreTable.h"
#include "media/SplashImage.h"
#include "menus/MainMenu.h"
#include "support/ScreenTest.h"

using SpriteTest = ScreenTest;

TEST_F(SpriteTest, MovesInTruncatedStepsAndClipsToTheScreen) {
    Sprite sprite(nullptr);
    sprite.setPosition(10, 10);
    sprite.moveTo(0, 12, 3); // by 10 - 3.33 and 10 + 0.67 a millisecond, truncated
    for (const ScreenPoint at : {ScreenPoint{7, 10}, {4, 11}, {0, 12}}) {
        fake::advance(1);
        sprite.update();                // moves, draws and clears the dirty mark
        sprite.setPosition(at.x, at.y); // where it is: changes nothing
        EXPECT_FALSE(sprite.isDirty()) << "not at " << at.x << "," << at.y;
    }
    EXPECT_FALSE(sprite.isMoving());
    sprite.moveTo(40, 40, 0);
    fake::advance(1);
    sprite.updateMovement();
    EXPECT_EQ(sprite.getRect().x, 0) << "a movement in no time never moves";
    sprite.moveTo(40, 40, 10);
    sprite.setPosition(0, 5);
    EXPECT_FALSE(sprite.isMoving()) << "another place stops the movement";
    EXPECT_TRUE(sprite.isDirty());

    SurfacePtr picture = filledSurface(10, 10, 0xFF0000);
    sprite.setSurface(picture.get());
    sprite.setPosition(5, 5);
    struct Shot {
        int x, y;
        bool hits;
    };
    for (const Shot& shot :
         {Shot{5, 5, true}, {15, 15, true}, {16, 15, false}, {15, 16, false}, {4, 5, false}})
        EXPECT_EQ(sprite.contains(shot.x, shot.y), shot.hits) << shot.x << ", " << shot.y;
    sprite.setPosition(-8, 100);
    sprite.blit();
    EXPECT_EQ(sprite.getRect().x, 0) << "clipped to the screen";
    EXPECT_EQ(sprite.getRect().w, 2) << "clipped to the screen";
}

TEST_F(SpriteTest, ReadsAndScalesPixels) {
    const Uint32 read[] = {0, 0x01, 0x0201, 0x030201, 0x04030201};
    for (int bytes = 1; bytes <= 4; ++bytes) {
        // Three pixels wide, so that lines of one and three bytes a pixel are padded.
        SurfacePtr surface(SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, 8 * bytes, 0, 0, 0, 0));
        for (int i = 0; i < bytes; ++i)
            static_cast<Uint8*>(surface->pixels)[surface->pitch + bytes + i] = Uint8(i + 1);
        EXPECT_EQ(Sprite::getPixel(surface.get(), 1, 1), read[bytes]) << bytes;
    }
    SurfacePtr source = filledSurface(2, 2, 0);
    for (Uint32 i = 0; i < 4; ++i)
        Sprite::putPixel(source.get(), int(i % 2), int(i / 2), i + 1);
    SurfacePtr scaled(Sprite::scaleSurface(source.get(), 3, 3));
    const Uint32 expected[9] = {1, 2, 2, 3, 4, 4, 3, 4, 4};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(Sprite::getPixel(scaled.get(), i % 3, i / 3), expected[i]) << i;
    EXPECT_EQ(scaled->format->colorkey, SDL_MapRGB(scaled->format, 0, 255, 255));
    // A target shown 21 pixels wide: source column 20 lands on 0.35 x 20 = 7 in double.
    SurfacePtr ramp = filledSurface(60, 1, 0);
    for (Uint32 x = 0; x < 60; ++x)
        Sprite::putPixel(ramp.get(), int(x), 0, x + 1);
    SurfacePtr narrow(Sprite::scaleSurface(ramp.get(), 21, 1));
    EXPECT_EQ(Sprite::getPixel(narrow.get(), 6, 0), 20u) << "source column 19 the last there";
}

// A display whose pixels carry alpha, as a web browser's canvas does: what the
// screens clear to black must be opaque there, or earlier frames show through.
TEST_F(SpriteTest, ScreensClearToOpaqueBlackOnADisplayWithAnAlphaChannel) {
    ResourceManager& resources = ResourceManager::instance();
    SDL_Surface* const display = resources.getScreen();
    SurfacePtr canvas(
        SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    const auto seeThroughBlack = [&] { // then marks the whole canvas for the next screen
        int count = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                count += Sprite::getPixel(canvas.get(), x, y) == 0;
        SDL_FillRect(canvas.get(), nullptr, 0x80402010);
        return count;
    };
    resources.setScreen(canvas.get());
    seeThroughBlack();
    MainMenu().draw();
    EXPECT_EQ(seeThroughBlack(), 0) << "the main menu";
    HighScoreTable().draw();
    EXPECT_EQ(seeThroughBlack(), 0) << "the high score list";
    showRoundTitleScreen(2);
    EXPECT_EQ(seeThroughBlack(), 0) << "a round's title";
    ScrollingBackground(nullptr, 0, 0).drawUnscrolled();
    EXPECT_EQ(seeThroughBlack(), 0) << "a game without a picture behind it";
    SplashImage(resources.loadImage("images/splash-tolvane.png")).fadeInOut();
    EXPECT_EQ(seeThroughBlack(), 0) << "a splash, faded out";
    resources.setScreen(display);
}
