#include "game/TargetField.h"
#include "game/CellLayout.h"
#include "media/ResourceManager.h"
#include "support/ScreenTest.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

struct Geometry {
    int players;
    std::vector<Cell> cells;
};

void PrintTo(const Geometry& geometry, std::ostream* out) {
    *out << geometry.players << " players";
}

class CellGeometry : public ::testing::TestWithParam<Geometry> {};

TEST_P(CellGeometry, CellsAreNumberedRowByRowWithTruncatedSizes) {
    const Geometry& expected = GetParam();
    const CellLayout layout(expected.players);
    ASSERT_EQ(layout.cellCount(), static_cast<int>(expected.cells.size()));
    for (int n = 1; n <= layout.cellCount(); ++n) {
        const Cell cell = layout.cell(n);
        const Cell& wanted = expected.cells[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(cell.x, wanted.x) << "cell " << n;
        EXPECT_EQ(cell.y, wanted.y) << "cell " << n;
        EXPECT_EQ(cell.w, wanted.w) << "cell " << n;
        EXPECT_EQ(cell.h, wanted.h) << "cell " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    OneToFourPlayers, CellGeometry,
    ::testing::Values(
        Geometry{1, {{0, 0, 320, 240}}}, Geometry{2, {{0, 0, 160, 240}, {160, 0, 160, 240}}},
        Geometry{3, {{0, 0, 106, 240}, {106, 0, 106, 240}, {213, 0, 106, 240}}},
        Geometry{4,
                 {{0, 0, 160, 120}, {160, 0, 160, 120}, {0, 120, 160, 120}, {160, 120, 160, 120}}}),
    [](const ::testing::TestParamInfo<Geometry>& param) {
        return std::to_string(param.param.players) + "Players";
    });

class TargetFieldTest : public ScreenTest {
protected:
    static constexpr int HALF = 30; // half the 60-pixel target picture

    static bool insideCell(const Cell& cell, ScreenPoint centre, int half) {
        return centre.x - half >= cell.x && centre.x + half <= cell.x + cell.w &&
               centre.y - half >= cell.y && centre.y + half <= cell.y + cell.h;
    }

    static int spacing(ScreenPoint a, ScreenPoint b) {
        return std::abs(a.x - b.x) + std::abs(a.y - b.y);
    }

    // Every player's targets over many placements: wholly inside the player's
    // cell and, where `apart`, never closer than 80 pixels to each other.
    static void checkPlacements(int players, int targets, bool apart) {
        TargetField field;
        field.setUp(players, targets);
        for (int placement = 0; placement < 200; ++placement) {
            field.place();
            for (int player = 1; player <= players; ++player) {
                const Cell cell = field.getLayout().cell(player);
                std::vector<ScreenPoint> placed;
                for (int slot = 0; slot < targets; ++slot) {
                    const auto centre = field.centreOf(player, slot);
                    ASSERT_TRUE(centre.has_value());
                    ASSERT_TRUE(insideCell(cell, *centre, HALF))
                        << players << " players, player " << player << " at " << centre->x << ","
                        << centre->y;
                    for (ScreenPoint other : placed) {
                        if (apart) {
                            ASSERT_GE(spacing(*centre, other), TargetField::MIN_SPACING)
                                << players << " players, " << targets << " targets";
                        }
                    }
                    placed.push_back(*centre);
                }
                for (int slot = targets; slot < 4; ++slot)
                    EXPECT_FALSE(field.centreOf(player, slot).has_value());
            }
        }
    }
};

TEST_F(TargetFieldTest, TargetsLieInsideTheirCellAndApartFromTheirOwnOthers) {
    for (int targets = 1; targets <= 4; ++targets) {
        checkPlacements(1, targets, true);
        checkPlacements(2, targets, true);
    }
    for (int targets = 1; targets <= 3; ++targets)
        checkPlacements(3, targets, true);
    for (int targets = 1; targets <= 2; ++targets)
        checkPlacements(4, targets, true);
}

TEST_F(TargetFieldTest, TargetsThatHardlyFitArePlacedAsFarApartAsTheyCan) {
    // In a 160 x 120 cell four targets cannot be 80 pixels apart, and three
    // only just; in a 106-pixel column four leave little room. Placing them
    // still ends, with every target inside its cell.
    checkPlacements(4, 4, false);
    checkPlacements(4, 3, false);
    checkPlacements(3, 4, false);
}

TEST_F(TargetFieldTest, GrowthFollowsTheRoundClockAndStopsAtFullSize) {
    EXPECT_EQ(TargetField::growthAfter(0), 0.0f);
    EXPECT_FLOAT_EQ(TargetField::growthAfter(375), 0.25f);
    EXPECT_FLOAT_EQ(TargetField::growthAfter(750), 0.5f);
    EXPECT_EQ(TargetField::growthAfter(1500), 1.0f);
    EXPECT_EQ(TargetField::growthAfter(1501), 1.0f);
    EXPECT_EQ(TargetField::growthAfter(60000), 1.0f);
}

TEST_F(TargetFieldTest, TargetsAreDrawnAtTheSizeOfTheirGrowth) {
    TargetField field;
    field.setUp(2, 2);
    field.place();
    const ScreenPoint centre = *field.centreOf(2, 1);
    const Uint32 red = mapped(222, 24, 32);

    field.draw(0.0f);
    EXPECT_EQ(field.getShownWidth(), 0);
    EXPECT_EQ(countPixels({0, 0, 320, 240}, 0, 0, 0), 320 * 240) << "nothing drawn at growth 0";

    for (float growth : {0.5f, 1.0f, 0.25f}) {
        SDL_FillRect(screen(), nullptr, 0);
        field.draw(growth);
        const int width = static_cast<int>(std::floor(60.0f * growth));
        EXPECT_EQ(field.getShownWidth(), width);
        // Every red pixel of this target lies within the shown size around its centre.
        int inside = 0, around = 0;
        for (int y = centre.y - HALF; y < centre.y + HALF; ++y)
            for (int x = centre.x - HALF; x < centre.x + HALF; ++x) {
                if (pixelAt(x, y) != red)
                    continue;
                const bool within = x >= centre.x - width / 2 && x < centre.x - width / 2 + width &&
                                    y >= centre.y - width / 2 && y < centre.y - width / 2 + width;
                (within ? inside : around) += 1;
            }
        EXPECT_GT(inside, width) << "growth " << growth;
        EXPECT_EQ(around, 0) << "growth " << growth;
    }
}

TEST_F(TargetFieldTest, AShotExactlyHalfTheShownWidthFromTheCentreMisses) {
    TargetField field;
    field.setUp(1, 1);
    field.place();
    field.draw(1.0f);
    const ScreenPoint centre = *field.centreOf(1, 0);
    ASSERT_EQ(field.getShownWidth(), 60);

    EXPECT_FALSE(field.hitTest(centre.x + 30, centre.y).has_value());
    EXPECT_FALSE(field.hitTest(centre.x - 18, centre.y + 24).has_value()) << "3-4-5 triangle";
    EXPECT_EQ(field.getAccuracy(), 0.0f);

    const auto hit = field.hitTest(centre.x + 29, centre.y);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->player, 1);
    EXPECT_EQ(hit->slot, 0);
    EXPECT_FLOAT_EQ(field.getAccuracy(), 1.0f - 29.0f / 30.0f);
}

TEST_F(TargetFieldTest, NothingCanBeHitWhileTheHalfWidthIsZero) {
    TargetField field;
    field.setUp(1, 1);
    field.place();
    const ScreenPoint centre = *field.centreOf(1, 0);
    // Growth 0 shows nothing; 1/60 shows a single pixel, whose half is 0.
    for (float growth : {0.0f, 1.0f / 60.0f}) {
        field.draw(growth);
        EXPECT_LT(field.getShownWidth(), 2);
        EXPECT_FALSE(field.hitTest(centre.x, centre.y).has_value()) << "growth " << growth;
        EXPECT_EQ(field.getAccuracy(), 0.0f) << "not NaN at growth " << growth;
    }
}

TEST_F(TargetFieldTest, AccuracyIsZeroBeforeTheFirstShot) {
    TargetField field;
    EXPECT_EQ(field.getAccuracy(), 0.0f);
    field.setUp(1, 1);
    field.draw(1.0f);
    EXPECT_EQ(field.getAccuracy(), 0.0f);
}

TEST_F(TargetFieldTest, AHitEmptiesOnlyItsSlotAndTheFirstHitInCellOrderCounts) {
    TargetField field;
    field.setUp(2, 2);
    field.place();
    field.draw(1.0f);
    const ScreenPoint target = *field.centreOf(2, 1);
    const auto hit = field.hitTest(target.x, target.y);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->player, 2);
    EXPECT_EQ(hit->slot, 1);
    EXPECT_FLOAT_EQ(field.getAccuracy(), 1.0f);
    field.remove(*hit);
    EXPECT_FALSE(field.centreOf(2, 1).has_value());
    EXPECT_TRUE(field.hasLiveTargets(2));
    EXPECT_TRUE(field.centreOf(2, 0).has_value());
    EXPECT_TRUE(field.centreOf(1, 0).has_value());
    EXPECT_TRUE(field.centreOf(1, 1).has_value());
}

