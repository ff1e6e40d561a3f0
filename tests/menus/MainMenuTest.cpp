#include "menus/MainMenu.h"
#include "app/AppState.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

using MainMenuTest = ScreenTest;

TEST_F(MainMenuTest, ButtonsFlyInFromTheCornersAtEveryVisitAndAPressAndReleaseOnOneChoosesIt) {
    // The artwork's buttons are 112 x 84. Each rests centred on its quarter of the screen and
    // flies in from beyond the corner after its quarter clockwise, as "play" from (320, -84).
    const struct {
        const char* picture;
        ScreenPoint halfWay, rest;
        AppState chosen;
    } buttons[] = {{"images/playbutton.png", {172, -33}, {24, 18}, STATE_FREE_GAME},
                   {"images/challengebutton.png", {252, 129}, {184, 18}, STATE_CHALLENGE},
                   {"images/highscoresbutton.png", {-44, 27}, {24, 138}, STATE_HIGH_SCORES},
                   {"images/exitbutton.png", {36, 189}, {184, 138}, STATE_QUIT}};
    MainMenu menu;
    for (int i = 0; i < 4; ++i) {
        const auto& b = buttons[i];
        const ScreenPoint next = buttons[(i + 1) % 4].rest;
        const Uint32 t0 = fake::now();
        fake::clearHistory();
        Timeline timeline;
        timeline.at(t0, [] { EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 0), 320 * 240); });
        timeline.at(t0 + 300, [&] { EXPECT_TRUE(pictureAt(b.picture, b.halfWay.x, b.halfWay.y)); });
        timeline.at(t0 + 600, [&] {
            EXPECT_TRUE(pictureAt(b.picture, b.rest.x, b.rest.y));
            saveScreen("main-menu-rest");
        });
        // Keys, a press off the button and a release on it, a press on it and a release on the
        // next choose nothing; a later release on it does, after a close: the last event wins.
        for (const SDL_Event& event :
             {fake::keyDown(SDLK_ESCAPE), fake::mouseDown(0, 0), fake::mouseUp(b.rest.x, b.rest.y),
              fake::mouseDown(b.rest.x, b.rest.y), fake::mouseUp(next.x, next.y)})
            fake::pushAt(t0 + 700, event);
        fake::pushAt(t0 + 800, fake::quitRequest());
        fake::pushAt(t0 + 800, fake::mouseUp(b.rest.x, b.rest.y));
        EXPECT_EQ(menu.run(), b.chosen);
        EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2) << "every press";
        EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1) << "the choice";
        EXPECT_EQ(fake::delays(), std::vector<Uint32>(27, 20));
        EXPECT_EQ(fake::now(), t0 + 810 + 600) << "seen after 30 ms frames, then the fly-out";
    }
    // With slow frames a click in the fly-in hits "high" where it is 320 ms in; the buttons jump to
    // rest and fly out, gone at the first look at or after 600 ms.
    fake::setFrameStep(300);
    const Uint32 t0 = fake::now();
    fake::clickAt(t0 + 630, 30, 60);
    Timeline timeline;
    timeline.at(t0 + 900, [&] { EXPECT_TRUE(pictureAt(buttons[2].picture, 24, 138)); });
    EXPECT_EQ(menu.run(), STATE_HIGH_SCORES);
    EXPECT_EQ(fake::now(), t0 + 640 + 600);
}
