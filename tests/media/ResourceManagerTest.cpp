#include "media/ResourceManager.h"
#include "app/Application.h"
#include "support/ScreenTest.h"

static int heightAtSize(int size) {
    TTF_Font* font = TTF_OpenFont(DEFAULT_FONT_FILE, size);
    const int height = TTF_FontHeight(font);
    TTF_CloseFont(font);
    return height;
}

TEST(GameFonts, HaveTheirSizes) {
    IN_A_PROCESS_OF_ITS_OWN(); // the display opens once per process
    Application().init(320, 240, 16);
    struct Font {
        const char* name;
        int size;
    };
    for (const Font& font : {Font{"small", 18}, {"default", 28}, {"big", 32}})
        EXPECT_EQ(TTF_FontHeight(ResourceManager::instance().getFont(font.name)),
                  heightAtSize(font.size))
            << font.name;
}

using ResourceManagerTest = ScreenTest;

TEST_F(ResourceManagerTest, CachesByNameAndReportsEveryMissingFile) {
    ResourceManager& resources = ResourceManager::instance();
    EXPECT_EQ(TTF_FontHeight(resources.getFont("caption")), heightAtSize(14)) << "never loaded";
    ASSERT_TRUE(resources.loadFont("caption", DEFAULT_FONT_FILE, 40));
    ScratchFolder folder;
    SDL_Surface* image = resources.loadImage("images/target.png");
    EXPECT_TRUE(resources.playSound("sounds/shot.wav", 1));
    std::remove("images/target.png"); // second reads would now fail
    std::remove("sounds/shot.wav");
    CapturedLog log;
    EXPECT_EQ(resources.loadImage("images/target.png"), image);
    EXPECT_EQ(image->format->colorkey, SDL_MapRGB(image->format, 0, 255, 255));
    EXPECT_TRUE(resources.playSound("sounds/shot.wav", 1));
    EXPECT_EQ(Mix_VolumeChunk(resources.loadSound("sounds/shot.wav"), -1), MIX_MAX_VOLUME);
    std::string expected;
    for (int request = 0; request < 2; ++request) {
        EXPECT_EQ(resources.loadImage(""), nullptr);
        EXPECT_EQ(resources.loadImage("images/none.png"), nullptr);
        expected += std::string("ERROR: can't load image 'images/none.png' - ") + SDL_GetError();
        EXPECT_FALSE(resources.playSound("sounds/none.wav", 1));
        expected += std::string("\nERROR: can't load sound 'sounds/none.wav' - ") + SDL_GetError() +
                    "\nCannot play sound 'sounds/none.wav' - sound file couldn't be load\n";
    }
    EXPECT_FALSE(resources.loadFont("caption", "fonts/none.ttf", 10));
    EXPECT_EQ(TTF_FontHeight(resources.getFont("caption")), heightAtSize(40)) << "reloaded, kept";
    expected +=
        "ERROR: Can't load font from file 'fonts/none.ttf' - " + std::string(SDL_GetError());
    fake::fail(fake::CHANNELS_BUSY);
    EXPECT_FALSE(resources.playSound("sounds/miss.wav", 1));
    EXPECT_EQ(log.errors(), expected + "\nCannot play sound 'sounds/miss.wav' - " +
                                "No free channels available\n");
}

// Axis-parallel lines take both ends, slanted ones stop one short, each point truncated whole.
TEST_F(ResourceManagerTest, DrawLinePlotsExactlyThesePixels) {
    using Pixels = std::set<std::pair<int, int>>;
    struct Line {
        int x1, y1, x2, y2;
        Pixels plotted;
    };
    const Line lines[] = {
        {5, 2, 2, 2, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
        {1, 3, 1, 1, {{1, 1}, {1, 2}, {1, 3}}},
        {4, 4, 4, 4, {{4, 4}}},
        {0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 0}}},
        {3, 1, 0, 0, {{1, 0}, {2, 0}, {3, 1}}},
        {0, 3, 3, 2, {{1, 2}, {2, 2}, {0, 3}}},
        {3, 0, 0, 1, {{1, 0}, {2, 0}, {3, 0}}},
        {0, 0, 1, 3, {{0, 0}, {0, 1}, {0, 2}}},
        {1, 3, 0, 0, {{0, 1}, {0, 2}, {1, 3}}},
        {3, 0, 2, 3, {{3, 0}, {2, 1}, {2, 2}}},
        {2, 3, 3, 0, {{2, 1}, {2, 2}, {2, 3}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {-2, 5, 1, 5, {{0, 5}, {1, 5}}}, // clipped to the surface
        {6, 6, 9, 6, {{6, 6}, {7, 6}}},
        {1, -2, 1, 1, {{1, 0}, {1, 1}}},
    };
    for (const Line& line : lines) {
        SurfacePtr canvas = filledSurface(8, 8, 0);
        ResourceManager::instance().drawLine(line.x1, line.y1, line.x2, line.y2, 0xFFFFFFFF,
                                             canvas.get());
        Pixels plotted;
        for (int i = 0; i < 64; ++i)
            if (Sprite::getPixel(canvas.get(), i % 8, i / 8) != 0)
                plotted.insert({i % 8, i / 8});
        EXPECT_EQ(plotted, line.plotted)
            << "(" << line.x1 << ", " << line.y1 << ") to (" << line.x2 << ", " << line.y2 << ")";
    }
    // Each product rounded before the sum, as every processor does it unless a compiler
    // fuses the two into one multiply-add: that would put this point at (145, 59).
    SurfacePtr screen = filledSurface(320, 240, 0);
    ResourceManager::instance().drawLine(319, 132, 0, 0, 0xFFFFFFFF, screen.get());
    EXPECT_NE(Sprite::getPixel(screen.get(), 145, 60), 0u);
    EXPECT_EQ(Sprite::getPixel(screen.get(), 145, 59), 0u);
    ResourceManager::instance().drawLine(0, 0, 22, 22, 0xFFFFFFFF, screen.get()); // steep
    EXPECT_NE(Sprite::getPixel(screen.get(), 12, 13), 0u) << "13 / 22 x 22 is a hair below 13";
}
