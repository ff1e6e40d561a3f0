#include "support/ScreenTest.h"

using TargetFieldTest = ScreenTest;

TEST_F(TargetFieldTest, AreDrawnFromRandAtLeast80ApartAndShownAtTheFlooredSizeOfTheirGrowth) {
    // A 60-pixel target's centre: x = rand() % (cell width - 60) + 30, then y likewise.
    std::srand(5);
    const int x = std::rand() % 260 + 30, y = std::rand() % 180 + 30;
    std::srand(5);
    TargetField field;
    field.setUp(1, 1);
    field.place();
    for (const auto& [growth, width] :
         std::vector<std::pair<float, int>>{{0.5f, 30}, {0.995f, 59}, {1.0f, 60}}) {
        field.draw(growth);
        EXPECT_EQ(field.getShownWidth(), width) << growth;
    }
    EXPECT_EQ(std::make_pair(findTarget()->x, findTarget()->y), std::make_pair(x, y));
    // 100 placements of three targets in each cell 106 wide: at least 80 apart in |dx| + |dy|.
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
    for (const auto& [player, slot] :
         std::vector<std::pair<int, int>>{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 0}}) {
        const TargetHit hit = field.hitTest(159, 100).value();
        EXPECT_EQ(std::make_pair(hit.player, hit.slot), std::make_pair(player, slot));
        field.remove(hit);
    }
}
