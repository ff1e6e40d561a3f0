#include "app/AppState.h"
#include "app/FrameDelay.h"
#include "app/GameMain.h"
#include "support/ScreenTest.h"

#include <algorithm>

namespace {

// Runs the whole program in this process against the scripted SDL.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_FRESH_PROCESS();
        fake::reset();
    }
    void TearDown() override { markSdlShutDown(); }

    int runProgram() {
        CapturedLog log;
        const int status = runBrenvik();
        errors = log.errors();
        output = log.output();
        return status;
    }

    std::string errors;
    std::string output;
    // A game folder without "high.dat", so every start is a first start and
    // the real folder's high scores are never touched.
    ScratchFolder folder;
};

const char* const BANNER = "=== BRENVIK 0.2 by Tolvane ===\n";

TEST_F(ProgramTest, FailedVideoStartReportsAndEndsWithMinusOne) {
    fake::failSdlInit(true);
    EXPECT_EQ(runProgram(), -1);
    EXPECT_EQ(errors, std::string(BANNER) + "Logging is disabled\n"
                                            "FATAL ERROR: SDL initialization failed\n"
                                            "Oops, something went wrong, quitting...\n"
                                            "\n");
    EXPECT_EQ(output, "\n");
}

TEST_F(ProgramTest, MissingDisplayReportsAndEndsWithMinusOne) {
    fake::failVideoMode(true);
    EXPECT_EQ(runProgram(), -1);
    EXPECT_EQ(errors, std::string(BANNER) + "Logging is disabled\n"
                                            "ERROR: SDL screen is NULL\n"
                                            "Oops, something went wrong, quitting...\n"
                                            "\n");
}

TEST_F(ProgramTest, NormalStartShowsBothSplashesThenTheMenuAndQuitsWithZero) {
    // The splashes read no input, so a quit request made at once is handled
    // by the main menu, after about four seconds of pictures.
    fake::push(fake::quitRequest());
    const Uint32 start = fake::now();
    EXPECT_EQ(runProgram(), 0);

    EXPECT_EQ(errors, std::string(BANNER) + "Logging is disabled\n"
                                            "ERROR: can't load high scores!\n"
                                            "\n");
    EXPECT_TRUE(output == "All resolutions available.\n\n" ||
                output.rfind("Available Modes\n\t", 0) == 0)
        << output;
    EXPECT_EQ(output.back(), '\n');
    EXPECT_EQ(std::count(fake::delays().begin(), fake::delays().end(), 1000u), 2)
        << "each splash is held for a second";
    // The splashes, then one menu frame and the buttons' 600 ms fly-out.
    EXPECT_GE(fake::now() - start, 4000u + 600u);
    EXPECT_LT(fake::now() - start, 4500u + 600u);
}

TEST_F(ProgramTest, StartWithoutAudioStillReachesTheMenu) {
    fake::failAudioInit(true);
    fake::failMixer(true);
    fake::push(fake::quitRequest());
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(errors, std::string(BANNER) + "Logging is disabled\n"
                                            "ERROR: Can't initialize audio!\n"
                                            "ERROR: Cannot initialize audio mixer\n"
                                            "ERROR: can't load high scores!\n"
                                            "\n");
}

TEST(FrameDelay, PausesByState) {
    fake::reset();
    for (AppState state : {STATE_QUIT, STATE_ERROR, STATE_START, STATE_SPLASH, STATE_MAIN_MENU,
                           STATE_FREE_GAME, STATE_CHALLENGE})
        frameDelay(state);
    EXPECT_EQ(fake::delays(), (std::vector<Uint32>{1000, 15, 15, 15}));
}

} // namespace
