#include "GameScript.h"

#include <string>
#include <vector>

namespace {

// Frames come every 10 ms, so from frame 151 on the targets are full size.
constexpr int FULL_SIZE_FRAME = 160;

ScreenPoint awayFrom(ScreenPoint target) {
    return ScreenPoint{target.x > 160 ? 5 : 315, target.y};
}

class RoundFlowTest : public GameTest {};

TEST_F(RoundFlowTest, PressAndReleaseAreEachAShot) {
    GameScript script([&](int, int frame) {
        if (frame == FULL_SIZE_FRAME) {
            // The press takes the target away; the release at the same spot misses.
            clickAt(*session->targetCentre(1, 0));
        } else if (frame == FULL_SIZE_FRAME + 1) {
            EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1);
            EXPECT_EQ(timesPlayed("sounds/miss.wav"), 1);
            EXPECT_EQ(session->getScore(1), 1);
            clickAt(*session->targetCentre(1, 1));
        }
    });
    EXPECT_EQ(session->run(1, 1, 2, nullptr, 0, 0), 1);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 2);
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 1) << "the release after the last hit is ignored";
    EXPECT_EQ(session->getScore(1), 2);
}

TEST_F(RoundFlowTest, APressThatMissesAndAReleaseOnTheTargetHits) {
    GameScript script([&](int, int frame) {
        if (frame != FULL_SIZE_FRAME)
            return;
        const ScreenPoint target = *targetOnScreen(CellLayout(1).cell(1));
        const ScreenPoint away = awayFrom(target);
        fake::push(fake::mouseDown(away.x, away.y));
        fake::push(fake::mouseUp(target.x, target.y));
    });
    EXPECT_EQ(session->run(1, 1, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 1);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1);
    EXPECT_EQ(session->getScore(1), 1);
}

