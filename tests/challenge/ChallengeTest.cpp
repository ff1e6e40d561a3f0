#include "challenge/ChallengeLevels.h"
#include "challenge/ChallengeMode.h"
#include "challenge/MessageScreen.h"
#include "game/GameSession.h"
#include "support/ScreenTest.h"

#include <cmath>

// What each level shows and plays.
const ChallengeLevel LEVELS[] = {
    {"Hit target before it reaches full size", 1, "", 0, 0, nullptr},
    {"Get at least 15 points", 1, "", 0, 0, nullptr},
    {"Reach at least 50% accuracy", 1, "", 0, 0, nullptr},
    {"Hit target before it reaches 66% size", 1, "", 0, 0, nullptr},
    {"Get at least 25 points", 1, "", 0, 0, nullptr},
    {"Reach at least 66% accuracy and 20 points", 1, "", 0, 0, nullptr},
    {"Hit target before it reaches 50% size", 1, "", 0, 0, nullptr},
    {"Get at least 30 points", 1, "", 0, 0, nullptr},
    {"Reach at least 75% accuracy and 20 points", 1, "", 0, 0, nullptr},
    {"Reach at least 66% accuracy and 50% speed", 1, "", 0, 0, nullptr},
    {"Now you will have two targets. Hit both of them before they reach full size", 2, "", 0, 0,
     nullptr},
    {"Get at least 38 points", 1, "", 0, 0, nullptr},
    {"Hit both targets, get at least 50 points", 2, "", 0, 0, nullptr},
    {"Get at least 36 points", 1, "images/bwbg.png", 0, 0, nullptr},
    {"Reach at least 66% accuracy and 40% speed", 1, "images/bwbg.png", 50, 80, nullptr},
    {"Hit target before it reaches 66% size", 1, "images/rwbg2.png", 0, 20, nullptr},
    {"Get at least 40 points", 1, "images/rwbg.png", 80, 20, nullptr},
    {"Hit all targets before they reach full size", 4, "images/rwbg2.png", 60, 40, nullptr},
    {"Hit all targets before they reach 90% size", 3, "images/rwbg2.png", 80, 90, nullptr},
    {"Hit all targets, Get at least 60 points", 3, "images/rwbg2.png", 70, 60, nullptr},
};

float below(float value) {
    return std::nextafter(value, 0.0f);
}

float above(float value) {
    return std::nextafter(value, 1.0f);
}

// For each level, the outcome that just passes its test, then those that just fail it. Where
// a level compares in double, 0.6f is above 0.6 and 0.9f below 0.9.
struct Boundary {
    int level;
    LevelOutcome outcome; // points, accuracy, growth
    bool passes;
};
const Boundary BOUNDARIES[] = {
    {1, {0, 0, below(1.0f)}, true},
    {1, {101, 1, 1}, false},
    {2, {15, 0, 1}, true},
    {2, {14, 1, 0}, false},
    {3, {1, 0.5f, 1}, true},
    {3, {101, below(0.5f), 0}, false},
    {4, {0, 0, below(0.66f)}, true},
    {4, {101, 1, 0.66f}, false},
    {5, {25, 0, 1}, true},
    {5, {24, 1, 0}, false},
    {6, {20, 0.66f, 1}, true},
    {6, {19, 1, 0}, false},
    {6, {101, below(0.66f), 0}, false},
    {7, {0, 0, below(0.5f)}, true},
    {7, {101, 1, 0.5f}, false},
    {8, {30, 0, 1}, true},
    {8, {29, 1, 0}, false},
    {9, {20, 0.75f, 1}, true},
    {9, {19, 1, 0}, false},
    {9, {101, below(0.75f), 0}, false},
    {10, {0, 0.66f, 0.5f}, true},
    {10, {101, below(0.66f), 0}, false},
    {10, {101, 1, above(0.5f)}, false},
    {11, {0, 0, below(1.0f)}, true},
    {11, {101, 1, 1}, false},
    {12, {38, 0, 1}, true},
    {12, {37, 1, 0}, false},
    {13, {50, 0, 1}, true},
    {13, {49, 1, 0}, false},
    {14, {36, 0, 1}, true},
    {14, {35, 1, 0}, false},
    {15, {0, 0.66f, below(0.6f)}, true},
    {15, {101, below(0.66f), 0}, false},
    {15, {101, 1, 0.6f}, false},
    {16, {0, 0, below(0.66f)}, true},
    {16, {101, 1, 0.66f}, false},
    {17, {40, 0, 1}, true},
    {17, {39, 1, 0}, false},
    {18, {42, 0, 1}, true},
    {18, {41, 1, 0}, false},
    {19, {0, 0, 0.9f}, true},
    {19, {101, 1, above(0.9f)}, false},
    {20, {60, 0, 1}, true},
    {20, {59, 1, 0}, false},
};

TEST(ChallengeLevels, EachShowsAndPlaysItsOwnRow) {
    for (int number = 1; number <= 20; ++number) {
        const ChallengeLevel& level = *challengeLevel(number);
        const ChallengeLevel& expected = LEVELS[number - 1];
        EXPECT_STREQ(level.objective, expected.objective) << "level " << number;
        EXPECT_EQ(level.targets, expected.targets) << "level " << number;
        EXPECT_STREQ(level.background, expected.background) << "level " << number;
        EXPECT_EQ(level.speedX, expected.speedX) << "level " << number;
        EXPECT_EQ(level.speedY, expected.speedY) << "level " << number;
    }
    EXPECT_EQ(challengeLevel(21), nullptr);
}

