#include "game/Scoring.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Scoring, AHitScoresByGrowthAndAccuracyInsideTheTruncatedHalfWidth) {
    // ((1 - growth) x 100) x accuracy x accuracy in float, + 0.5, floored, + 1. The last
    // two make 40.5 and 22.5, which double precision or another order leave a hair below.
    const std::tuple<float, float, int> hits[] = {
        {0.25f, 0.8f, 49}, {0.5f, 1.0f, 51}, {1.0f, 1.0f, 1},     {0.0f, 1.0f, 101},
        {0.0f, 0.0f, 1},   {0.5f, 0.9f, 42}, {0.424f, 0.625f, 24}};
    for (const auto& [growth, accuracy, points] : hits)
        EXPECT_EQ(pointsForHit(growth, accuracy), points) << growth << " " << accuracy;
    // A target 15 pixels wide has a radius of 7; 1 pixel wide, none.
    const std::tuple<float, int, bool, float> shots[] = {
        {0.0f, 60, true, 1.0f},  {3.5f, 15, true, 0.5f},  {5.25f, 15, true, 0.25f},
        {7.0f, 15, false, 0.0f}, {7.4f, 15, false, 0.0f}, {20.0f, 15, false, 0.0f},
        {0.0f, 1, false, 0.0f}};
    for (const auto& [distance, width, hit, accuracy] : shots) {
        EXPECT_EQ(hitsTarget(distance, width), hit) << distance << " of " << width;
        EXPECT_EQ(accuracyOf(distance, width), accuracy) << distance << " of " << width;
    }
}
