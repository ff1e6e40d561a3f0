// Points for a hit, and whether and how well a shot hits a target of a width.
#include "game/Scoring.h"

#include <gtest/gtest.h>

TEST(Scoring, AHitScoresByGrowthAndAccuracyInsideTheTruncatedHalfWidth) {
    // ((1 - growth) x 100) x accuracy x accuracy in float, + 0.5, floored, + 1. The last
    // two make 40.5 and 22.5, which double precision or another order leave a hair below.
    struct Hit {
        float growth, accuracy;
        int points;
    };
    const Hit hits[] = {
        {0.25f, 0.8f, 49},     // 48 + 1
        {0.5f, 1.0f, 51},      // 50.5 rounds up
        {1.0f, 1.0f, 1},       // full grown: the 1 alone
        {0.0f, 1.0f, 101},     // at once, dead centre
        {0.0f, 0.0f, 1},       // at the edge
        {0.5f, 0.9f, 42},      // 40.5 in float
        {0.424f, 0.625f, 24},  // 22.5 in float
        {0.524f, 0.10249f, 1}, // 0.49999997: rounded in float it would be 1.0
    };
    for (const Hit& hit : hits)
        EXPECT_EQ(pointsForHit(hit.growth, hit.accuracy), hit.points)
            << "growth " << hit.growth << ", accuracy " << hit.accuracy;
    // A target 15 pixels wide has a radius of 7; 1 pixel wide, none.
    struct Shot {
        float distance;
        int width;
        bool hits;
        float accuracy;
    };
    const Shot shots[] = {
        {0.0f, 60, true, 1.0f},   // the centre
        {3.5f, 15, true, 0.5f},   // halfway out
        {5.25f, 15, true, 0.25f}, // three quarters out
        {7.0f, 15, false, 0.0f},  // on the radius: a miss
        {7.4f, 15, false, 0.0f},  // inside half the width, outside the radius
        {20.0f, 15, false, 0.0f}, // far off: never below 0
        {0.0f, 1, false, 0.0f},   // a target too small to hit
    };
    for (const Shot& shot : shots) {
        EXPECT_EQ(hitsTarget(shot.distance, shot.width), shot.hits)
            << shot.distance << " from the centre of " << shot.width;
        EXPECT_EQ(accuracyOf(shot.distance, shot.width), shot.accuracy)
            << shot.distance << " from the centre of " << shot.width;
    }
}
