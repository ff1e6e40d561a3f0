#include "GameTest.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Frames come every 10 ms, so from frame 151 on the targets are full size.
constexpr int FULL_SIZE_FRAME = 160;

class RoundFlowTest : public GameTest {};

TEST_F(RoundFlowTest, AShotEarnsPointsForItsGrowthAndDistanceAndEndsTheRound) {
    // Frames every 25 ms: frame n shows the targets at growth (n - 1) x 25 / 1500.
    // Growth 0.25 shows 15 pixels, a radius of 7: one pixel off diagonally is
    // an accuracy of 1 - sqrt(2) / 7, about 0.8.
    const struct {
        int frame, dx, dy, points;
        float accuracy;
    } shots[] = {{16, 1, 1, 49, 1.0f - std::sqrt(2.0f) / 7.0f},
                 {31, 0, 0, 51, 1.0f},
                 {61, 20, 0, 1, 1.0f / 3.0f},
                 {200, -29, 0, 1, 1.0f / 30.0f}};
    fake::setFrameStep(25);
    for (const auto& shot : shots) {
        SCOPED_TRACE("frame " + std::to_string(shot.frame));
        fake::clearHistory();
        GameSession game;
        GameScript script([&](int, int frame) {
            if (frame == shot.frame)
                fake::click(game.targetCentre(1, 0)->x + shot.dx,
                            game.targetCentre(1, 0)->y + shot.dy);
        });
        EXPECT_EQ(game.run(1, 1, 1, nullptr, 0, 0), 1);
        EXPECT_EQ(game.getScore(1), shot.points);
        EXPECT_FLOAT_EQ(game.getGrowth(), std::min(1.0f, float(shot.frame - 1) * 25.0f / 1500.0f));
        EXPECT_NEAR(game.getAccuracy(), shot.accuracy, 0.001f);
        EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1);
        EXPECT_EQ(timesPlayed("sounds/miss.wav"), 0) << "the release after the last hit is ignored";
    }
}

TEST_F(RoundFlowTest, PressAndReleaseAreEachAShot) {
    GameScript script([&](int, int frame) {
        if (frame == FULL_SIZE_FRAME) {
            // The press takes the target away; the release at the same spot misses.
            shoot(1, 0);
        } else if (frame == FULL_SIZE_FRAME + 1) {
            EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1);
            EXPECT_EQ(timesPlayed("sounds/miss.wav"), 1);
            EXPECT_EQ(session->getScore(1), 1);
            // A press beside the target misses, and the release on it hits.
            const ScreenPoint target = *session->targetCentre(1, 1);
            fake::push(fake::mouseDown(target.x > 160 ? 5 : 315, target.y));
            fake::push(fake::mouseUp(target.x, target.y));
        }
    });
    EXPECT_EQ(session->run(1, 1, 2, nullptr, 0, 0), 1);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 2);
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2);
    EXPECT_EQ(session->getScore(1), 2);
}

