// Where targets are placed, how large they are shown, and which one a shot hits.
#include "support/ScreenTest.h"

using TargetFieldTest = ScreenTest;

TEST_F(TargetFieldTest, TargetsArePlacedAtLeast80ApartAndGrowInWholePixels) {
    // A 60-pixel target's centre: x = rand() % (cell width - 60) + 30, then y likewise. The
    // second target's first place is 79 from the first (|dx| + |dy|), its next one 80.
    fake::script().randoms = {100, 50, 100, 129, 100, 130};
    TargetField field;
    field.setUp(1, 2);
    field.place();
    EXPECT_EQ(field.centreOf(1, 0)->x, 130);
    EXPECT_EQ(field.centreOf(1, 0)->y, 80);
    EXPECT_EQ(field.centreOf(1, 1)->x, 130);
    EXPECT_EQ(field.centreOf(1, 1)->y, 160);
    struct Size {
        float growth;
        int width;
    };
    for (const Size& size : {Size{0.5f, 30}, Size{0.995f, 59}, Size{1.0f, 60}}) {
        field.draw(size.growth);
        EXPECT_EQ(field.getShownWidth(), size.width) << size.growth;
    }
    EXPECT_EQ(findTarget({0, 0, 320, 120})->x, 130) << "drawn centred on its place";
    EXPECT_EQ(findTarget({0, 0, 320, 120})->y, 80) << "drawn centred on its place";
    // Three targets in each cell 106 wide: 100 placements, each at least 80 apart.
    field.setUp(3, 3);
    for (int n = 0; n < 900; ++n) {
        if (n % 9 == 0)
            field.place();
        const ScreenPoint c = *field.centreOf(n % 9 / 3 + 1, n % 3);
        const ScreenPoint next = *field.centreOf(n % 9 / 3 + 1, (n + 1) % 3);
        ASSERT_GE(std::abs(c.x - next.x) + std::abs(c.y - next.y), 80) << n;
    }
}

TEST_F(TargetFieldTest, AShotOnOverlappingTargetsHitsTheFirstInCellThenSlotOrder) {
    IN_A_PROCESS_OF_ITS_OWN(); // the picture must not be in the image cache yet
    ScratchFolder folder;
    // Larger than any cell, so each player's targets are all centred in the cell.
    SDL_SaveBMP(filledSurface(200, 200, 0xDE1820).get(), "images/target.png");
    TargetField field;
    field.setUp(4, 4);
    field.place();
    field.draw(1.0f);
    // (159, 100) lies within the radius of 100 of both (80, 60) and (240, 60).
    for (const TargetHit expected : {TargetHit{1, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 0}}) {
        const TargetHit hit = field.hitTest(159, 100).value();
        EXPECT_EQ(hit.player, expected.player) << "hit " << expected.slot;
        EXPECT_EQ(hit.slot, expected.slot) << "of player " << expected.player;
        field.remove(hit);
    }
}