// A stand-in picture for "images/target.png": a red disc of the given size on
// cyan, written as a BMP (the loader goes by the contents, not the name).
void writeTargetPicture(ScratchFolder& folder, int width, int height) {
    folder.replaceData("images/target.png", nullptr);
    SDL_Surface* picture =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    ASSERT_NE(picture, nullptr);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 222, 24, 32));
    SDL_SaveBMP(picture, folder.file("images/target.png").c_str());
    SDL_FreeSurface(picture);
}

TEST_F(TargetFieldTest, WithoutTheTargetPictureTheGameDrawsATargetItself) {
    REQUIRE_FRESH_PROCESS(); // the picture must not be in the image cache yet
    ScratchFolder folder;
    folder.replaceData("images/target.png", nullptr);
    CapturedLog log;
    TargetField field;
    EXPECT_NE(log.errors().find("ERROR: can't load image 'images/target.png'"), std::string::npos);

    field.setUp(4, 2);
    field.place();
    field.draw(1.0f);
    EXPECT_EQ(field.getShownWidth(), 60);
    const ScreenPoint centre = *field.centreOf(3, 1);
    EXPECT_TRUE(pixelIs(centre.x, centre.y, 222, 24, 32));
    EXPECT_FALSE(pixelIs(centre.x - 29, centre.y - 29, 0, 255, 255)) << "cyan stays transparent";
    EXPECT_TRUE(pixelIs(centre.x - 29, centre.y - 29, 0, 0, 0));
    saveScreen("game-drawn-targets");

    const auto hit = field.hitTest(centre.x, centre.y);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->player, 3);
    EXPECT_FLOAT_EQ(field.getAccuracy(), 1.0f);
}

TEST_F(TargetFieldTest, APictureAsLargeAsTheCellIsCentredInIt) {
    REQUIRE_FRESH_PROCESS();
    ScratchFolder folder;
    writeTargetPicture(folder, 106, 250); // exactly a third of the width, taller than the screen
    TargetField field;
    field.setUp(3, 4);
    field.place(); // must neither divide by zero nor search for ever
    for (int player = 1; player <= 3; ++player) {
        const Cell cell = field.getLayout().cell(player);
        for (int slot = 0; slot < 4; ++slot) {
            const auto centre = field.centreOf(player, slot);
            ASSERT_TRUE(centre.has_value());
            EXPECT_EQ(centre->x, cell.x + 53);
            EXPECT_EQ(centre->y, 120);
        }
    }
    field.draw(1.0f);
    EXPECT_TRUE(field.hitTest(213 + 53, 120).has_value());
}

} // namespace
