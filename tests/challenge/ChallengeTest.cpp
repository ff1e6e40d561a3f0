#include "challenge/ChallengeLevels.h"
#include "challenge/ChallengeMode.h"
#include "challenge/MessageScreen.h"
#include "game/GameSession.h"
#include "support/ScreenTest.h"

#include <cmath>

float below(float value) {
    return std::nextafter(value, 0.0f);
}

// Each level: what it shows and plays, then what it asks for: at least these points and this
// accuracy (0 for any), and a growth no larger than this (the largest float that passes).
// Where a level compares in double, 0.66f is at least 66% and 0.6f more than 60%, while 0.9f
// is below 90%.
struct Level {
    const char* objective;
    int targets;
    const char* background;
    int speedX, speedY;
    int points;
    float accuracy;
    float growth;
};
const Level LEVELS[] = {
    {"Hit target before it reaches full size", 1, "", 0, 0, 0, 0, below(1.0f)},
    {"Get at least 15 points", 1, "", 0, 0, 15, 0, 1},
    {"Reach at least 50% accuracy", 1, "", 0, 0, 0, 0.5f, 1},
    {"Hit target before it reaches 66% size", 1, "", 0, 0, 0, 0, below(0.66f)},
    {"Get at least 25 points", 1, "", 0, 0, 25, 0, 1},
    {"Reach at least 66% accuracy and 20 points", 1, "", 0, 0, 20, 0.66f, 1},
    {"Hit target before it reaches 50% size", 1, "", 0, 0, 0, 0, below(0.5f)},
    {"Get at least 30 points", 1, "", 0, 0, 30, 0, 1},
    {"Reach at least 75% accuracy and 20 points", 1, "", 0, 0, 20, 0.75f, 1},
    {"Reach at least 66% accuracy and 50% speed", 1, "", 0, 0, 0, 0.66f, 0.5f},
    {"Now you will have two targets. Hit both of them before they reach full size", 2, "", 0, 0, 0,
     0, below(1.0f)},
    {"Get at least 38 points", 1, "", 0, 0, 38, 0, 1},
    {"Hit both targets, get at least 50 points", 2, "", 0, 0, 50, 0, 1},
    {"Get at least 36 points", 1, "images/bwbg.png", 0, 0, 36, 0, 1},
    {"Reach at least 66% accuracy and 40% speed", 1, "images/bwbg.png", 50, 80, 0, 0.66f,
     below(0.6f)},
    {"Hit target before it reaches 66% size", 1, "images/rwbg2.png", 0, 20, 0, 0, below(0.66f)},
    {"Get at least 40 points", 1, "images/rwbg.png", 80, 20, 40, 0, 1},
    {"Hit all targets before they reach full size", 4, "images/rwbg2.png", 60, 40, 42, 0, 1},
    {"Hit all targets before they reach 90% size", 3, "images/rwbg2.png", 80, 90, 0, 0, 0.9f},
    {"Hit all targets, Get at least 60 points", 3, "images/rwbg2.png", 70, 60, 60, 0, 1},
};

TEST(ChallengeLevels, EachShowsAndPlaysItsOwnRow) {
    for (int number = 1; number <= 20; ++number) {
        const ChallengeLevel& level = *challengeLevel(number);
        const Level& expected = LEVELS[number - 1];
        EXPECT_STREQ(level.objective, expected.objective) << "level " << number;
        EXPECT_EQ(level.targets, expected.targets) << "level " << number;
        EXPECT_STREQ(level.background, expected.background) << "level " << number;
        EXPECT_EQ(level.speedX, expected.speedX) << "level " << number;
        EXPECT_EQ(level.speedY, expected.speedY) << "level " << number;
    }
    EXPECT_EQ(challengeLevel(21), nullptr);
}

// Just what a level asks for passes; a point, an accuracy or a growth beyond it fails.
TEST(ChallengeLevels, EachIsPassedUpToItsBoundary) {
    for (int number = 1; number <= 20; ++number) {
        const ChallengeLevel& level = *challengeLevel(number);
        const Level& asked = LEVELS[number - 1];
        EXPECT_TRUE(level.passed({asked.points, asked.accuracy, asked.growth})) << number;
        const LevelOutcome fewerPoints{asked.points - 1, 1, 0};
        EXPECT_EQ(level.passed(fewerPoints), asked.points == 0) << "level " << number;
        const LevelOutcome lessAccurate{101, below(asked.accuracy), 0};
        EXPECT_EQ(level.passed(lessAccurate), asked.accuracy == 0) << "level " << number;
        const LevelOutcome moreGrown{101, 1, std::nextafter(asked.growth, 2.0f)};
        EXPECT_EQ(level.passed(moreGrown), asked.growth == 1) << "level " << number;
    }
}

TEST(ChallengeMessages, BreakLinesAtTheFirstSpaceAfterTwentyCharacters) {
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
        EXPECT_EQ(shown, expected.size())
            << "never shown: " << (shown < expected.size() ? expected[shown].text : "");
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

TEST_F(ChallengeModeTest, APracticeRunPassesEveryLevelButScoresNothing) {
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
