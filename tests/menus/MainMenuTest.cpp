#include "menus/MainMenu.h"
#include "MenuTestHelpers.h"
#include "app/AppState.h"
#include "support/ScreenTest.h"

#include <string>
#include <vector>

namespace {

const char* const PLAY = "images/playbutton.png";
const char* const CHALLENGE = "images/challengebutton.png";
const char* const HIGH = "images/highscoresbutton.png";
const char* const EXIT = "images/exitbutton.png";

// Each frame of the menu: the flip (one scripted frame step) and a 20 ms pause.
constexpr Uint32 MENU_FRAME = 10 + 20;
// Every button is at rest by then.
constexpr Uint32 AT_REST = 700;

struct Button {
    const char* name;
    const char* image;
    int centreX, centreY;
    AppState action;
};
// The quarter centres the buttons rest on.
const std::vector<Button> BUTTONS = {
    {"play", PLAY, 80, 60, STATE_FREE_GAME},
    {"challenge", CHALLENGE, 240, 60, STATE_CHALLENGE},
    {"high", HIGH, 80, 180, STATE_HIGH_SCORES},
    {"exit", EXIT, 240, 180, STATE_QUIT},
};

class MainMenuTest : public ScreenTest {
protected:
    int misses() { return timesPlayed("sounds/miss.wav"); }
    int shots() { return timesPlayed("sounds/shot.wav"); }
    static void clickAt(Uint32 time, int x, int y) {
        fake::pushAt(time, fake::mouseDown(x, y));
        fake::pushAt(time, fake::mouseUp(x, y));
    }
};

TEST_F(MainMenuTest, ButtonsRestOnTheQuarterCentresAndWaitBeyondTheNextCornerClockwise) {
    // The artwork's buttons are 112 x 84.
    struct Expected {
        const char* name;
        int startX, startY, finalX, finalY;
    };
    const std::vector<Expected> table = {
        {"play", 320, -84, 24, 18},
        {"challenge", 320, 240, 184, 18},
        {"high", -112, -84, 24, 138},
        {"exit", -112, 240, 184, 138},
    };
    MainMenu menu;
    for (const Expected& row : table) {
        ASSERT_NE(menu.widget(row.name), nullptr) << row.name;
        EXPECT_EQ(menu.widget(row.name)->getWidth(), 112) << row.name;
        EXPECT_EQ(menu.widget(row.name)->getHeight(), 84) << row.name;
        EXPECT_EQ(menu.startPosition(row.name).x, row.startX) << row.name;
        EXPECT_EQ(menu.startPosition(row.name).y, row.startY) << row.name;
        EXPECT_EQ(menu.finalPosition(row.name).x, row.finalX) << row.name;
        EXPECT_EQ(menu.finalPosition(row.name).y, row.finalY) << row.name;
    }
}

TEST_F(MainMenuTest, ButtonsFlyInFromTheCornersEveryTimeTheMenuIsEntered) {
    MainMenu menu;
    for (int visit = 1; visit <= 2; ++visit) {
        SCOPED_TRACE(visit);
        const Uint32 t0 = fake::now();
        Timeline timeline;
        bool blackAtFirst = false;
        timeline.at(t0, [&] { blackAtFirst = countPixels(WHOLE_SCREEN, 0, 0, 0) == 320 * 240; });
        // Frames are drawn 30 ms apart, so one shows the buttons half-way.
        timeline.at(t0 + 300 + 10, [&] {
            EXPECT_TRUE(pictureAt(PLAY, 172, -33));
            EXPECT_TRUE(pictureAt(CHALLENGE, 252, 129));
            EXPECT_TRUE(pictureAt(HIGH, -44, 27));
            EXPECT_TRUE(pictureAt(EXIT, 36, 189));
            saveScreen("main-menu-mid-slide");
        });
        timeline.at(t0 + AT_REST, [&] {
            EXPECT_TRUE(pictureAt(PLAY, 24, 18));
            EXPECT_TRUE(pictureAt(CHALLENGE, 184, 18));
            EXPECT_TRUE(pictureAt(HIGH, 24, 138));
            EXPECT_TRUE(pictureAt(EXIT, 184, 138));
            saveScreen("main-menu-rest");
            fake::push(fake::quitRequest());
        });
        EXPECT_EQ(menu.run(), STATE_QUIT);
        EXPECT_TRUE(blackAtFirst) << "all buttons start off the screen";
        EXPECT_TRUE(timeline.allDone());
    }
}

TEST_F(MainMenuTest, AClickOnAButtonAtRestSoundsAndReturnsItsStateAfterTheFlyOut) {
    MainMenu menu;
    for (const Button& button : BUTTONS) {
        SCOPED_TRACE(button.name);
        const int missesBefore = misses();
        const int shotsBefore = shots();
        const Uint32 clicked = fake::now() + AT_REST;
        clickAt(clicked, button.centreX, button.centreY);
        EXPECT_EQ(menu.run(), button.action);
        EXPECT_EQ(misses() - missesBefore, 1) << "the press";
        EXPECT_EQ(shots() - shotsBefore, 1) << "the release on the button";
        // Handled within a frame, then 600 ms of fly-out.
        EXPECT_GE(fake::now(), clicked + 600);
        EXPECT_LT(fake::now(), clicked + MENU_FRAME + 600 + 10);
    }
}

TEST_F(MainMenuTest, AWindowCloseReturnsZeroAfterTheFlyOutWithoutASound) {
    MainMenu menu;
    fake::pushAt(fake::now() + AT_REST, fake::quitRequest());
    bool restingWhenLeaving = false;
    Timeline timeline;
    // The first frame after the request is the first of the fly-out.
    timeline.at(fake::now() + AT_REST + MENU_FRAME,
                [&] { restingWhenLeaving = pictureAt(EXIT, 184, 138); });
    EXPECT_EQ(menu.run(), STATE_QUIT);
    EXPECT_TRUE(fake::playedChunks().empty());
    EXPECT_TRUE(restingWhenLeaving) << "the buttons fly out from where they rest";
}

TEST_F(MainMenuTest, TheLastDecidingEventWaitingInAFrameWins) {
    struct Case {
        const char* what;
        std::vector<SDL_Event> events;
        AppState expected;
    };
    const std::vector<Case> cases = {
        {"play, then close",
         {fake::mouseDown(80, 60), fake::mouseUp(80, 60), fake::quitRequest()},
         STATE_QUIT},
        {"close, then play",
         {fake::quitRequest(), fake::mouseDown(80, 60), fake::mouseUp(80, 60)},
         STATE_FREE_GAME},
        {"play, then high scores",
         {fake::mouseDown(80, 60), fake::mouseUp(80, 60), fake::mouseDown(80, 180),
          fake::mouseUp(80, 180)},
         STATE_HIGH_SCORES},
        {"challenge, then a press that leads nowhere",
         {fake::mouseDown(240, 60), fake::mouseUp(240, 60), fake::mouseDown(160, 120)},
         STATE_CHALLENGE},
    };
    MainMenu menu;
    for (const Case& c : cases) {
        const Uint32 when = fake::now() + AT_REST;
        for (const SDL_Event& event : c.events)
            fake::pushAt(when, event);
        EXPECT_EQ(menu.run(), c.expected) << c.what;
        EXPECT_EQ(fake::pendingEvents(), 0u) << c.what;
    }
}

TEST_F(MainMenuTest, PressingAndReleasingOnDifferentPlacesChoosesNothing) {
    struct Case {
        const char* what;
        int downX, downY, upX, upY;
    };
    const std::vector<Case> cases = {
        {"press on play, release off it", 80, 60, 160, 120},
        {"press on high scores, release on play", 80, 180, 80, 60},
        {"press on empty space, release on exit", 160, 120, 240, 180},
    };
    MainMenu menu;
    for (const Case& c : cases) {
        const int missesBefore = misses();
        const int shotsBefore = shots();
        const Uint32 when = fake::now() + AT_REST;
        fake::pushAt(when, fake::mouseDown(c.downX, c.downY));
        fake::pushAt(when + 50, fake::mouseUp(c.upX, c.upY));
        // Only a later click decides, so the menu stayed until then.
        clickAt(when + 200, 240, 60);
        EXPECT_EQ(menu.run(), STATE_CHALLENGE) << c.what;
        EXPECT_GE(fake::now(), when + 200 + 600) << c.what;
        EXPECT_EQ(misses() - missesBefore, 2) << c.what << ": both presses";
        EXPECT_EQ(shots() - shotsBefore, 1) << c.what << ": only the challenge click";
    }
}

TEST_F(MainMenuTest, KeysDoNothing) {
    MainMenu menu;
    const Uint32 when = fake::now() + AT_REST;
    for (SDLKey key : {SDLK_RETURN, SDLK_SPACE, SDLK_ESCAPE, SDLK_q})
        fake::pushAt(when, fake::keyDown(key));
    fake::pushAt(when + 300, fake::quitRequest());
    EXPECT_EQ(menu.run(), STATE_QUIT);
    EXPECT_GE(fake::now(), when + 300 + 600) << "the menu stayed until the window was closed";
    EXPECT_TRUE(fake::playedChunks().empty());
}

TEST_F(MainMenuTest, AClickWhileTheButtonsFlyInHitsThemWhereTheyAre) {
    MainMenu menu;
    const Uint32 t0 = fake::now();
    Timeline timeline;
    bool highUnderPointer = false;
    bool restingWhenLeaving = false;
    // Half-way, "high scores" covers (30, 60), where "play" will rest.
    timeline.at(t0 + 300 + 10, [&] {
        highUnderPointer = pictureAt(HIGH, -44, 27) && !pixelIs(30, 60, 0, 0, 0);
        fake::click(30, 60);
    });
    // A choice made in flight makes the buttons jump to rest before flying out.
    timeline.at(t0 + 300 + 11, [&] {
        restingWhenLeaving = pictureAt(PLAY, 24, 18) && pictureAt(HIGH, 24, 138) &&
                             pictureAt(CHALLENGE, 184, 18) && pictureAt(EXIT, 184, 138);
    });
    EXPECT_EQ(menu.run(), STATE_HIGH_SCORES);
    EXPECT_TRUE(highUnderPointer);
    EXPECT_TRUE(restingWhenLeaving);
}

TEST_F(MainMenuTest, TheFlyOutEndsAtTheFirstLookAfter600Milliseconds) {
    struct Case {
        Uint32 frameStep;
        int framesDrawn;
    };
    const std::vector<Case> cases = {{10, 60}, {170, 4}, {250, 3}, {599, 2}, {600, 1}, {900, 1}};
    MainMenu menu;
    for (const Case& c : cases) {
        fake::setFrameStep(c.frameStep);
        fake::push(fake::quitRequest());
        const int flipsBefore = fake::flips();
        const Uint32 decided = fake::now() + c.frameStep + 20;
        EXPECT_EQ(menu.run(), STATE_QUIT) << c.frameStep;
        EXPECT_EQ(fake::flips() - flipsBefore, 1 + c.framesDrawn) << c.frameStep;
        EXPECT_GE(fake::now() - decided, 600u) << c.frameStep;
        EXPECT_LT(fake::now() - decided, 600u + c.frameStep) << c.frameStep;
    }
}

TEST_F(MainMenuTest, TheMenuIsPacedBy20MillisecondsAFrame) {
    MainMenu menu;
    fake::pushAt(fake::now() + 95, fake::quitRequest());
    EXPECT_EQ(menu.run(), STATE_QUIT);
    // Four frames until the request was seen, each with its pause; none in the fly-out.
    EXPECT_EQ(fake::delays(), (std::vector<Uint32>{20, 20, 20, 20}));
}

} // namespace
