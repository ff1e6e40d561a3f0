// The whole program: its start-up and exit, its splash pictures, the screens its menu leads to.
#include "app/FrameDelay.h"
#include "support/ScreenTest.h"
#include "support/ScriptedPlayer.h"

#include <ctime>
#include <regex>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

using WholeProgram = ProgramTest;
using Step = ScriptedPlayer::Step;
const std::string OOPS = "Oops, something went wrong, quitting...\n\n";

TEST_F(WholeProgram, ReportsEachFailedStartUpStep) {
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
    fake::fail(fake::NO_VIDEO_MODES);
    {
        ScriptedPlayer player({Step::EXIT});
        EXPECT_EQ(runProgram(), 0);
    }
    std::string unplayed; // the press on "exit" and the choice
    for (const std::string sound : {"sounds/miss.wav", "sounds/shot.wav"})
        unplayed += "ERROR: can't load sound '" + sound + "' - " + SDL_GetError() +
                    "\nCannot play sound '" + sound + "' - sound file couldn't be load\n";
    EXPECT_EQ(errors, BANNER + "ERROR: Can't initialize audio!\n" +
                          "ERROR: Cannot initialize audio mixer\nNo modes available!\n" +
                          "ERROR: can't load high scores!\n" + unplayed + "\n");
    EXPECT_EQ(output, "\n");
}

// SDL keeps its display surface across a restart in one process: one display a test.
TEST_F(WholeProgram, PlaysOnWithoutTheFontEngine) {
    IN_A_PROCESS_OF_ITS_OWN();
    fake::fail(fake::FONT_START);
#if defined(__SANITIZE_ADDRESS__) // SDL_ttf keeps the file of each font it cannot open unstarted
    __lsan::ScopedDisabler fontFilesKept;
#endif
    ScriptedPlayer player({Step::EXIT});
    EXPECT_EQ(runProgram(), 0);
    const std::string noFont = "FATALERROR: TTF engine initialization failed\n";
    EXPECT_EQ(errors.substr(0, BANNER.size() + noFont.size()), BANNER + noFont);
    EXPECT_EQ(player.done, std::vector<Step>{Step::EXIT}) << "played on without text";
    EXPECT_EQ(output, "All resolutions available.\n\n");
}

TEST_F(WholeProgram, PlaysEveryScreenFromTheSplashesToTheExit) {
    IN_A_PROCESS_OF_ITS_OWN();
    // tools/soak plays it with more games and challenges: BRENVIK_SOAK=times.
    const int times = std::atoi(std::getenv("BRENVIK_SOAK") ? std::getenv("BRENVIK_SOAK") : "1");
    std::vector<Step> plan{Step::CLOSE_SETUP};
    plan.insert(plan.end(), times, Step::PLAY_GAME);
    plan.insert(plan.end(), times, Step::PLAY_CHALLENGE);
    plan.insert(plan.end(), {Step::SHOW_HIGH_SCORES, Step::EXIT});
    fake::script().watchdog = fake::now() + times * 300000u;
    ScriptedPlayer player(plan, {3, 2, "psycho 3"});
    fake::script().modes = {{0, 0, 640, 480}, {0, 0, 320, 240}};

    // The display as the program opened it, seen while the first splash fades in.
    const char* caption = nullptr;
    const char* iconCaption = nullptr;
    Uint32 displayFlags = 0;
    int pointer = SDL_ENABLE;
    std::vector<long> fading; // the light of the screen after each 1 ms step of a fade
    std::string centred;      // the splash pictures held whole in the middle
    fake::onDelay([&](Uint32 pause) {
        if (fading.empty()) {
            SDL_WM_GetCaption(const_cast<char**>(&caption), const_cast<char**>(&iconCaption));
            displayFlags = ResourceManager::instance().getScreen()->flags;
            pointer = SDL_ShowCursor(SDL_QUERY);
        }
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
    // Three players' cells, the picture sliding 70 pixels a second across and 150 down: a
    // pixel every second 10 ms frame and every frame, after a bounce off the near edges.
    player.script.at(1, 40, [] {
        EXPECT_TRUE(pixelIs(106, 200, 255, 255, 255)) << "the line after the first cell";
        EXPECT_TRUE(pixelIs(213, 200, 255, 255, 255)) << "the line after the second";
        EXPECT_TRUE(pictureAt("images/rwbg2.png", -19, -39, 0.5)) << "psycho 3 sliding";
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.done, plan);
    EXPECT_EQ(player.script.rounds(), 4 * times) << "none from the setup, two a game, two levels";
    const std::regex first("^1\n[1-9][0-9]\nSOAK"); // the best: one level passed, its score
    EXPECT_TRUE(std::regex_search(readFile("high.dat"), first));
    std::string noNameYet; // each result ranks; its name entry starts with no name to show
    for (int challenge = 0; challenge < times; ++challenge)
        noNameYet += "ERROR: Can't render text!\n";
    EXPECT_EQ(errors, BANNER + "ERROR: can't load high scores!\n" + noNameYet + "\n");
    EXPECT_EQ(output, "Available Modes\n\t640 x 480\n\t320 x 240\nJoysticks found: 0\n\n");

    EXPECT_NEAR(double(fake::script().seed), double(std::time(nullptr)), 60)
        << "seeded by the time";
    EXPECT_STREQ(caption, "Brenvik by Tolvane");
    EXPECT_STREQ(iconCaption, "Brenvik");
    EXPECT_NE(displayFlags & SDL_FULLSCREEN, 0u);
    // The pointer shown as a clear cursor, where it is: a hidden one would move only by steps.
    EXPECT_EQ(fake::script().cursorShown, &fake::script().cursor);
    EXPECT_EQ(fake::script().cursor, std::vector<Uint8>(16, 0)) << "8 x 8, clear";
    EXPECT_EQ(pointer, SDL_ENABLE);
    EXPECT_EQ(fake::script().mixer.frequency, 44100);
    EXPECT_EQ(fake::script().mixer.format, AUDIO_S16SYS);
    EXPECT_EQ(fake::script().mixer.channels, 2);
    EXPECT_EQ(fake::script().mixer.chunkSize, 4096);

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