TEST_F(RoundFlowTest, OnePlayerAndOneRoundEndAtTheLastHit) {
    int flipsAtTheHit = 0;
    GameScript script([&](int, int frame) {
        if (frame == FULL_SIZE_FRAME) {
            clickAt(*targetOnScreen(CellLayout(1).cell(1)));
            flipsAtTheHit = fake::flips();
        }
    });
    const Uint32 delaysBefore = static_cast<Uint32>(fake::delays().size());
    EXPECT_EQ(session->run(1, 1, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(fake::flips(), flipsAtTheHit) << "no screen after the round";
    EXPECT_EQ(fake::flips(), 1 + FULL_SIZE_FRAME) << "the pre-round display and the frames";
    ASSERT_EQ(fake::delays().size(), delaysBefore + 1u) << "only the pause";
    EXPECT_GE(fake::delays().back(), 500u);
    EXPECT_LE(fake::delays().back(), 1999u);
}

TEST_F(RoundFlowTest, TheFirstToClearTheirTargetsWinsAndTheOthersKeepTheirPoints) {
    const CellLayout layout(2);
    bool winnerScreenChecked = false;
    bool totalsChecked = false;
    GameScript script(
        [&](int round, int frame) {
            if (round == 1 && frame == FULL_SIZE_FRAME) {
                clickAt(*session->targetCentre(1, 0)); // 1 point, one target left
                clickAt(*session->targetCentre(2, 0));
                clickAt(*session->targetCentre(2, 1)); // player 2 clears first
            } else if (round == 1 && frame == FULL_SIZE_FRAME + 1) {
                // The winner screen, on top of the round's last frame.
                EXPECT_TRUE(cellIsWhite(layout.cell(2)));
                EXPECT_FALSE(cellIsWhite(layout.cell(1)));
                EXPECT_TRUE(showsCentredText("default", "HIT!", BLACK, 240, 80));
                EXPECT_TRUE(showsCentredText("default", "score: 2", BLACK, 240, 160));
                winnerScreenChecked = true;
            } else if (round == 2 && frame == 1) {
                EXPECT_EQ(session->getScore(1), 1);
                EXPECT_EQ(session->getScore(2), 2);
                // Player 1's target left over from round 1 made way for two new ones.
                EXPECT_TRUE(session->targetCentre(1, 0).has_value());
                EXPECT_TRUE(session->targetCentre(1, 1).has_value());
            } else if (round == 2 && frame == FULL_SIZE_FRAME) {
                clickAt(*session->targetCentre(1, 0));
                clickAt(*session->targetCentre(1, 1));
            } else if (round == 2 && frame == FULL_SIZE_FRAME + 1) {
                EXPECT_TRUE(cellIsWhite(layout.cell(1)));
                // Only this round's points, not the total of 3.
                EXPECT_TRUE(showsCentredText("default", "score: 2", BLACK, 80, 160));
                saveScreen("game-winner-2-players");
            }
        },
        [&](int, int) {
            if (showsTotals()) {
                EXPECT_TRUE(showsCentredText("default", "3", BLACK, 80, 80));
                EXPECT_TRUE(showsCentredText("default", "2", WHITE, 240, 80));
                totalsChecked = true;
            }
        });
    EXPECT_EQ(session->run(2, 2, 2, nullptr, 0, 0), 1);
    EXPECT_TRUE(winnerScreenChecked);
    EXPECT_TRUE(totalsChecked);
    EXPECT_EQ(session->getScore(1), 3);
    EXPECT_EQ(session->getScore(2), 2);
    EXPECT_EQ(session->getScore(0), -1);
    EXPECT_EQ(session->getScore(5), -1);
}

// Which screens a game shows between its rounds. The last player wins every
// round with a shot at full size.
struct Screens {
    int players;
    int rounds;
    int titles;
    int winnerScreens;
    int totalsScreens;
};

void PrintTo(const Screens& game, std::ostream* out) {
    *out << game.players << " players, " << game.rounds << " rounds";
}

class ScreensBetweenRounds : public GameTest, public ::testing::WithParamInterface<Screens> {};

TEST_P(ScreensBetweenRounds, DependOnThePlayersAndTheRounds) {
    const Screens& game = GetParam();
    const CellLayout layout(game.players);
    const Cell winnerCell = layout.cell(game.players);
    int titles = 0, winnerScreens = 0, totalsScreens = 0;
    std::vector<int> titleRounds;
    const auto lookAtScreen = [&](int round) {
        char title[32];
        std::snprintf(title, sizeof title, "Round %d", round + 1);
        if (showsTotals()) {
            ++totalsScreens;
        } else if (cellIsWhite(winnerCell)) {
            ++winnerScreens;
        } else if (showsCentredText("default", title, WHITE, 160, 120)) {
            ++titles;
            saveScreen("game-title-round-" + std::to_string(round + 1));
        }
    };
    GameScript script(
        [&](int round, int frame) {
            if (frame == FULL_SIZE_FRAME)
                clickAt(*targetOnScreen(winnerCell));
            else if (frame > FULL_SIZE_FRAME)
                lookAtScreen(round);
        },
        [&](int round, int) { lookAtScreen(round); });
    EXPECT_EQ(session->run(game.players, game.rounds, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(script.rounds(), game.rounds);
    EXPECT_EQ(titles, game.titles);
    EXPECT_EQ(winnerScreens, game.winnerScreens);
    EXPECT_EQ(totalsScreens, game.totalsScreens);
    EXPECT_EQ(std::count(fake::delays().begin(), fake::delays().end(), 2000u), game.titles)
        << "each title stays two seconds";
    EXPECT_EQ(session->getScore(game.players), game.rounds);
}

INSTANTIATE_TEST_SUITE_P(Games, ScreensBetweenRounds,
                         ::testing::Values(Screens{1, 1, 0, 0, 0}, Screens{1, 3, 3, 0, 1},
                                           Screens{2, 1, 0, 1, 0}, Screens{3, 2, 2, 2, 1},
                                           Screens{4, 3, 3, 3, 1}),
                         [](const ::testing::TestParamInfo<Screens>& param) {
                             return std::to_string(param.param.players) + "Players" +
                                    std::to_string(param.param.rounds) + "Rounds";
                         });

// Running totals in the cell corners, looked at in the first frame of play.
struct Totals {
    int rounds;
    int targets;
    bool shown;
};

void PrintTo(const Totals& game, std::ostream* out) {
    *out << game.rounds << " rounds, " << game.targets << " targets";
}

class RunningTotals : public GameTest, public ::testing::WithParamInterface<Totals> {};

TEST_P(RunningTotals, ShowWhenRoundsAndTargetsTogetherExceedTwo) {
    const Totals& game = GetParam();
    const CellLayout layout(2);
    bool looked = false;
    GameScript script([&](int, int frame) {
        if (frame != 1)
            return;
        for (int player = 1; player <= 2; ++player) {
            const Cell cell = layout.cell(player);
            const Cell corner{cell.x + 1, cell.y, 40, 40};
            if (game.shown)
                EXPECT_TRUE(showsText("small", "0", WHITE, cell.x + 5, cell.y + 5));
            else
                EXPECT_EQ(pixelsIn(corner, 255, 255, 255), 0) << "only the lines";
        }
        looked = true;
        fake::push(fake::quitRequest());
    });
    EXPECT_EQ(session->run(2, game.rounds, game.targets, nullptr, 0, 0), 0);
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(Games, RunningTotals,
                         ::testing::Values(Totals{1, 1, false}, Totals{2, 1, true},
                                           Totals{1, 2, true}, Totals{5, 4, true}),
                         [](const ::testing::TestParamInfo<Totals>& param) {
                             return std::to_string(param.param.rounds) + "Rounds" +
                                    std::to_string(param.param.targets) + "Targets";
                         });

TEST_F(RoundFlowTest, TheRunningTotalShowsAHitInTheNextFrame) {
    const CellLayout layout(2);
    GameScript script([&](int, int frame) {
        if (frame == 31) // growth 0.2 at 10 ms a frame
            clickAt(*session->targetCentre(2, 0));
        if (frame == 32) {
            char points[16];
            std::snprintf(points, sizeof points, "%d", session->getScore(2));
            EXPECT_GT(session->getScore(2), 60);
            EXPECT_TRUE(showsText("small", points, WHITE, 165, 5));
            fake::push(fake::quitRequest());
        }
    });
    EXPECT_EQ(session->run(2, 1, 2, nullptr, 0, 0), 0);
}

class AbandonedGame : public GameTest {
protected:
    // No quit request is left for the screen that comes next.
    static bool quitRequestLeft() {
        fake::onFrame(nullptr);
        fake::advance(60 * 1000);
        SDL_Event event;
        bool quit = false;
        while (SDL_PollEvent(&event))
            quit = quit || event.type == SDL_QUIT;
        return quit;
    }
};

TEST_F(AbandonedGame, AQuitRequestEndsTheGameAtOnce) {
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
    EXPECT_FALSE(quitRequestLeft());
}

TEST_F(AbandonedGame, JoystickButtonSixEndsTheGameAtOnce) {
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
                clickAt(*session->targetCentre(1, 0));
            }
        },
        [&](int, int) {
            // The pre-round display: the pause follows, and the shot lands in it.
            const ScreenPoint target{160, 120};
            fake::pushAt(fake::now() + 100, fake::mouseDown(target.x, target.y));
            fake::pushAt(fake::now() + 120, fake::mouseUp(target.x, target.y));
        });
    EXPECT_EQ(session->run(1, 1, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2);
    EXPECT_EQ(session->getScore(1), 1);
}

TEST_F(RoundFlowTest, ARequestForMoreThanFourTargetsGetsFour) {
    GameScript script([&](int, int frame) {
        if (frame != FULL_SIZE_FRAME)
            return;
        EXPECT_FALSE(session->targetCentre(1, 4).has_value());
        for (int slot = 0; slot < 4; ++slot)
            clickAt(*session->targetCentre(1, slot));
    });
    EXPECT_EQ(session->run(0, 1, 9, nullptr, 0, 0), 1) << "0 players play as one";
    EXPECT_EQ(session->getScore(1), 4);
}

TEST_F(RoundFlowTest, ARequestForNoTargetsStillGivesEveryPlayerOne) {
    // A round without targets could never be won.
    GameScript script([&](int, int frame) {
        if (frame != FULL_SIZE_FRAME)
            return;
        EXPECT_FALSE(session->targetCentre(2, 1).has_value());
        clickAt(*session->targetCentre(2, 0));
    });
    EXPECT_EQ(session->run(2, 1, 0, nullptr, 0, 0), 1);
    EXPECT_EQ(session->getScore(2), 1);
}

} // namespace
