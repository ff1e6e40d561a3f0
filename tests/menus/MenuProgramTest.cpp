#include "MenuTestHelpers.h"
#include "app/GameMain.h"
#include "support/ScreenTest.h"

#include <string>

namespace {

// The whole program, from its start-up to its exit, played through the menus.
class MenuProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_FRESH_PROCESS();
        fake::reset();
    }
    void TearDown() override {
        markSdlShutDown();
        EXPECT_FALSE(fake::watchdogFired()) << "the program waited past the scripted session";
    }

    // Each run plays in a folder of its own, which has no high scores yet.
    int runProgram() {
        ScratchFolder folder;
        CapturedLog log;
        const int status = runBrenvik();
        errors = log.errors();
        return status;
    }

    static bool mainMenuAtRest() {
        return pictureAt("images/playbutton.png", 24, 18) &&
               pictureAt("images/exitbutton.png", 184, 138);
    }
    static bool setupAtRest() {
        return pictureAt("images/plus.png", 162, 204) &&
               pictureAt("images/playbutton.png", 208, 156);
    }

    std::string errors;
};

const char* const BANNER = "=== BRENVIK 0.2 by Tolvane ===\n";
const char* const FIRST_START = "Logging is disabled\nERROR: can't load high scores!\n";

TEST_F(MenuProgramTest, ExitAfterTheSplashesEndsTheProgramWithZero) {
    // The splashes take about four seconds and read no input; the click waits
    // in the queue until its time, when the menu rests.
    const Uint32 start = fake::now();
    fake::pushAt(start + 6000, fake::mouseDown(240, 180));
    fake::pushAt(start + 6000, fake::mouseUp(240, 180));
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(errors, std::string(BANNER) + FIRST_START + "\n");
    EXPECT_GE(fake::now(), start + 6000 + 600) << "the buttons flew out first";
    EXPECT_LT(fake::now(), start + 6000 + 700);
    EXPECT_EQ(fake::playedChunks().size(), 2u) << "the press and the choice";
}

TEST_F(MenuProgramTest, AFreeGameStartsWithTheChosenDistractionAndComesBackToTheMenu) {
    // Without the "psycho" picture, the attempt to load it for the game shows
    // in the log: the program asked for the chosen mode's background.
    ScratchFolder folder;
    folder.replaceData("images/rwbg2.png", nullptr);
    fake::setJoysticks({"Scripted pad"});

    enum class Step { Menu, Setup, Playing, BackInMenu, Leaving };
    Step step = Step::Menu;
    Uint32 started = 0;
    Timeline timeline;
    timeline.everyFrame([&] {
        switch (step) {
        case Step::Menu:
            if (mainMenuAtRest()) {
                fake::click(80, 60);
                step = Step::Setup;
            }
            break;
        case Step::Setup:
            if (setupAtRest()) {
                for (int press = 0; press < 6; ++press) // " none " to "psycho 3"
                    fake::click(177, 225);
                fake::click(264, 198);
                started = fake::now();
                step = Step::Playing;
            }
            break;
        case Step::Playing:
            // Once the setup screen has gone, joystick button 6 leaves the game.
            if (fake::now() >= started + 300) {
                fake::holdButton(6, true);
                step = Step::BackInMenu;
            }
            break;
        case Step::BackInMenu:
            if (mainMenuAtRest()) {
                fake::holdButton(6, false);
                fake::click(240, 180);
                step = Step::Leaving;
            }
            break;
        case Step::Leaving:
            break;
        }
    });
    EXPECT_EQ(runProgram(), 0);
    EXPECT_TRUE(step == Step::Leaving) << "the menu came back after the game";
    EXPECT_NE(errors.find("ERROR: can't load image 'images/rwbg2.png'"), std::string::npos)
        << errors;
}

TEST_F(MenuProgramTest, WindowCloseOnTheSetupScreenGoesBackToTheMenuNotOut) {
    enum class Step { Menu, Setup, BackInMenu, Leaving };
    Step step = Step::Menu;
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
    EXPECT_EQ(errors, std::string(BANNER) + FIRST_START + "\n");
}

} // namespace
