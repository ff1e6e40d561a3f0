#include "media/ResourceManager.h"
#include "SurfaceHelpers.h"
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

TEST_F(ResourceManagerTest, AnEmptyImageNameIsNoPictureAndNoError) {
    CapturedLog log;
    EXPECT_EQ(resources.loadImage(""), nullptr);
    EXPECT_EQ(log.errors(), "");
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

// Which points of a black 8 x 8 surface a drawing call made white.
template <typename Draw> Points plotted(Draw draw) {
    SurfacePtr canvas = filledSurface(8, 8, 0);
    draw(canvas.get());
    Points points;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (Sprite::getPixel(canvas.get(), x, y) != 0)
                points.insert({x, y});
    return points;
}

struct LineCase {
    int x1, y1, x2, y2;
    Points expected;
};

void PrintTo(const LineCase& line, std::ostream* out) {
    *out << "(" << line.x1 << "," << line.y1 << ")-(" << line.x2 << "," << line.y2 << ")";
}

class DrawLineTest : public ResourceManagerTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(DrawLineTest, PlotsExactlyThesePixels) {
    const LineCase& line = GetParam();
    EXPECT_EQ(plotted([&](SDL_Surface* canvas) {
                  resources.drawLine(line.x1, line.y1, line.x2, line.y2, 0xFFFFFFFF, canvas);
              }),
              line.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DrawLineTest,
    ::testing::Values(
        // Axis-parallel lines include both ends, whichever way they are given.
        LineCase{5, 2, 2, 2, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
        LineCase{1, 3, 1, 1, {{1, 1}, {1, 2}, {1, 3}}}, LineCase{4, 4, 4, 4, {{4, 4}}},
        // Slanted lines stop one pixel short of their second end.
        LineCase{0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 0}}},
        LineCase{3, 1, 0, 0, {{3, 1}, {2, 1}, {1, 1}}},
        LineCase{0, 0, 1, 3, {{0, 0}, {0, 1}, {0, 2}}},
        LineCase{0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        // Points off the surface are skipped, the rest drawn.
        LineCase{-3, 6, 10, 6, {{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}}}));

TEST_F(ResourceManagerTest, AFullWidthLineOnTheScreenPlots320Pixels) {
    resources.drawLine(0, 120, 319, 120, 0xFFFFFFFF);
    EXPECT_EQ(countPixels({0, 120, 320, 1}, 255, 255, 255), 320);
    EXPECT_EQ(countPixels({0, 119, 320, 1}, 255, 255, 255), 0);
}

TEST_F(ResourceManagerTest, DrawPixelWritesTheSizeOfThePixel) {
    for (int bitsPerPixel : {8, 16, 32}) {
        SurfacePtr canvas = makeSurface(4, 2, bitsPerPixel);
        SDL_FillRect(canvas.get(), nullptr, 0);
        resources.drawPixel(2, 1, 0xFFFFFFFF, canvas.get());
        const Uint32 all = bitsPerPixel == 32 ? 0xFFFFFFFF : (1u << bitsPerPixel) - 1;
        EXPECT_EQ(Sprite::getPixel(canvas.get(), 2, 1), all) << bitsPerPixel;
        EXPECT_EQ(Sprite::getPixel(canvas.get(), 1, 1), 0u) << bitsPerPixel;
        EXPECT_EQ(Sprite::getPixel(canvas.get(), 3, 1), 0u) << bitsPerPixel;
    }
}

} // namespace
