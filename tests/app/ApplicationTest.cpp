// The whole program: its start-up and exit, its splash pictures, the screens its menu leads to.
#include "app/FrameDelay.h"
#include "robustness/ScriptedPlayer.h"
#include "support/ScreenTest.h"

#include <regex>

using WholeProgram = ProgramTest;
const std::string OOPS = "Oops, something went wrong, quitting...\n\n";

TEST_F(WholeProgram, EachFailedStartUpStepIsReportedAndOnlyWithoutSdlOrADisplayItEnds) {
    IN_A_PROCESS_OF_ITS_OWN();
    fake::fail(fake::SDL_START);
    EXPECT_EQ(runProgram(), -1);
    EXPECT_EQ(errors, BANNER + "FATAL ERROR: SDL initialization failed\n" + OOPS);
    EXPECT_EQ(output, "\n");
    fake::reset();
    fake::fail(fake::VIDEO_MODE);
    EXPECT_EQ(runProgram(), -1);
    EXPECT_EQ(errors, BANNER + "ERROR: SDL screen is NULL\n" + OOPS);
    fake::reset();
    fake::fail(fake::AUDIO_START);
    fake::fail(fake::MIXER_START);
    ScriptedPlayer player("gx");
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.done, "gx") << "played on, silently";
    const std::string silent =
        "ERROR: Can't initialize audio!\nERROR: Cannot initialize audio mixer\n";
    EXPECT_EQ(errors.find(BANNER + silent), 0u);
}

TEST_F(WholeProgram, ShowsTheSplashesOnceAndComesBackToTheMenuFromEveryScreenUntilExit) {
    IN_A_PROCESS_OF_ITS_OWN();
    // tools/soak plays it with more games and challenges: BRENVIK_SOAK=times.
    const int times = std::atoi(std::getenv("BRENVIK_SOAK") ? std::getenv("BRENVIK_SOAK") : "1");
    const std::string plan = "s" + std::string(times, 'g') + std::string(times, 'c') + "hx";
    fake::script().watchdog = fake::now() + times * 300000u;
    ScriptedPlayer player(plan);
    std::vector<long> fading; // the light of the screen after each 1 ms step of a fade
    std::string centred;      // the splash pictures held whole in the middle
    fake::onDelay([&](Uint32 pause) {
        long light = 0; // 16-bit pixels weigh their red, green and blue, which fade alike
        for (int at = 0; pause == 1 && at < 300 * 200; at += 3) // where the pictures show
            light += Sprite::getPixel(ResourceManager::instance().getScreen(), 10 + at % 300,
                                      20 + at / 300);
        if (pause == 1)
            fading.push_back(light);
        for (const std::string splash : {"images/splash-brenvik.png", "images/splash-tolvane.png"})
            centred += pause == 1000 && pictureAt(splash, 10, 20) ? splash + " " : "";
        player.afterPause(pause);
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.done, plan);
    EXPECT_EQ(player.script.rounds(), 4 * times) << "none from the setup, two a game, two levels";
    const std::regex first("^1\n[1-9][0-9]\nSOAK"); // the best: one level passed, its score
    EXPECT_TRUE(std::regex_search(readFile("high.dat"), first));
    // Scripted time outruns the mixer's channels; a name entry starts with no name to show.
    const std::regex noise(".*(No free channels available|Can't render text!)\n");
    EXPECT_EQ(errors, BANNER + "ERROR: can't load high scores!\n\n");
    EXPECT_EQ(output, "All resolutions available.\nJoysticks found: 0\n\n");

    // Each 300 x 200 picture in turn rises from black in 500 ms, is held, sinks back.
    EXPECT_EQ(centred, "images/splash-brenvik.png images/splash-tolvane.png ");
    ASSERT_EQ(fading.size(), 4 * 501u);
    for (std::size_t in = 0; in < 2004; in += 1002) {
        const long* step = &fading[in]; // fading in, then out from step 501
        EXPECT_EQ(step[0], 0);
        EXPECT_EQ(step[501], step[500]) << "the light it is held in";
        EXPECT_LT(std::abs(2 * step[250] - step[500]), step[500] / 10) << "half, halfway in";
        EXPECT_LT(std::abs(2 * step[751] - step[500]), step[500] / 10) << "and halfway out";
        EXPECT_EQ(step[1001], 0);
    }
}

TEST(FrameDelay, PausesByState) {
    fake::reset();
    for (AppState state : {STATE_QUIT, STATE_ERROR, STATE_START, STATE_SPLASH, STATE_MAIN_MENU,
                           STATE_FREE_GAME, STATE_CHALLENGE})
        frameDelay(state);
    EXPECT_EQ(fake::delays(), (std::vector<Uint32>{1000, 15, 15, 15}));
}