TEST_F(RoundFlowTest, OnePlayerAndOneRoundEndAtTheLastHit) {
    int flipsAtTheHit = 0;
    GameScript script([&](int, int frame) {
        if (frame == FULL_SIZE_FRAME) {
            shoot(1);
            flipsAtTheHit = fake::flips();
        }
    });
    EXPECT_EQ(session->run(1, 1, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(fake::flips(), flipsAtTheHit) << "no screen after the round";
    EXPECT_EQ(fake::flips(), 1 + FULL_SIZE_FRAME) << "the pre-round display and the frames";
    ASSERT_EQ(fake::delays().size(), 1u) << "only the pause";
    EXPECT_GE(fake::delays().back(), 500u);
    EXPECT_LE(fake::delays().back(), 1999u);
}

TEST_F(RoundFlowTest, TheFirstToClearTheirTargetsWinsAndTheOthersKeepTheirPoints) {
    const CellLayout layout(2);
    bool winnerScreenChecked = false;
    GameScript script([&](int round, int frame) {
        if (round == 1 && frame == FULL_SIZE_FRAME) {
            shoot(1, 0); // 1 point, one target left
            shoot(2, 0);
            shoot(2, 1); // player 2 clears first
        } else if (round == 1 && frame == FULL_SIZE_FRAME + 1) {
            // The winner screen, on top of the round's last frame.
            EXPECT_TRUE(cellIsWhite(layout.cell(2)));
            EXPECT_FALSE(cellIsWhite(layout.cell(1)));
            EXPECT_TRUE(showsCentredText("default", "score: 2", BLACK, 240, 160));
            winnerScreenChecked = true;
        } else if (round == 2 && frame == 1) {
            EXPECT_EQ(session->getScore(1), 1);
            EXPECT_EQ(session->getScore(2), 2);
            // Player 1's target left over from round 1 made way for two new ones.
            EXPECT_TRUE(session->targetCentre(1, 0) && session->targetCentre(1, 1));
        } else if (round == 2 && frame == FULL_SIZE_FRAME) {
            shoot(1, 0);
            shoot(1, 1);
        } else if (round == 2 && frame == FULL_SIZE_FRAME + 1) {
            EXPECT_TRUE(cellIsWhite(layout.cell(1)));
            // Only this round's points, not the total of 3.
            EXPECT_TRUE(showsCentredText("default", "score: 2", BLACK, 80, 160));
        }
    });
    EXPECT_EQ(session->run(2, 2, 2, nullptr, 0, 0), 1);
    EXPECT_TRUE(winnerScreenChecked);
    EXPECT_EQ(session->getScore(1), 3);
    EXPECT_EQ(session->getScore(2), 2);
    EXPECT_EQ(session->getScore(0), -1);
    EXPECT_EQ(session->getScore(5), -1);
}

TEST_F(RoundFlowTest, TheScreensBetweenRoundsDependOnThePlayersAndTheRounds) {
    // The last player wins every round with a shot at full size.
    const struct {
        int players, rounds, titles, winnerScreens, totalsScreens;
    } games[] = {
        {1, 1, 0, 0, 0}, {1, 3, 3, 0, 1}, {2, 1, 0, 1, 0}, {3, 2, 2, 2, 1}, {4, 3, 3, 3, 1}};
    for (const auto& game : games) {
        SCOPED_TRACE(std::to_string(game.players) + " players, " + std::to_string(game.rounds) +
                     " rounds");
        fake::clearHistory();
        GameSession played;
        const Cell winnerCell = CellLayout(game.players).cell(game.players);
        int titles = 0, winnerScreens = 0, totalsScreens = 0;
        const auto lookAtScreen = [&](int round) {
            const std::string title = "Round " + std::to_string(round + 1);
            if (redHeading()) {
                ++totalsScreens;
            } else if (cellIsWhite(winnerCell)) {
                ++winnerScreens;
            } else if (showsCentredText("default", title.c_str(), WHITE, 160, 120)) {
                ++titles;
                saveScreen("game-title-round-" + std::to_string(round + 1));
            }
        };
        GameScript script(
            [&](int round, int frame) {
                if (frame == FULL_SIZE_FRAME)
                    clickAt(*findTarget(rectOf(winnerCell)));
                else if (frame > FULL_SIZE_FRAME)
                    lookAtScreen(round);
            },
            [&](int round, int) { lookAtScreen(round); });
        EXPECT_EQ(played.run(game.players, game.rounds, 1, nullptr, 0, 0), 1);
        EXPECT_EQ(script.rounds(), game.rounds);
        EXPECT_EQ(titles, game.titles);
        EXPECT_EQ(winnerScreens, game.winnerScreens);
        EXPECT_EQ(totalsScreens, game.totalsScreens);
        EXPECT_EQ(std::count(fake::delays().begin(), fake::delays().end(), 2000u), game.titles)
            << "each title stays two seconds";
        EXPECT_EQ(played.getScore(game.players), game.rounds);
    }
}

TEST_F(RoundFlowTest, RunningTotalsShowWhenRoundsAndTargetsTogetherExceedTwo) {
    const struct {
        int rounds, targets;
        bool shown;
    } games[] = {{1, 1, false}, {2, 1, true}, {1, 2, true}, {5, 4, true}};
    for (const auto& game : games) {
        SCOPED_TRACE(std::to_string(game.rounds) + " rounds, " + std::to_string(game.targets) +
                     " targets");
        bool looked = false;
        GameScript script([&](int, int frame) {
            if (frame != 1)
                return;
            for (const Cell cell : {CellLayout(2).cell(1), CellLayout(2).cell(2)}) {
                if (game.shown)
                    EXPECT_TRUE(showsText("small", "0", WHITE, cell.x + 5, cell.y + 5));
                else
                    EXPECT_EQ(countPixels({Sint16(cell.x + 1), 0, 40, 40}, 255, 255, 255), 0);
            }
            looked = true;
            fake::push(fake::quitRequest());
        });
        EXPECT_EQ(GameSession().run(2, game.rounds, game.targets, nullptr, 0, 0), 0);
        EXPECT_TRUE(looked);
    }
}

TEST_F(RoundFlowTest, TheRunningTotalShowsAHitInTheNextFrame) {
    GameScript script([&](int, int frame) {
        if (frame == 31) // growth 0.2 at 10 ms a frame
            shoot(2);
        if (frame == 32) {
            EXPECT_GT(session->getScore(2), 60);
            const std::string points = std::to_string(session->getScore(2));
            EXPECT_TRUE(showsText("small", points.c_str(), WHITE, 165, 5));
            fake::push(fake::quitRequest());
        }
    });
    EXPECT_EQ(session->run(2, 1, 2, nullptr, 0, 0), 0);
}

TEST_F(RoundFlowTest, AQuitRequestEndsTheGameAtOnceAndIsConsumed) {
    int flipsAtTheQuit = 0;
    GameScript script([&](int, int frame) {
        if (frame == 5) {
            fake::push(fake::quitRequest());
            flipsAtTheQuit = fake::flips();
        }
    });
    EXPECT_EQ(session->run(2, 3, 1, nullptr, 0, 0), 0);
    EXPECT_EQ(session->getGrowth(), 1.0f);
    EXPECT_EQ(script.rounds(), 1);
    EXPECT_EQ(fake::flips(), flipsAtTheQuit) << "no winner or totals screen";
    // No quit request is left for the screen that comes next.
    fake::onFrame(nullptr);
    fake::advance(60 * 1000);
    SDL_Event event;
    while (SDL_PollEvent(&event))
        EXPECT_NE(event.type, SDL_QUIT);
}

TEST_F(RoundFlowTest, JoystickButtonSixEndsTheGameAtOnce) {
    REQUIRE_FRESH_PROCESS(); // the joystick is opened once per process
    fake::setJoysticks({"Handheld pad"});
    int frames = 0;
    GameScript script([&](int, int frame) {
        frames = frame;
        if (frame == 3)
            fake::holdButton(6, true);
    });
    CapturedLog log;
    EXPECT_EQ(session->run(4, 2, 1, nullptr, 0, 0), 0);
    EXPECT_EQ(session->getGrowth(), 1.0f);
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(script.rounds(), 1);
}

TEST_F(RoundFlowTest, ShotsMadeDuringThePauseAreHandledInTheFirstFrame) {
    GameScript script(
        [&](int, int frame) {
            if (frame == 1) {
                EXPECT_EQ(session->getGrowth(), 0.0f);
                EXPECT_EQ(timesPlayed("sounds/miss.wav"), 0) << "not before the first frame";
            } else if (frame == 2) {
                EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2) << "nothing can be hit at growth 0";
                EXPECT_EQ(session->getAccuracy(), 0.0f);
            } else if (frame == FULL_SIZE_FRAME) {
                shoot(1);
            }
        },
        [&](int, int) {
            // The pre-round display: the pause follows, and the shot lands in it.
            fake::pushAt(fake::now() + 100, fake::mouseDown(160, 120));
            fake::pushAt(fake::now() + 120, fake::mouseUp(160, 120));
        });
    EXPECT_EQ(session->run(1, 1, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2);
    EXPECT_EQ(session->getScore(1), 1);
}

TEST_F(RoundFlowTest, TargetCountsOutsideOneToFourAreKeptToThatRange) {
    // More than four targets get four; none would make a round nobody can win.
    for (const int asked : {9, 0}) {
        const int given = asked == 0 ? 1 : 4;
        GameSession game;
        GameScript script([&](int, int frame) {
            if (frame != FULL_SIZE_FRAME)
                return;
            EXPECT_FALSE(game.targetCentre(1, given).has_value()) << asked;
            for (int slot = 0; slot < given; ++slot)
                clickAt(*game.targetCentre(1, slot));
        });
        EXPECT_EQ(game.run(asked == 0 ? 1 : 0, 1, asked, nullptr, 0, 0), 1)
            << "0 players play as one";
        EXPECT_EQ(game.getScore(1), given);
    }
}

} // namespace
