// A game: its rounds and the screens between them (a title, the winner of each
// round, the totals), every press and release a shot, the picture sliding on
// behind the targets from round to round.
#include "game/GameSession.h"
#include "support/ScreenTest.h"

class GameSessionTest : public ScreenTest {
protected:
    // A cell mostly of one shade, with a text centred across it a third or two thirds down.
    static ::testing::AssertionResult cellShows(SDL_Rect c, Uint8 shade, int thirds,
                                                const char* text, SDL_Color ink) {
        if (countPixels(c, shade, shade, shade) <= c.w * c.h * 3 / 4)
            return ::testing::AssertionFailure() << "the cell is not of shade " << int(shade);
        if (!showsCentredText("default", text, ink, c.x + c.w / 2, c.y + thirds * c.h / 3))
            return ::testing::AssertionFailure() << "the cell does not show " << text;
        return ::testing::AssertionSuccess();
    }
    static void press(ScreenPoint at) { fake::push(fake::mouseDown(at.x, at.y)); }
    static void release(ScreenPoint at) { fake::push(fake::mouseUp(at.x, at.y)); }
    static constexpr SDL_Rect TOP_LEFT{0, 0, 160, 120}, TOP_RIGHT{160, 0, 160, 120};
    static constexpr SDL_Rect BOTTOM_LEFT{0, 120, 160, 120}, BOTTOM_RIGHT{160, 120, 160, 120};
};

TEST_F(GameSessionTest, FourPlayersPlayTwoRoundsOverTheSlidingPicture) {
    const char* psycho = "images/rwbg2.png";
    GameSession session;
    const auto target = [&](int player, int slot) { return *session.targetCentre(player, slot); };
    std::vector<std::string> between; // what the screens between the rounds' frames showed
    GameScript script(nullptr, [&](int round, int) {
        const std::string title = "Round " + std::to_string(round + 1);
        if (showsCentredText("default", title.c_str(), WHITE, 160, 120))
            between.push_back(title);
        else if (pictureAt(psycho, 0, 0, 0.5))
            between.push_back("the picture from its corner");
    });
    // After a bounce off the near edges the picture slides 1 pixel a frame left, 2 up.
    script.at(1, 100, [&] { // growth 0.66: 35 points at dead centre
        saveScreen("game-round-4-players-psycho");
        EXPECT_TRUE(pictureAt(psycho, -99, -44, 0.5)) << "back from the far edge in y";
        EXPECT_TRUE(pixelIs(target(4, 1).x, target(4, 1).y, 222, 24, 32)) << "a bullseye";
        press(target(1, 0));   // hit
        release(target(1, 0)); // a miss: that target is gone
        press(target(4, 0));   // hit
        press(target(1, 0));   // miss
        release(target(1, 1)); // hit: player 1 has cleared their targets
        press(target(3, 0));   // too late
    });
    script.at(1, 101, [&] {
        EXPECT_EQ(timesPlayed("sounds/shot.wav"), 3);
        EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2);
        EXPECT_TRUE(cellShows(TOP_LEFT, 255, 1, "HIT!", BLACK));
        EXPECT_TRUE(cellShows(TOP_LEFT, 255, 2, "score: 70", BLACK));
    });
    script.at(2, 11, [&] {
        EXPECT_TRUE(pictureAt(psycho, -109, -24, 0.5)) << "on from where round 1 left it";
        EXPECT_TRUE(showsText("small", "70", WHITE, 5, 5)) << "player 1's running total";
        EXPECT_TRUE(showsText("small", "35", WHITE, 165, 125)) << "player 4's";
    });
    script.at(2, 100, [&] {
        press(target(1, 0));
        press(target(4, 0));
        press(target(4, 1));
    });
    script.at(2, 101, [&] {
        EXPECT_TRUE(cellShows(BOTTOM_RIGHT, 255, 1, "HIT!", BLACK));
        EXPECT_TRUE(cellShows(BOTTOM_RIGHT, 255, 2, "score: 70", BLACK)) << "this round's";
    });
    EXPECT_EQ(session.run(9, 2, 2, ResourceManager::instance().loadImage(psycho), 100, 200), 1);
    EXPECT_EQ(between, (std::vector<std::string>{"Round 1", "the picture from its corner",
                                                 "Round 2", "the picture from its corner"}));
    // The totals stay on the screen: players 1 and 4 share the best.
    SurfacePtr heading = renderText("default", "TOTAL", RED);
    EXPECT_TRUE(showsText("default", "TOTAL", RED, 160 - heading->w / 2, 5));
    EXPECT_TRUE(cellShows(TOP_LEFT, 255, 1, "105", BLACK));
    EXPECT_TRUE(cellShows(TOP_RIGHT, 0, 1, "0", WHITE));
    EXPECT_TRUE(cellShows(BOTTOM_LEFT, 0, 1, "0", WHITE));
    EXPECT_TRUE(cellShows(BOTTOM_RIGHT, 255, 1, "105", BLACK));

    // A one-round game on the same session counts its round from nothing.
    GameScript again(nullptr);
    again.at(1, 100, [&] { press(target(1, 0)); });
    again.at(1, 101, [&] { EXPECT_TRUE(cellShows(TOP_LEFT, 255, 2, "score: 35", BLACK)); });
    EXPECT_EQ(session.run(4, 1, 1, nullptr, 0, 0), 1);
}

