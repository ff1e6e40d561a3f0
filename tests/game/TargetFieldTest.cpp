#include "game/TargetField.h"
#include "game/Scoring.h"
#include "support/ScreenTest.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

TEST(CellLayout, CellsAreNumberedRowByRowWithTruncatedSizes) {
    const char* const layouts[] = {"0,0 320x240", "0,0 160x240 | 160,0 160x240",
                                   "0,0 106x240 | 106,0 106x240 | 213,0 106x240",
                                   "0,0 160x120 | 160,0 160x120 | 0,120 160x120 | 160,120 160x120"};
    for (int players = 1; players <= 4; ++players) {
        const CellLayout layout(players);
        std::string cells;
        for (int n = 1; n <= layout.cellCount(); ++n) {
            const Cell c = layout.cell(n);
            cells += (n > 1 ? " | " : "") + std::to_string(c.x) + "," + std::to_string(c.y) + " " +
                     std::to_string(c.w) + "x" + std::to_string(c.h);
        }
        EXPECT_EQ(cells, layouts[players - 1]);
    }
}

TEST(PointsForAHit, FollowTheSizeAndTheDistanceFromTheCentre) {
    const struct {
        float growth, accuracy;
        int points;
    } hits[] = {{0.25f, 0.8f, 49}, {0.5f, 1.0f, 51}, {0.0f, 1.0f, 101}, {1.0f, 1.0f, 1},
                {1.0f, 0.01f, 1},  {0.9f, 0.05f, 1}, {0.0f, 0.0f, 1}};
    for (const auto& hit : hits)
        EXPECT_EQ(pointsForHit(hit.growth, hit.accuracy), hit.points)
            << hit.growth << " " << hit.accuracy;
}

TEST(TargetGrowth, FollowsTheRoundClockAndStopsAtFullSize) {
    EXPECT_EQ(TargetField::growthAfter(0), 0.0f);
    EXPECT_FLOAT_EQ(TargetField::growthAfter(375), 0.25f);
    EXPECT_FLOAT_EQ(TargetField::growthAfter(750), 0.5f);
    EXPECT_EQ(TargetField::growthAfter(1500), 1.0f);
    EXPECT_EQ(TargetField::growthAfter(1501), 1.0f);
}

class TargetFieldTest : public ScreenTest {
protected:
    // Every player's targets over many placements: wholly inside the player's
    // cell (the picture is 60 pixels) and, where `apart`, never closer than
    // 80 pixels to each other.
    static void checkPlacements(int players, int targets, bool apart) {
        SCOPED_TRACE(std::to_string(players) + " players, " + std::to_string(targets) + " targets");
        TargetField field;
        field.setUp(players, targets);
        for (int placement = 0; placement < 200; ++placement) {
            field.place();
            for (int player = 1; player <= players; ++player) {
                const Cell cell = field.getLayout().cell(player);
                std::vector<ScreenPoint> placed;
                for (int slot = 0; slot < targets; ++slot) {
                    const auto c = field.centreOf(player, slot);
                    ASSERT_TRUE(c.has_value());
                    ASSERT_TRUE(c->x - 30 >= cell.x && c->x + 30 <= cell.x + cell.w &&
                                c->y - 30 >= cell.y && c->y + 30 <= cell.y + cell.h)
                        << "player " << player << " at " << c->x << "," << c->y;
                    for (ScreenPoint other : placed)
                        ASSERT_TRUE(!apart || std::abs(c->x - other.x) + std::abs(c->y - other.y) >=
                                                  TargetField::MIN_SPACING);
                    placed.push_back(*c);
                }
                for (int slot = targets; slot < 4; ++slot)
                    EXPECT_FALSE(field.centreOf(player, slot).has_value());
            }
        }
    }

    // One field placed and drawn at full size.
    static void placeAndDraw(TargetField& field, int players, int targets, float growth = 1.0f) {
        field.setUp(players, targets);
        field.place();
        field.draw(growth);
    }
};

TEST_F(TargetFieldTest, TargetsLieInsideTheirCellAndApartFromTheirOwnOthers) {
    for (int targets = 1; targets <= 4; ++targets) {
        checkPlacements(1, targets, true);
        checkPlacements(2, targets, true);
        checkPlacements(3, targets, targets < 4);
        checkPlacements(4, targets, targets < 3);
    }
}

