#include "challenge/ChallengeMode.h"
#include "game/GameScript.h"

#include <string>
#include <vector>

namespace {

constexpr SDL_Color WHITE{255, 255, 255, 0};

// The frames of a round are 10 ms apart and its timer starts at the first, so
// frame n shows the targets at growth (n - 1) / 150.
constexpr int AT_GROWTH_03 = 46; // dead centre there earns 71 points
constexpr int AT_FULL_SIZE = 160;
constexpr int POINTS_AT_GROWTH_03 = 71;

// Plays a challenge as a scripted player: at each level every live target is
// shot dead centre in the frame the plan names for it, and every message is
// dismissed. Each level is one round of the challenge's game.
class ChallengeTest : public GameTest {
protected:
    using Plan = std::function<int(int level)>;

    struct Screen {
        std::string kind;
        bool heading; // red "Level %d" above the text
    };

    long play(Plan plan, std::function<void(int level, int frame)> alsoEachFrame = nullptr) {
        // The flip that follows a round's last frame is counted as one more
        // frame of it: a frame without live targets is a message screen.
        GameScript script(
            [&](int level, int frame) {
                if (!anyLiveTarget()) {
                    recordScreen();
                    return;
                }
                if (frame == plan(level))
                    shootEveryTarget();
                if (alsoEachFrame)
                    alsoEachFrame(level, frame);
            },
            [&](int, int) { recordScreen(); });
        const long result = challenge->run();
        levelsPlayed = script.rounds();
        return result;
    }

    void recordScreen() {
        screens.push_back(Screen{screenKind(), redHeading()});
        if (onMessage)
            onMessage();
    }

    bool anyLiveTarget() const {
        for (int slot = 0; slot < 4; ++slot)
            if (challenge->getSession().targetCentre(1, slot))
                return true;
        return false;
    }

    void shootEveryTarget() {
        for (int slot = 0; slot < 4; ++slot)
            if (auto centre = challenge->getSession().targetCentre(1, slot))
                clickAt(*centre);
    }

    static bool redHeading() { return countPixels({100, 0, 120, 40}, 255, 0, 0) > 20; }

    static std::string screenKind() {
        for (const char* first : {"CONGRATULATIONS", "Total score:", "Success!", "Failed!"})
            if (showsCentredText("default", first, WHITE, 160, 60))
                return first;
        return redHeading() ? "objective" : "other";
    }

    // The message screens shown, in order, without the game's own screens.
    std::vector<std::string> messages() const {
        std::vector<std::string> kinds;
        for (const Screen& screen : screens)
            if (screen.kind != "other")
                kinds.push_back(screen.kind);
        return kinds;
    }

    void SetUp() override {
        GameTest::SetUp();
        challenge = std::make_unique<ChallengeMode>(); // after the display exists
    }

    std::unique_ptr<ChallengeMode> challenge;
    std::vector<Screen> screens;
    std::function<void()> onMessage;
    int levelsPlayed = 0;
};

TEST_F(ChallengeTest, PassingLevelOneThenFailingLevelTwoKeepsLevelOnesPoints) {
    const long total = play([](int level) { return level == 1 ? AT_GROWTH_03 : AT_FULL_SIZE; });
    EXPECT_EQ(levelsPlayed, 2);
    EXPECT_EQ(challenge->getLevelsPassed(), 1);
    EXPECT_EQ(total, POINTS_AT_GROWTH_03) << "no bonus for level 1";
    EXPECT_EQ(challenge->getTotalScore(), total);
    EXPECT_EQ(messages(), (std::vector<std::string>{"objective", "Success!", "objective", "Failed!",
                                                    "Total score:"}));
}

TEST_F(ChallengeTest, AllTwentyLevelsEarnTheirPointsTheLevelBonusesAndAHundred) {
    const long total = play([](int) { return AT_GROWTH_03; });
    EXPECT_EQ(levelsPlayed, 20);
    EXPECT_EQ(challenge->getLevelsPassed(), 20);
    // 15 levels of one target, two of two, one of four and two of three.
    const long points = POINTS_AT_GROWTH_03 * (15 + 2 * 2 + 4 + 2 * 3);
    EXPECT_EQ(total, points + 380 + 100);

    const std::vector<std::string> shown = messages();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], "CONGRATULATIONS");
    EXPECT_EQ(shown.back(), "Total score:");
    EXPECT_FALSE(screens.back().heading);
    EXPECT_FALSE(screens[screens.size() - 2].heading);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Success!"), 20);
}