TEST(ChallengeLevels, EachIsPassedUpToItsBoundaryAndNoFurther) {
    for (const Boundary& b : BOUNDARIES)
        EXPECT_EQ(challengeLevel(b.level)->passed(b.outcome), b.passes)
            << "level " << b.level << ": " << b.outcome.points << " points, accuracy "
            << b.outcome.accuracy << ", growth " << b.outcome.growth;
}

TEST(ChallengeMessages, EndLinesAtLineFeedsAndAtTheFirstSpaceAfterTwentyCharacters) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(cutMessageLines("Success!\n-\n1234567890123456789 x 12345678901234567890 y"),
              (Lines{"Success!", "-", "1234567890123456789 x", "12345678901234567890", "y"}));
    EXPECT_EQ(cutMessageLines(std::string(600, 'w').c_str()),
              (Lines{std::string(255, 'w'), std::string(255, 'w'), std::string(90, 'w')}));
}

struct Message {
    std::string text;
    int level; // in its heading, or 0 for none
};

class ChallengeModeTest : public ScreenTest {
protected:
    // Lines centred on x = 160, y = 60 + 35k, under a red "Level n" on (160, 20), on black.
    static bool showsMessage(const Message& message) {
        const std::string heading = "Level " + std::to_string(message.level);
        bool shown = message.level == 0
                         ? countPixels({100, 0, 120, 40}, 255, 0, 0) <= 20
                         : showsCentredText("default", heading.c_str(), RED, 160, 20);
        int y = 25;
        for (const std::string& line : cutMessageLines(message.text.c_str()))
            shown = shown && showsCentredText("default", line.c_str(), WHITE, 160, y += 35);
        return shown && countPixels(WHOLE_SCREEN, 0, 0, 0) > 320 * 180;
    }

    // Plays a challenge, shooting every target dx right of its centre when shootNow(level, frame);
    // the levels are the rounds of its script, which may be given moments of its own.
    static int play(ChallengeMode& challenge, const std::vector<Message>& expected, int dx,
                    const std::function<bool(int level, int frame)>& shootNow,
                    const std::function<void(GameScript&)>& addMoments = nullptr) {
        std::size_t shown = 0;
        const auto onFlip = [&](int level, int frame) {
            shown += shown < expected.size() && showsMessage(expected[shown]) ? 1 : 0;
            const bool shoot = frame > 0 && shootNow(level, frame);
            for (int slot = 0; slot < 4 && shoot; ++slot)
                if (const auto centre = challenge.getSession().targetCentre(1, slot))
                    fake::click(centre->x + dx, centre->y);
        };
        GameScript script(onFlip, onFlip);
        if (addMoments)
            addMoments(script);
        challenge.run();
        EXPECT_EQ(shown, expected.size());
        return script.rounds();
    }
};

TEST_F(ChallengeModeTest, PassingLevelOneThenFailingLevelTwoKeepsLevelOnesPoints) {
    ChallengeMode challenge;
    // 3 from the centre at growth 0.29 (a radius of 8): 70.67 x 0.625 x 0.625 gives 29 points.
    const std::vector<Message> expected{{"Hit target before it reaches full size", 1},
                                        {"Success!\n-\nScore: 29\nAccuracy: 62%\nSpeed: 70%", 0},
                                        {"Get at least 15 points", 2},
                                        {"Failed!\n-\nScore: 1\nAccuracy: 90%\nSpeed: 0%", 0},
                                        {"Total score:\n29", 0}};
    const auto shoot = [](int level, int frame) { return frame == (level == 1 ? 45 : 160); };
    EXPECT_EQ(play(challenge, expected, 3, shoot), 2);
    EXPECT_EQ(challenge.getLevelsPassed(), 1);
    EXPECT_EQ(challenge.getTotalScore(), 29) << "no bonus for level 1";
}

TEST_F(ChallengeModeTest, APracticeRunPassesAllTwentyLevelsWithTheirBonusesAndEndsWithNothing) {
    IN_A_PROCESS_OF_ITS_OWN(); // the joystick is opened once per process
    fake::setJoysticks({"Pad"});
    fake::holdButton(4, true);
    ChallengeMode challenge;
    // Level 1 is left with button 6, failed but counted; then 71 points a target at growth 0.3.
    std::vector<Message> expected{{"Success!\n-\nScore: 0\nAccuracy: 0%\nSpeed: 0%", 0}};
    for (int level = 2; level <= 20; ++level) {
        const std::string points = std::to_string(71 * LEVELS[level - 1].targets);
        expected.push_back({LEVELS[level - 1].objective, level});
        expected.push_back({"Success!\n-\nScore: " + points + "\nAccuracy: 100%\nSpeed: 70%", 0});
    }
    expected.pop_back(); // level 20 is shot at full size after a stall
    expected.push_back({"CONGRATULATIONS\nAll levels completed!", 0});
    expected.push_back({"Total score:\n2258", 0}); // 25 x 71 + 3, bonuses 0 + 2 + ... + 38, 100
    const auto shootAt46 = [](int level, int frame) {
        fake::holdButton(4, false); // read as the challenge starts only
        fake::holdButton(6, level == 1 && frame == 40);
        return frame == 46;
    };
    const auto moments = [](GameScript& script) {
        // 60 and 40 pixels a second, the fractions dropped.
        script.at(18, 13, [] { EXPECT_TRUE(pictureAt("images/rwbg2.png", -6, -4, 0.5)); });
        script.at(20, 1, [] { fake::advance(3000); });
        // A step longer than the whole range still leaves the picture on the screen.
        script.at(20, 2, [] { EXPECT_TRUE(pictureAt("images/rwbg2.png", -160, -120, 0.5)); });
    };
    EXPECT_EQ(play(challenge, expected, 0, shootAt46, moments), 20);
    EXPECT_EQ(challenge.getLevelsPassed(), 0);
    EXPECT_EQ(challenge.getTotalScore(), 0);
}
