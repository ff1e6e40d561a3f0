#include "challenge/ChallengeLevels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct PassCase {
    const char* name;
    int level;
    LevelOutcome outcome;
    bool passes;
};

void PrintTo(const PassCase& test, std::ostream* out) {
    *out << test.name;
}

class PassTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(PassTest, JudgesTheOutcome) {
    const PassCase& test = GetParam();
    const ChallengeLevel* level = challengeLevel(test.level);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->passed(test.outcome), test.passes);
}

constexpr float below(float value) {
    return value - value * 1e-6f;
}

// Points thresholds include the stated number; growth and accuracy limits are
// compared exactly as the levels say, in float or widened to double.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, PassTest,
    ::testing::Values(
        PassCase{"L1FailsAtFullSize", 1, {101, 1.0f, 1.0f}, false},
        PassCase{"L1PassesJustBeforeFullSize", 1, {1, 1.0f, below(1.0f)}, true},
        PassCase{"L2PassesWithExactly15", 2, {15, 0.0f, 1.0f}, true},
        PassCase{"L2FailsWith14", 2, {14, 1.0f, 0.0f}, false},
        PassCase{"L3PassesAtHalfAccuracy", 3, {1, 0.5f, 1.0f}, true},
        PassCase{"L3FailsJustBelowHalf", 3, {90, below(0.5f), 0.0f}, false},
        PassCase{"L4FailsAt066", 4, {50, 1.0f, 0.66f}, false},
        PassCase{"L4PassesJustBelow066", 4, {50, 1.0f, std::nextafter(0.66f, 0.0f)}, true},
        PassCase{"L5PassesWithExactly25", 5, {25, 0.0f, 1.0f}, true},
        PassCase{"L6NeedsBoth", 6, {20, 0.66f, 1.0f}, true},
        PassCase{"L6FailsWithoutThePoints", 6, {19, 1.0f, 0.0f}, false},
        PassCase{"L6FailsWithoutTheAccuracy", 6, {60, std::nextafter(0.66f, 0.0f), 0.0f}, false},
        PassCase{"L7FailsAtHalfSize", 7, {60, 1.0f, 0.5f}, false},
        PassCase{"L8PassesWithExactly30", 8, {30, 0.0f, 1.0f}, true},
        PassCase{"L9PassesAt75And20", 9, {20, 0.75f, 1.0f}, true},
        PassCase{"L10PassesAtGrowthExactlyHalf", 10, {1, 0.66f, 0.5f}, true},
        PassCase{"L10FailsJustAboveHalf", 10, {1, 1.0f, std::nextafter(0.5f, 1.0f)}, false},
        PassCase{"L11FailsAtFullSize", 11, {150, 1.0f, 1.0f}, false},
        PassCase{"L12PassesWithExactly38", 12, {38, 0.0f, 1.0f}, true},
        PassCase{"L13FailsWith49", 13, {49, 1.0f, 0.0f}, false},
        PassCase{"L14PassesWithExactly36", 14, {36, 0.0f, 1.0f}, true},
        // 0.6f lies above 0.6, so in double a growth of exactly 0.6f is too big.
        PassCase{"L15FailsAtGrowth06fInDouble", 15, {1, 1.0f, 0.6f}, false},
        PassCase{"L15PassesJustBelow06f", 15, {1, 0.66f, std::nextafter(0.6f, 0.0f)}, true},
        PassCase{"L16FailsAt066", 16, {60, 1.0f, 0.66f}, false},
        PassCase{"L17PassesWithExactly40", 17, {40, 0.0f, 1.0f}, true},
        PassCase{"L18IgnoresGrowth", 18, {42, 0.0f, 1.0f}, true},
        PassCase{"L18FailsWith41", 18, {41, 1.0f, 0.0f}, false},
        // 0.9f lies below 0.9, so in double a growth of exactly 0.9f passes.
        PassCase{"L19PassesAtGrowth09fInDouble", 19, {1, 0.0f, 0.9f}, true},
        PassCase{"L19FailsJustAbove09f", 19, {1, 1.0f, std::nextafter(0.9f, 1.0f)}, false},
        PassCase{"L20PassesWithExactly60", 20, {60, 0.0f, 1.0f}, true}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ChallengeLevelTable, HasTwentyLevelsAndNothingAround) {
    EXPECT_EQ(challengeLevel(0), nullptr);
    EXPECT_EQ(challengeLevel(21), nullptr);
    for (int number = 1; number <= CHALLENGE_LEVELS; ++number)
        EXPECT_NE(challengeLevel(number), nullptr) << number;
}

} // namespace
