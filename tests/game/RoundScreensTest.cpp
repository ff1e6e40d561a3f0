#include "game/GameSession.h"
#include "support/ScreenTest.h"

class RoundScreensTest : public ScreenTest {
protected:
    // A cell mostly of one shade, with a text centred across it a third or two thirds down.
    static bool cellShows(SDL_Rect c, Uint8 shade, int thirds, const char* text, SDL_Color ink) {
        return countPixels(c, shade, shade, shade) > c.w * c.h * 3 / 4 &&
               showsCentredText("default", text, ink, c.x + c.w / 2, c.y + thirds * c.h / 3);
    }
    static void press(ScreenPoint at) { fake::push(fake::mouseDown(at.x, at.y)); }
    static void release(ScreenPoint at) { fake::push(fake::mouseUp(at.x, at.y)); }
};

TEST_F(RoundScreensTest, EveryTargetShowsOverTheSlidingBackgroundRoundAfterRound) {
    const char* psycho = "images/rwbg2.png";
    GameSession session;
    const auto target = [&](int player, int slot) { return *session.targetCentre(player, slot); };
    int otherScreens = 0;
    GameScript script(
        [&](int round, int frame) {
            // After a bounce off the near edges the picture slides 1 pixel a frame left, 2 up.
            if (round == 1 && frame == 1) {
                EXPECT_EQ(countPixels({0, 120, 320, 1}, 255, 255, 255), 320);
                SurfacePtr zero = renderText("small", "0", WHITE);
                const SDL_Rect box{165, 125, Uint16(zero->w), Uint16(zero->h)}; // player 4's total
                const int black = countPixels(box, 0, 0, 0); // a black box under the white text
                EXPECT_TRUE(black + countPixels(box, 255, 255, 255) == box.w * box.h &&
                            black > box.w * box.h / 2);
            } else if (round == 1 && frame == 100) { // growth 0.66: 35 points at dead centre
                saveScreen("game-round-4-players-psycho");
                EXPECT_TRUE(pictureAt(psycho, -99, -44, 0.5)) << "back from the far edge in y";
                EXPECT_TRUE(pixelIs(target(4, 1).x, target(4, 1).y, 222, 24, 32)) << "a bullseye";
                press(target(1, 0));   // hit
                release(target(1, 0)); // a miss: that target is gone
                press(target(4, 0));   // hit
                press(target(1, 0));   // miss
                release(target(1, 1)); // hit: player 1 has cleared their targets
                press(target(3, 0));   // too late
            } else if (round == 1 && frame == 101) {
                EXPECT_EQ(timesPlayed("sounds/shot.wav"), 3);
                EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2);
                EXPECT_TRUE(cellShows({0, 0, 160, 120}, 255, 1, "HIT!", BLACK));
                EXPECT_TRUE(cellShows({0, 0, 160, 120}, 255, 2, "score: 70", BLACK));
            } else if (round == 2 && frame == 11) {
                EXPECT_TRUE(pictureAt(psycho, -109, -24, 0.5)) << "on from where round 1 left it";
            } else if (round == 2 && frame == 100) {
                press(target(1, 0));
                press(target(4, 0));
                press(target(4, 1));
            } else if (round == 2 && frame == 101) {
                EXPECT_TRUE(cellShows({160, 120, 160, 120}, 255, 1, "HIT!", BLACK));
                EXPECT_TRUE(cellShows({160, 120, 160, 120}, 255, 2, "score: 70", BLACK)); // not 105
            }
        },
        [&](int round, int) {
            ++otherScreens;
            const std::string title = "Round " + std::to_string(round + 1);
            if (!fake::delays().empty() && fake::delays().back() == 2000u) { // after a title
                EXPECT_TRUE(pictureAt(psycho, 0, 0, 0.5)) << "before each round, from its corner";
            } else if (round < 2) {
                EXPECT_TRUE(showsCentredText("default", title.c_str(), WHITE, 160, 120));
            } else { // the totals: players 1 and 4 share the best
                EXPECT_TRUE(showsText("default", "TOTAL", RED,
                                      160 - renderText("default", "TOTAL", RED)->w / 2, 5));
                EXPECT_TRUE(cellShows({0, 0, 160, 120}, 255, 1, "105", BLACK));
                EXPECT_TRUE(cellShows({160, 0, 160, 120}, 0, 1, "0", WHITE));
                EXPECT_TRUE(cellShows({0, 120, 160, 120}, 0, 1, "0", WHITE));
                EXPECT_TRUE(cellShows({160, 120, 160, 120}, 255, 1, "105", BLACK));
            }
        });
    EXPECT_EQ(session.run(9, 2, 2, ResourceManager::instance().loadImage(psycho), 100, 200), 1);
    EXPECT_EQ(otherScreens, 5) << "two titles, two displays before the rounds, the totals";
    // A one-round game on the same session counts its round from nothing.
    GameScript again([&](int, int frame) {
        if (frame == 100)
            press(target(1, 0));
        EXPECT_TRUE(frame != 101 || cellShows({0, 0, 160, 120}, 255, 2, "score: 35", BLACK));
    });
    EXPECT_EQ(session.run(4, 1, 1, nullptr, 0, 0), 1);
}

TEST_F(RoundScreensTest, OnePlayerAndOneRoundEndAtTheHitAfterARandomPause) {
    std::srand(5);
    const Uint32 pause = 500 + std::rand() % 1500;
    std::srand(5);
    GameSession session;
    GameScript script(
        [&](int, int frame) {
            EXPECT_TRUE(frame != 1 || countPixels(WHOLE_SCREEN, 0, 0, 0) == 320 * 240); // no totals
            // Growth 0.5: a radius of 15, and 5 from the centre: 50 x 4 / 9 gives 23 points.
            if (frame == 76)
                fake::click(session.targetCentre(1, 0)->x + 3, session.targetCentre(1, 0)->y + 4);
        },
        [](int, int) { fake::clickAt(fake::now() + 100, 160, 120); }); // during the pause
    EXPECT_EQ(session.run(0, 1, 0, nullptr, 0, 0), 1) << "no players or targets play as one";
    EXPECT_EQ(fake::flips(), 1 + 76) << "the display before the round and its frames";
    EXPECT_EQ(fake::delays(), std::vector<Uint32>{pause});
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2) << "the click in the pause, missed at growth 0";
    for (const auto& [player, points] : {std::pair{0, -1}, {1, 23}, {4, 0}, {5, -1}})
        EXPECT_EQ(session.getScore(player), points) << player;
}

TEST_F(RoundScreensTest, ThreeCellsAreSplitAt106And213AndAQuitAbandonsTheGame) {
    GameSession session;
    GameScript script([&](int, int) {
        EXPECT_TRUE(pixelIs(106, 200, 255, 255, 255) && pixelIs(213, 200, 255, 255, 255));
        for (const int x : {0, 106, 213})
            EXPECT_TRUE(showsText("small", "0", WHITE, x + 5, 5));
        fake::push(fake::quitRequest());
    });
    EXPECT_EQ(session.run(3, 0, 9, nullptr, 0, 0), 0);
    EXPECT_EQ(fake::flips(), 2) << "no title for rounds below 1, nothing after the quit";
}
