#include "menus/MainMenu.h"
#include "app/AppState.h"
#include "support/ScreenTest.h"

using MainMenuTest = ScreenTest;

TEST_F(MainMenuTest, ButtonsFlyInThenAPressWithItsReleaseChoosesOne) {
    // 112 x 84 each, centred on its quarter, from beyond the next corner clockwise: (320, -84)...
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
        const Uint32 t0 = fake::now();
        Timeline timeline;
        timeline.at(t0, [] { EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 0), 320 * 240); });
        timeline.at(t0 + 300, [&] { EXPECT_TRUE(pictureAt(b.picture, b.halfWay.x, b.halfWay.y)); });
        timeline.at(t0 + 600, [&] { EXPECT_TRUE(pictureAt(b.picture, b.rest.x, b.rest.y)); });
        timeline.at(t0 + 600, [] { saveScreen("main-menu-rest"); });
        // Nothing chosen by keys or a press and release on different places; then the last wins.
        for (const SDL_Event& event :
             {fake::keyDown(SDLK_ESCAPE), fake::mouseDown(0, 0), fake::mouseUp(b.rest.x, b.rest.y),
              fake::mouseDown(b.rest.x, b.rest.y), fake::mouseUp((b.rest.x + 160) % 320, b.rest.y)})
            fake::pushAt(t0 + 700, event);
        fake::pushAt(t0 + 800, fake::quitRequest());
        fake::pushAt(t0 + 800, fake::mouseUp(b.rest.x, b.rest.y));
        EXPECT_EQ(menu.run(), b.chosen);
        EXPECT_EQ(timesPlayed("sounds/miss.wav"), 2 * (i + 1)) << "every press";
        EXPECT_EQ(timesPlayed("sounds/shot.wav"), i + 1) << "the choice";
        EXPECT_EQ(fake::now(), t0 + 810 + 600) << "seen after 10 ms frames each paused 20 ms";
    }
    // A press on "play" in a visit ended by a window close is no press in the next.
    fake::pushAt(fake::now() + 700, fake::mouseDown(80, 60));
    fake::pushAt(fake::now() + 700, fake::quitRequest());
    EXPECT_EQ(menu.run(), STATE_QUIT);
    fake::pushAt(fake::now() + 700, fake::mouseUp(80, 60));
    fake::clickAt(fake::now() + 800, 240, 180);
    EXPECT_EQ(menu.run(), STATE_QUIT) << "exit chosen, not play";
    // Slow frames: "high" is hit where it is 320 ms in, jumps to rest, flies out in 600 ms.
    fake::script().frameStep = 300;
    const Uint32 t0 = fake::now();
    fake::clickAt(t0 + 630, 30, 60);
    Timeline timeline;
    timeline.at(t0 + 900, [&] { EXPECT_TRUE(pictureAt(buttons[2].picture, 24, 138)); });
    EXPECT_EQ(menu.run(), STATE_HIGH_SCORES);
    EXPECT_EQ(fake::now(), t0 + 640 + 600);
}
