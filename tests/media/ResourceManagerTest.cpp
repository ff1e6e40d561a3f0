#include "media/ResourceManager.h"
#include "media/Sprite.h"
#include "support/ScreenTest.h"

#include <set>
#include <utility>

namespace {

using Points = std::set<std::pair<int, int>>;

class ResourceManagerTest : public ScreenTest {
protected:
    ResourceManager& resources = ResourceManager::instance();
};

TEST_F(ResourceManagerTest, AnImageIsReadOnceAndSharedWithCyanAsItsKey) {
    ScratchFolder folder;
    SDL_Surface* first = resources.loadImage("images/target.png");
    ASSERT_NE(first, nullptr);
    folder.replaceData("images/target.png", nullptr); // a second read would now fail
    EXPECT_EQ(resources.loadImage("images/target.png"), first);
    EXPECT_TRUE(first->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(first->format->colorkey, SDL_MapRGB(first->format, 0, 255, 255));
    EXPECT_EQ(first->format->BitsPerPixel, 16) << "converted to the display format";
}

TEST_F(ResourceManagerTest, AMissingImageIsReportedOnEveryRequest) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        CapturedLog log;
        EXPECT_EQ(resources.loadImage("images/nothing.png"), nullptr);
        const std::string errors = log.errors();
        EXPECT_EQ(errors.rfind("ERROR: can't load image 'images/nothing.png' - ", 0), 0u) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
    }
}

TEST_F(ResourceManagerTest, NamedFontsAndTheSize14Fallback) {
    TTF_Font* small = resources.getFont("small");
    ASSERT_NE(small, nullptr);
    TTF_Font* reference = TTF_OpenFont(DEFAULT_FONT_FILE, 18);
    EXPECT_EQ(TTF_FontHeight(small), TTF_FontHeight(reference));
    TTF_CloseFont(reference);

    TTF_Font* unknown = resources.getFont("caption");
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(resources.getFont("caption"), unknown) << "kept under its name";
    reference = TTF_OpenFont(DEFAULT_FONT_FILE, 14);
    EXPECT_EQ(TTF_FontHeight(unknown), TTF_FontHeight(reference));
    TTF_CloseFont(reference);
}

TEST_F(ResourceManagerTest, ReloadingAFontReplacesItAndAFailedReloadKeepsIt) {
    ASSERT_TRUE(resources.loadFont("title", DEFAULT_FONT_FILE, 20));
    ASSERT_TRUE(resources.loadFont("title", DEFAULT_FONT_FILE, 40));
    TTF_Font* big = resources.getFont("title");
    EXPECT_GT(TTF_FontHeight(big), 40);

    CapturedLog log;
    EXPECT_FALSE(resources.loadFont("title", "fonts/none.ttf", 10));
    EXPECT_EQ(resources.getFont("title"), big);
    EXPECT_EQ(log.errors().rfind("ERROR: Can't load font from file 'fonts/none.ttf' - ", 0), 0u)
        << log.errors();
}

TEST_F(ResourceManagerTest, WithoutTheFontFileAnUnknownNameGivesNoFont) {
    ScratchFolder folder;
    folder.replaceData("fonts/artbrush.ttf", nullptr);
    CapturedLog log;
    EXPECT_EQ(resources.getFont("missing"), nullptr);
    EXPECT_EQ(
        log.errors().rfind("ERROR: Can't load font from file 'default: fonts/artbrush.ttf' - ", 0),
        0u)
        << log.errors();
}

// Which points of a black 8 x 8 surface a line makes white.
TEST_F(ResourceManagerTest, DrawLinePlotsExactlyThesePixels) {
    const struct {
        int x1, y1, x2, y2;
        Points expected;
    } lines[] = {
        // Axis-parallel lines include both ends, whichever way they are given.
        {5, 2, 2, 2, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
        {1, 3, 1, 1, {{1, 1}, {1, 2}, {1, 3}}},
        {4, 4, 4, 4, {{4, 4}}},
        // Slanted lines stop one pixel short of their second end; each point's
        // other coordinate is truncated as a whole, rising or falling, either way.
        {0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 0}}},
        {3, 1, 0, 0, {{3, 1}, {2, 0}, {1, 0}}},
        {0, 3, 3, 2, {{0, 3}, {1, 2}, {2, 2}}},
        {3, 0, 0, 1, {{3, 0}, {2, 0}, {1, 0}}},
        {0, 0, 1, 3, {{0, 0}, {0, 1}, {0, 2}}},
        {1, 3, 0, 0, {{1, 3}, {0, 2}, {0, 1}}},
        {3, 0, 2, 3, {{3, 0}, {2, 1}, {2, 2}}},
        {2, 3, 3, 0, {{2, 3}, {2, 2}, {2, 1}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        // Points off the surface are skipped, the rest drawn.
        {-3, 6, 10, 6, {{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}}},
    };
    for (const auto& line : lines) {
        SurfacePtr canvas = filledSurface(8, 8, 0);
        resources.drawLine(line.x1, line.y1, line.x2, line.y2, 0xFFFFFFFF, canvas.get());
        Points plotted;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (Sprite::getPixel(canvas.get(), x, y) != 0)
                    plotted.insert({x, y});
        EXPECT_EQ(plotted, line.expected)
            << "(" << line.x1 << "," << line.y1 << ")-(" << line.x2 << "," << line.y2 << ")";
    }
}

TEST_F(ResourceManagerTest, ASoundIsReadOnceAndPlayedAtFullVolume) {
    ScratchFolder folder;
    EXPECT_TRUE(resources.playSound("sounds/shot.wav", 1));
    folder.replaceData("sounds/shot.wav", nullptr); // a second read would now fail
    EXPECT_TRUE(resources.playSound("sounds/shot.wav", 1));
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 2);
    EXPECT_EQ(Mix_VolumeChunk(chunkOf("sounds/shot.wav"), -1), MIX_MAX_VOLUME);
}

TEST_F(ResourceManagerTest, AMissingSoundIsReportedOnEveryRequest) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        CapturedLog log;
        EXPECT_FALSE(resources.playSound("sounds/none.wav", 1));
        const std::string errors = log.errors();
        EXPECT_EQ(errors.rfind("ERROR: can't load sound 'sounds/none.wav' - ", 0), 0u) << errors;
        EXPECT_NE(
            errors.find("\nCannot play sound 'sounds/none.wav' - sound file couldn't be load\n"),
            std::string::npos)
            << errors;
    }
    EXPECT_TRUE(fake::playedChunks().empty());
}

TEST_F(ResourceManagerTest, WithoutAMixerEveryRequestFailsAndIsLogged) {
    Mix_CloseAudio();
    CapturedLog log;
    EXPECT_FALSE(resources.playSound("sounds/miss.wav", 1));
    EXPECT_NE(log.errors().find("Cannot play sound 'sounds/miss.wav' - "), std::string::npos);
    Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096);
}

} // namespace