TEST_F(GameSessionTest, OnePlayerSeesTheTotalsOnlyAfterTwoRounds) {
    fake::script().randoms = {777}; // the pause: 500 + 777 ms; then the target's place
    GameSession session;
    GameScript clickInThePause(nullptr,
                               [](int, int) { fake::clickAt(fake::now() + 100, 160, 120); });
    // Growth 0.5: a radius of 15, and 5 from the centre: 50 x 4 / 9 gives 23 points.
    clickInThePause.at(1, 76, [&] {
        fake::click(session.targetCentre(1, 0)->x + 3, session.targetCentre(1, 0)->y + 4);
    });
    bool onBlack = false;
    clickInThePause.at(1, 1, [&] { onBlack = countPixels(WHOLE_SCREEN, 0, 0, 0) == 320 * 240; });
    EXPECT_EQ(session.run(0, 1, 0, nullptr, 0, 0), 1) << "no players or targets play as one";
    EXPECT_TRUE(onBlack) << "no running total for a single target";
    EXPECT_EQ(fake::flips(), 1 + 76) << "the display before the round and its frames";
    EXPECT_EQ(fake::delays(), std::vector<Uint32>{1277});
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2) << "the click in the pause, missed at growth 0";
    struct Score {
        int player;
        int points;
    };
    for (const Score& score : {Score{0, -1}, {1, 23}, {4, 0}, {5, -1}})
        EXPECT_EQ(session.getScore(score.player), score.points) << "player " << score.player;

    // Two rounds: no winner screens, and the totals in the one cell, the whole screen.
    GameScript twoRounds([&](int, int frame) {
        if (frame == 100)
            press(*session.targetCentre(1, 0));
    });
    EXPECT_EQ(session.run(1, 2, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(twoRounds.rounds(), 2);
    EXPECT_TRUE(cellShows(WHOLE_SCREEN, 255, 1, "70", BLACK));
    SurfacePtr heading = renderText("default", "TOTAL", RED);
    EXPECT_TRUE(showsText("default", "TOTAL", RED, 160 - heading->w / 2, 5));
}

TEST_F(GameSessionTest, AQuitRequestAbandonsTheGameInItsFirstFrame) {
    GameSession session;
    GameScript script([&](int, int) {
        for (const int x : {0, 106, 213})
            EXPECT_TRUE(showsText("small", "0", WHITE, x + 5, 5))
                << "the total of the cell at " << x;
        fake::push(fake::quitRequest());
    });
    EXPECT_EQ(session.run(3, 0, 9, nullptr, 0, 0), 0);
    EXPECT_EQ(fake::flips(), 2) << "no title for rounds below 1, nothing after the quit";
    EXPECT_EQ(session.getGrowth(), 1.0f) << "an abandoned game counts as grown";
}
