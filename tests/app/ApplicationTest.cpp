#include "app/AppState.h"
#include "app/FrameDelay.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

#include <algorithm>

namespace {

const std::string BANNER = "=== BRENVIK 0.2 by Tolvane ===\nLogging is disabled\n";
const std::string FAILED = "Oops, something went wrong, quitting...\n\n";
const std::string NO_HIGH_SCORES = "ERROR: can't load high scores!\n";

using WholeProgram = ProgramTest;

TEST_F(WholeProgram, AFailedStartReportsAndEndsWithMinusOne) {
    fake::fail(fake::SDL_START);
    EXPECT_EQ(runProgram(), -1);
    EXPECT_EQ(errors, BANNER + "FATAL ERROR: SDL initialization failed\n" + FAILED);
    EXPECT_EQ(output, "\n");
}

TEST_F(WholeProgram, AMissingDisplayReportsAndEndsWithMinusOne) {
    fake::fail(fake::VIDEO_MODE);
    EXPECT_EQ(runProgram(), -1);
    EXPECT_EQ(errors, BANNER + "ERROR: SDL screen is NULL\n" + FAILED);
}

TEST_F(WholeProgram, NormalStartShowsBothSplashesThenTheMenuAndQuitsWithZero) {
    // The splashes read no input, so a quit request made at once is handled
    // by the main menu, after about four seconds of pictures.
    fake::push(fake::quitRequest());
    const Uint32 start = fake::now();
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(errors, BANNER + NO_HIGH_SCORES + "\n");
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

bool mainMenuAtRest() {
    return pictureAt("images/playbutton.png", 24, 18) &&
           pictureAt("images/exitbutton.png", 184, 138);
}
bool setupAtRest() {
    return pictureAt("images/plus.png", 162, 204) && pictureAt("images/playbutton.png", 208, 156);
}

TEST_F(WholeProgram, WindowCloseOnTheSetupScreenGoesBackToTheMenuNotOut) {
    enum class Step { Menu, Setup, BackInMenu, Leaving } step = Step::Menu;
    Timeline timeline;
    timeline.everyFrame([&] {
        if (step == Step::Menu && mainMenuAtRest()) {
            fake::click(80, 60);
            step = Step::Setup;
        } else if (step == Step::Setup && setupAtRest()) {
            fake::push(fake::quitRequest());
            step = Step::BackInMenu;
        } else if (step == Step::BackInMenu && mainMenuAtRest()) {
            fake::push(fake::quitRequest());
            step = Step::Leaving;
        }
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_TRUE(step == Step::Leaving);
    EXPECT_EQ(errors, BANNER + NO_HIGH_SCORES + "\n");
}

TEST(FrameDelay, PausesByState) {
    fake::reset();
    for (AppState state : {STATE_QUIT, STATE_ERROR, STATE_START, STATE_SPLASH, STATE_MAIN_MENU,
                           STATE_FREE_GAME, STATE_CHALLENGE})
        frameDelay(state);
    EXPECT_EQ(fake::delays(), (std::vector<Uint32>{1000, 15, 15, 15}));
}

} // namespace