TEST_F(ChallengeTest, ShotsAtFullSizeFailTheFirstLevelWithNothing) {
    EXPECT_EQ(play([](int) { return AT_FULL_SIZE; }), 0);
    EXPECT_EQ(challenge->getLevelsPassed(), 0);
    EXPECT_EQ(messages(), (std::vector<std::string>{"objective", "Failed!", "Total score:"}));
}

TEST_F(ChallengeTest, APracticeRunPlaysEveryLevelAndEndsWithNothing) {
    REQUIRE_FRESH_PROCESS(); // the joystick is opened once per process
    fake::setJoysticks({"Pad"});
    fake::holdButton(4, true);
    EXPECT_EQ(play([](int) { return AT_FULL_SIZE; }), 0);
    EXPECT_EQ(levelsPlayed, 20) << "every level counts as passed";
    EXPECT_EQ(challenge->getLevelsPassed(), 0);
    EXPECT_EQ(challenge->getTotalScore(), 0);
    EXPECT_EQ(messages().back(), "Total score:");
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
    // earns 91, then the player leaves the level.
    constexpr int AT_GROWTH_01 = 16;
    const long total =
        play([](int level) { return level < 13    ? AT_GROWTH_03
                                    : level == 13 ? 0
                                                  : AT_FULL_SIZE; },
             [this](int level, int frame) {
                 if (level != 13 || frame != AT_GROWTH_01)
                     return;
                 if (auto centre = challenge->getSession().targetCentre(1, 0))
                     fake::push(fake::mouseDown(centre->x, centre->y));
                 fake::push(fake::quitRequest());
             });
    EXPECT_EQ(levelsPlayed, 14);
    EXPECT_EQ(challenge->getLevelsPassed(), 13);
    const long bonuses = 2 * (0 + 1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11 + 12);
    // Levels 1 to 12 hold 13 targets (level 11 has two).
    EXPECT_EQ(total, 13 * POINTS_AT_GROWTH_03 + 91 + bonuses);
}

TEST_F(ChallengeTest, AMissingBackgroundIsPlayedOnBlack) {
    ScratchFolder folder;
    folder.replaceData("images/bwbg.png", nullptr);
    bool blackBehindTheTarget = false;
    play([](int level) { return level < 14 ? AT_GROWTH_03 : AT_FULL_SIZE; },
         [&](int level, int frame) {
             if (level == 14 && frame == AT_GROWTH_03) {
                 saveScreen("challenge-level14-missing-background");
                 const int black = countPixels({0, 0, 320, 240}, 0, 0, 0);
                 blackBehindTheTarget = black > 320 * 240 - 60 * 60;
             }
         });
    EXPECT_TRUE(blackBehindTheTarget);
    EXPECT_EQ(challenge->getLevelsPassed(), 13);
}

TEST_F(ChallengeTest, TheSuccessScreenShowsPointsAccuracyAndSpeed) {
    bool linesShown = false;
    onMessage = [&] {
        if (screenKind() != "Success!")
            return;
        saveScreen("challenge-success");
        linesShown = showsCentredText("default", "Score: 71", WHITE, 160, 130) &&
                     showsCentredText("default", "Accuracy: 100%", WHITE, 160, 165) &&
                     showsCentredText("default", "Speed: 70%", WHITE, 160, 200);
    };
    play([](int level) { return level == 1 ? AT_GROWTH_03 : AT_FULL_SIZE; });
    EXPECT_TRUE(linesShown);
}

TEST_F(ChallengeTest, AnObjectiveShowsItsLevelAndIsDismissedByAPress) {
    bool objectiveShown = false;
    onMessage = [&] {
        if (screenKind() == "objective" && !objectiveShown) {
            saveScreen("challenge-objective");
            objectiveShown = showsCentredText("default", "Hit target before it", WHITE, 160, 60) &&
                             showsCentredText("default", "reaches full size", WHITE, 160, 95);
        }
    };
    play([](int) { return AT_FULL_SIZE; });
    EXPECT_TRUE(objectiveShown);
}

} // namespace
