#include "challenge/ChallengeMode.h"
#include "game/GameTest.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The frames of a round are 10 ms apart and its timer starts at the first, so
// frame n shows the targets at growth (n - 1) / 150.
constexpr int AT_GROWTH_03 = 46; // dead centre there earns 71 points
constexpr int AT_FULL_SIZE = 160;
constexpr int POINTS_AT_GROWTH_03 = 71;

using Messages = std::vector<std::string>;

// Plays a challenge as a scripted player: at each level every live target is
// shot dead centre in the frame the plan names for it, and every message is
// dismissed. Each level is one round of the challenge's game.
class ChallengeTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        challenge = std::make_unique<ChallengeMode>(); // after the display exists
    }

    long play(std::function<int(int level)> plan,
              std::function<void(int level, int frame)> alsoEachFrame = nullptr) {
        // A frame without live targets is a message screen: the flip that
        // follows a round's last frame counts as one more frame of it.
        GameScript script(
            [&](int level, int frame) {
                const GameSession& game = challenge->getSession();
                bool live = false;
                for (int slot = 0; slot < 4; ++slot) {
                    const auto centre = game.targetCentre(1, slot);
                    live = live || centre;
                    if (centre && frame == plan(level))
                        clickAt(*centre);
                }
                if (!live)
                    recordScreen();
                else if (alsoEachFrame)
                    alsoEachFrame(level, frame);
            },
            [&](int, int) { recordScreen(); });
        const long result = challenge->run();
        levelsPlayed = script.rounds();
        return result;
    }

    // A message screen by its first line, marked when a red "Level" heading
    // stands above it; an objective by its heading alone.
    void recordScreen() {
        const bool heading = redHeading();
        for (const char* first : {"CONGRATULATIONS", "Total score:", "Success!", "Failed!"}) {
            if (showsCentredText("default", first, WHITE, 160, 60)) {
                messages.push_back(first + std::string(heading ? " under a heading" : ""));
                successRead = successRead ||
                              (messages.back() == "Success!" &&
                               showsCentredText("default", "Score: 71", WHITE, 160, 130) &&
                               showsCentredText("default", "Accuracy: 100%", WHITE, 160, 165) &&
                               showsCentredText("default", "Speed: 70%", WHITE, 160, 200));
                saveScreen("challenge-message-" + std::to_string(messages.size()));
                return;
            }
        }
        if (heading) {
            messages.push_back("objective");
            firstObjectiveRead =
                firstObjectiveRead ||
                (showsCentredText("default", "Hit target before it", WHITE, 160, 60) &&
                 showsCentredText("default", "reaches full size", WHITE, 160, 95));
            saveScreen("challenge-objective");
        }
    }

    std::unique_ptr<ChallengeMode> challenge;
    Messages messages;
    bool successRead = false;
    bool firstObjectiveRead = false;
    int levelsPlayed = 0;
};

TEST_F(ChallengeTest, PassingLevelOneThenFailingLevelTwoKeepsLevelOnesPoints) {
    const long total = play([](int level) { return level == 1 ? AT_GROWTH_03 : AT_FULL_SIZE; });
    EXPECT_EQ(levelsPlayed, 2);
    EXPECT_EQ(challenge->getLevelsPassed(), 1);
    EXPECT_EQ(total, POINTS_AT_GROWTH_03) << "no bonus for level 1";
    EXPECT_EQ(challenge->getTotalScore(), total);
    EXPECT_EQ(messages,
              (Messages{"objective", "Success!", "objective", "Failed!", "Total score:"}));
    EXPECT_TRUE(firstObjectiveRead);
    EXPECT_TRUE(successRead) << "its points, accuracy and speed";
}

TEST_F(ChallengeTest, AllTwentyLevelsEarnTheirPointsTheLevelBonusesAndAHundred) {
    const long total = play([](int) { return AT_GROWTH_03; });
    EXPECT_EQ(levelsPlayed, 20);
    EXPECT_EQ(challenge->getLevelsPassed(), 20);
    // 15 levels of one target, two of two, one of four and two of three.
    EXPECT_EQ(total, POINTS_AT_GROWTH_03 * (15 + 2 * 2 + 4 + 2 * 3) + 380 + 100);
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(Messages(messages.end() - 2, messages.end()),
              (Messages{"CONGRATULATIONS", "Total score:"}))
        << "without a Level heading";
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "Success!"), 20);
}

TEST_F(ChallengeTest, APracticeRunPlaysEveryLevelAndEndsWithNothing) {
    REQUIRE_FRESH_PROCESS(); // the joystick is opened once per process
    fake::setJoysticks({"Pad"});
    fake::holdButton(4, true);
    EXPECT_EQ(play([](int) { return AT_FULL_SIZE; }), 0);
    EXPECT_EQ(levelsPlayed, 20) << "every level counts as passed";
    EXPECT_EQ(challenge->getLevelsPassed(), 0);
    EXPECT_EQ(challenge->getTotalScore(), 0);
    EXPECT_EQ(messages.back(), "Total score:");
}

TEST_F(ChallengeTest, AQuitRequestFailsAGrowthLevel) {
    const long total = play([](int) { return 0; },
                            [](int level, int frame) {
                                if (level == 1 && frame == AT_GROWTH_03)
                                    fake::push(fake::quitRequest());
                            });
    EXPECT_EQ(levelsPlayed, 1);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(challenge->getLevelsPassed(), 0);
}

TEST_F(ChallengeTest, AQuitRequestPassesAPointsLevelWhoseThresholdWasAlreadyPassed) {
    // Level 13 wants more than 49 points from two targets: one early hit
    // earns 91, then the player leaves the level. Level 14 is played on a
    // missing background, which shows as black.
    ScratchFolder folder;
    folder.replaceData("images/bwbg.png", nullptr);
    bool blackBehindTheTarget = false;
    const long total =
        play([](int level) { return level < 13    ? AT_GROWTH_03
                                    : level == 13 ? 0
                                                  : AT_FULL_SIZE; },
             [&](int level, int frame) {
                 if (level == 14 && frame == AT_GROWTH_03)
                     blackBehindTheTarget =
                         countPixels(WHOLE_SCREEN, 0, 0, 0) > 320 * 240 - 60 * 60;
                 if (level != 13 || frame != 16) // growth 0.1
                     return;
                 if (auto centre = challenge->getSession().targetCentre(1, 0))
                     fake::push(fake::mouseDown(centre->x, centre->y));
                 fake::push(fake::quitRequest());
             });
    EXPECT_EQ(levelsPlayed, 14);
    EXPECT_EQ(challenge->getLevelsPassed(), 13);
    // Levels 1 to 12 hold 13 targets (level 11 has two).
    EXPECT_EQ(total, 13 * POINTS_AT_GROWTH_03 + 91 + 2 * (12 * 13 / 2));
    EXPECT_TRUE(blackBehindTheTarget);
}

} // namespace
