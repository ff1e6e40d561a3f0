#include "challenge/ChallengeLevels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float below(float value) {
    return value - value * 1e-6f;
}

// Points thresholds include the stated number; growth and accuracy limits are
// compared exactly as the levels say, in float or widened to double.
TEST(ChallengeLevels, EachPassTestAtItsBoundary) {
    const struct {
        int level;
        LevelOutcome outcome; // points, accuracy, growth
        bool passes;
    } cases[] = {
        {1, {101, 1.0f, 1.0f}, false},
        {1, {1, 1.0f, below(1.0f)}, true},
        {2, {15, 0.0f, 1.0f}, true},
        {2, {14, 1.0f, 0.0f}, false},
        {3, {1, 0.5f, 1.0f}, true},
        {3, {90, below(0.5f), 0.0f}, false},
        {4, {50, 1.0f, 0.66f}, false},
        {4, {50, 1.0f, std::nextafter(0.66f, 0.0f)}, true},
        {5, {25, 0.0f, 1.0f}, true},
        {6, {20, 0.66f, 1.0f}, true},
        {6, {19, 1.0f, 0.0f}, false},
        {6, {60, std::nextafter(0.66f, 0.0f), 0.0f}, false},
        {7, {60, 1.0f, 0.5f}, false},
        {8, {30, 0.0f, 1.0f}, true},
        {9, {20, 0.75f, 1.0f}, true},
        {10, {1, 0.66f, 0.5f}, true},
        {10, {1, 1.0f, std::nextafter(0.5f, 1.0f)}, false},
        {11, {150, 1.0f, 1.0f}, false},
        {12, {38, 0.0f, 1.0f}, true},
        {13, {49, 1.0f, 0.0f}, false},
        {14, {36, 0.0f, 1.0f}, true},
        // 0.6f lies above 0.6, so in double a growth of exactly 0.6f is too big.
        {15, {1, 1.0f, 0.6f}, false},
        {15, {1, 0.66f, std::nextafter(0.6f, 0.0f)}, true},
        {16, {60, 1.0f, 0.66f}, false},
        {17, {40, 0.0f, 1.0f}, true},
        {18, {42, 0.0f, 1.0f}, true},
        {18, {41, 1.0f, 0.0f}, false},
        // 0.9f lies below 0.9, so in double a growth of exactly 0.9f passes.
        {19, {1, 0.0f, 0.9f}, true},
        {19, {1, 1.0f, std::nextafter(0.9f, 1.0f)}, false},
        {20, {60, 0.0f, 1.0f}, true},
    };
    for (const auto& c : cases) {
        const ChallengeLevel* level = challengeLevel(c.level);
        ASSERT_NE(level, nullptr) << c.level;
        EXPECT_EQ(level->passed(c.outcome), c.passes)
            << "level " << c.level << ": " << c.outcome.points << " points, accuracy "
            << c.outcome.accuracy << ", growth " << c.outcome.growth;
    }
    EXPECT_EQ(challengeLevel(0), nullptr);
    EXPECT_EQ(challengeLevel(CHALLENGE_LEVELS + 1), nullptr);
}

} // namespace