TEST_F(TargetFieldTest, TargetsAreDrawnAtTheSizeOfTheirGrowth) {
    TargetField field;
    placeAndDraw(field, 2, 2, 0.0f);
    const ScreenPoint centre = *field.centreOf(2, 1);
    EXPECT_EQ(field.getShownWidth(), 0);
    EXPECT_EQ(countPixels({0, 0, 320, 240}, 0, 0, 0), 320 * 240) << "nothing drawn at growth 0";

    for (float growth : {0.5f, 1.0f, 0.25f}) {
        SDL_FillRect(screen(), nullptr, 0);
        field.draw(growth);
        const int width = static_cast<int>(std::floor(60.0f * growth));
        EXPECT_EQ(field.getShownWidth(), width);
        // All of this target's red lies within the shown size around its centre.
        const Sint16 left = static_cast<Sint16>(centre.x - width / 2);
        const Sint16 top = static_cast<Sint16>(centre.y - width / 2);
        const int inside = countPixels({left, top, Uint16(width), Uint16(width)}, 222, 24, 32);
        const SDL_Rect around{Sint16(centre.x - 30), Sint16(centre.y - 30), 60, 60};
        EXPECT_GT(inside, width) << "growth " << growth;
        EXPECT_EQ(countPixels(around, 222, 24, 32), inside) << "growth " << growth;
    }
}

TEST_F(TargetFieldTest, AShotExactlyHalfTheShownWidthFromTheCentreMisses) {
    TargetField field;
    EXPECT_EQ(field.getAccuracy(), 0.0f) << "before the first shot";
    placeAndDraw(field, 1, 1);
    const ScreenPoint centre = *field.centreOf(1, 0);
    ASSERT_EQ(field.getShownWidth(), 60);
    EXPECT_EQ(field.getAccuracy(), 0.0f) << "before the first shot";

    EXPECT_FALSE(field.hitTest(centre.x + 30, centre.y).has_value());
    EXPECT_FALSE(field.hitTest(centre.x - 18, centre.y + 24).has_value()) << "3-4-5 triangle";
    EXPECT_EQ(field.getAccuracy(), 0.0f);
    ASSERT_TRUE(field.hitTest(centre.x + 29, centre.y).has_value());
    EXPECT_FLOAT_EQ(field.getAccuracy(), 1.0f - 29.0f / 30.0f);
}

TEST_F(TargetFieldTest, NothingCanBeHitWhileTheHalfWidthIsZero) {
    TargetField field;
    placeAndDraw(field, 1, 1);
    const ScreenPoint centre = *field.centreOf(1, 0);
    // Growth 0 shows nothing; 1/60 shows a single pixel, whose half is 0.
    for (float growth : {0.0f, 1.0f / 60.0f}) {
        field.draw(growth);
        EXPECT_LT(field.getShownWidth(), 2);
        EXPECT_FALSE(field.hitTest(centre.x, centre.y).has_value()) << "growth " << growth;
        EXPECT_EQ(field.getAccuracy(), 0.0f) << "not NaN at growth " << growth;
    }
}

TEST_F(TargetFieldTest, WithoutTheTargetPictureTheGameDrawsATargetItself) {
    REQUIRE_FRESH_PROCESS(); // the picture must not be in the image cache yet
    ScratchFolder folder;
    folder.replaceData("images/target.png", nullptr);
    CapturedLog log;
    TargetField field;
    EXPECT_NE(log.errors().find("ERROR: can't load image 'images/target.png'"), std::string::npos);

    placeAndDraw(field, 4, 2);
    EXPECT_EQ(field.getShownWidth(), 60);
    const ScreenPoint centre = *field.centreOf(3, 1);
    EXPECT_TRUE(pixelIs(centre.x, centre.y, 222, 24, 32));
    EXPECT_TRUE(pixelIs(centre.x - 29, centre.y - 29, 0, 0, 0)) << "cyan stays transparent";
    saveScreen("game-drawn-targets");
    const auto hit = field.hitTest(centre.x, centre.y);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->player, 3);
}

TEST_F(TargetFieldTest, APictureAsLargeAsTheCellIsCentredInIt) {
    REQUIRE_FRESH_PROCESS();
    ScratchFolder folder;
    // Exactly a third of the width and taller than the screen, as a BMP under
    // the usual name: the loader goes by the contents.
    SurfacePtr picture = filledSurface(106, 250, 0xDE1820);
    folder.replaceData("images/target.png", nullptr);
    SDL_SaveBMP(picture.get(), folder.file("images/target.png").c_str());
    TargetField field;
    field.setUp(3, 4);
    field.place(); // must neither divide by zero nor search for ever
    for (int player = 1; player <= 3; ++player) {
        for (int slot = 0; slot < 4; ++slot) {
            const auto centre = field.centreOf(player, slot);
            ASSERT_TRUE(centre.has_value());
            EXPECT_EQ(centre->x, field.getLayout().cell(player).x + 53);
            EXPECT_EQ(centre->y, 120);
        }
    }
    field.draw(1.0f);
    EXPECT_TRUE(field.hitTest(213 + 53, 120).has_value());
}

} // namespace
