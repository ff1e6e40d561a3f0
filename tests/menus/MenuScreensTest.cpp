#include "app/AppState.h"
#include "media/ResourceManager.h"
#include "media/TextLabel.h"
#include "menus/MainMenu.h"
#include "menus/PlaySetupScreen.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

#include <SDL_ttf.h>

#include <string>
#include <vector>

namespace {

// Every widget rests by then.
constexpr Uint32 AT_REST = 700;

const char* const PLAY = "images/playbutton.png";
const char* const CHALLENGE = "images/challengebutton.png";
const char* const HIGH = "images/highscoresbutton.png";
const char* const EXIT = "images/exitbutton.png";

// Where a widget waits off the screen and where it rests: "x,y > x,y".
std::string places(const WidgetScreen& screen, const char* name) {
    const SDL_Rect from = screen.startPosition(name);
    const SDL_Rect to = screen.finalPosition(name);
    return std::to_string(from.x) + "," + std::to_string(from.y) + " > " + std::to_string(to.x) +
           "," + std::to_string(to.y);
}

// The four main menu buttons at rest.
bool buttonsAtRest() {
    return pictureAt(PLAY, 24, 18) && pictureAt(CHALLENGE, 184, 18) && pictureAt(HIGH, 24, 138) &&
           pictureAt(EXIT, 184, 138);
}

using MainMenuTest = ScreenTest;

TEST_F(MainMenuTest, ButtonsRestOnTheQuarterCentresAndWaitBeyondTheNextCornerClockwise) {
    MainMenu menu; // with the artwork's 112 x 84 buttons
    EXPECT_EQ(places(menu, "play"), "320,-84 > 24,18");
    EXPECT_EQ(places(menu, "challenge"), "320,240 > 184,18");
    EXPECT_EQ(places(menu, "high"), "-112,-84 > 24,138");
    EXPECT_EQ(places(menu, "exit"), "-112,240 > 184,138");
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
        timeline.at(t0 + 310, [&] {
            EXPECT_TRUE(pictureAt(PLAY, 172, -33) && pictureAt(CHALLENGE, 252, 129) &&
                        pictureAt(HIGH, -44, 27) && pictureAt(EXIT, 36, 189));
            saveScreen("main-menu-mid-slide");
        });
        timeline.at(t0 + AT_REST, [&] {
            EXPECT_TRUE(buttonsAtRest());
            saveScreen("main-menu-rest");
            fake::push(fake::quitRequest());
        });
        EXPECT_EQ(menu.run(), STATE_QUIT);
        EXPECT_TRUE(blackAtFirst) << "all buttons start off the screen";
        EXPECT_TRUE(timeline.allDone());
    }
}

TEST_F(MainMenuTest, AClickOnAButtonAtRestSoundsAndReturnsItsStateAfterTheFlyOut) {
    const struct {
        int x, y;
        AppState action;
    } buttons[] = {{80, 60, STATE_FREE_GAME},
                   {240, 60, STATE_CHALLENGE},
                   {80, 180, STATE_HIGH_SCORES},
                   {240, 180, STATE_QUIT}};
    MainMenu menu;
    for (const auto& button : buttons) {
        fake::clearHistory();
        const Uint32 clicked = fake::now() + AT_REST;
        fake::clickAt(clicked, button.x, button.y);
        EXPECT_EQ(menu.run(), button.action);
        EXPECT_EQ(timesPlayed("sounds/miss.wav"), 1) << "the press";
        EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1) << "the release on the button";
        // Handled within a 30 ms frame, then 600 ms of fly-out.
        EXPECT_GE(fake::now(), clicked + 600);
        EXPECT_LT(fake::now(), clicked + 30 + 600 + 10);
    }
}

TEST_F(MainMenuTest, KeysDoNothingAndAWindowCloseReturnsZeroAfterTheFlyOut) {
    MainMenu menu;
    const Uint32 when = fake::now() + AT_REST;
    for (SDLKey key : {SDLK_RETURN, SDLK_SPACE, SDLK_ESCAPE, SDLK_q})
        fake::pushAt(when, fake::keyDown(key));
    fake::pushAt(when + 300, fake::quitRequest());
    bool restingWhenLeaving = false;
    Timeline timeline;
    // The first frame after the request is the first of the fly-out.
    timeline.at(when + 300 + 30, [&] { restingWhenLeaving = buttonsAtRest(); });
    EXPECT_EQ(menu.run(), STATE_QUIT);
    EXPECT_GE(fake::now(), when + 300 + 600) << "the menu stayed until the window was closed";
    EXPECT_TRUE(fake::playedChunks().empty());
    EXPECT_TRUE(restingWhenLeaving) << "the buttons fly out from where they rest";
}

TEST_F(MainMenuTest, TheLastDecidingEventWaitingInAFrameWins) {
    const struct {
        const char* what;
        std::vector<SDL_Event> events;
        AppState expected;
    } cases[] = {
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
    for (const auto& c : cases) {
        for (const SDL_Event& event : c.events)
            fake::pushAt(fake::now() + AT_REST, event);
        EXPECT_EQ(menu.run(), c.expected) << c.what;
        EXPECT_EQ(fake::pendingEvents(), 0u) << c.what;
    }
}

TEST_F(MainMenuTest, AClickWhileTheButtonsFlyInHitsThemWhereTheyAre) {
    MainMenu menu;
    const Uint32 t0 = fake::now();
    Timeline timeline;
    bool highUnderPointer = false;
    bool restingWhenLeaving = false;
    // Half-way, "high scores" covers (30, 60), where "play" will rest.
    timeline.at(t0 + 310, [&] {
        highUnderPointer = pictureAt(HIGH, -44, 27) && !pixelIs(30, 60, 0, 0, 0);
        fake::click(30, 60);
    });
    // A choice made in flight makes the buttons jump to rest before flying out.
    timeline.at(t0 + 311, [&] { restingWhenLeaving = buttonsAtRest(); });
    EXPECT_EQ(menu.run(), STATE_HIGH_SCORES);
    EXPECT_TRUE(highUnderPointer);
    EXPECT_TRUE(restingWhenLeaving);
}

TEST_F(MainMenuTest, EachFramePauses20MillisecondsAndTheFlyOutEndsAtTheFirstLookAfter600) {
    const struct {
        Uint32 frameStep;
        int framesDrawn;
    } cases[] = {{10, 60}, {170, 4}, {250, 3}, {599, 2}, {600, 1}, {900, 1}};
    MainMenu menu;
    for (const auto& c : cases) {
        fake::setFrameStep(c.frameStep);
        fake::clearHistory();
        fake::push(fake::quitRequest());
        const int flipsBefore = fake::flips();
        const Uint32 decided = fake::now() + c.frameStep + 20;
        EXPECT_EQ(menu.run(), STATE_QUIT) << c.frameStep;
        EXPECT_EQ(fake::delays(), std::vector<Uint32>{20}) << "none in the fly-out";
        EXPECT_EQ(fake::flips() - flipsBefore, 1 + c.framesDrawn) << c.frameStep;
        EXPECT_GE(fake::now() - decided, 600u) << c.frameStep;
        EXPECT_LT(fake::now() - decided, 600u + c.frameStep) << c.frameStep;
    }
}

// Where the player clicks: the middle of each button at rest.
const ScreenPoint PLAYERS_MINUS{25, 60};
const ScreenPoint PLAYERS_PLUS{177, 60};
const ScreenPoint ROUNDS_MINUS{25, 144};
const ScreenPoint ROUNDS_PLUS{177, 144};
const ScreenPoint MODE_MINUS{25, 225};
const ScreenPoint MODE_PLUS{177, 222};
const ScreenPoint START{264, 198};

class PlaySetupScreenTest : public ScreenTest {
protected:
    static void clickAt(Uint32 time, ScreenPoint where, int times = 1) {
        for (int i = 0; i < times; ++i)
            fake::clickAt(time, where.x, where.y);
    }
    static std::string shown(const PlaySetupScreen& setup, const char* label) {
        const auto* text = dynamic_cast<const TextLabel*>(setup.widget(label));
        return text != nullptr ? text->getText() : "(no label)";
    }
    // What the screen offers now: "players/rounds/mode" as shown.
    static std::string choices(const PlaySetupScreen& setup) {
        return shown(setup, "plnumtext") + "/" + shown(setup, "rnumtext") + "/" +
               shown(setup, "antext");
    }
    // One visit: the player's clicks come once the widgets rest, then the
    // window is closed, which goes back without a game.
    static bool visitAndClose(PlaySetupScreen& setup, const std::vector<ScreenPoint>& clicks) {
        const Uint32 when = fake::now() + AT_REST;
        for (ScreenPoint where : clicks)
            clickAt(when, where);
        fake::pushAt(when + 100, fake::quitRequest());
        return setup.run();
    }
};

TEST_F(PlaySetupScreenTest, WidgetsRestAndWaitWhereTheLayoutPutsThem) {
    // With the artwork's 30 x 30 minus button, 30 x 36 plus button and 112 x 84
    // start button: plus buttons at 177 - 15 = 162.
    const std::pair<const char*, const char*> table[] = {
        {"plminus", "-30,45 > 10,45"},     {"plplus", "-30,42 > 162,42"},
        {"rminus", "-30,129 > 10,129"},    {"rplus", "-30,126 > 162,126"},
        {"start", "320,240 > 208,156"},    {"pltext", "152,-36 > 76,24"},
        {"rtext", "152,276 > 76,108"},     {"plnumtext", "152,276 > 106,60"},
        {"rnumtext", "152,276 > 106,144"}, {"anminus", "-30,210 > 10,210"},
        {"anplus", "-30,204 > 162,204"},   {"altext", "152,276 > 91,186"},
        {"antext", "152,276 > 106,222"}};
    PlaySetupScreen setup;
    for (const auto& [name, wanted] : table) {
        ASSERT_NE(setup.widget(name), nullptr) << name;
        EXPECT_EQ(places(setup, name), wanted) << name;
    }
}

TEST_F(PlaySetupScreenTest, AMissingButtonPictureIsReplacedByAPlainButtonOfTheSameUse) {
    REQUIRE_FRESH_PROCESS(); // the pictures must not be in the image cache yet
    ScratchFolder folder;
    folder.replaceData("images/minus.png", nullptr);
    folder.replaceData("images/playbutton.png", "not a picture");
    CapturedLog log;
    PlaySetupScreen setup;
    EXPECT_NE(log.errors().find("ERROR: can't load image 'images/minus.png'"), std::string::npos);
    EXPECT_NE(log.errors().find("ERROR: can't load image 'images/playbutton.png'"),
              std::string::npos);
    // The stand-ins have a size, so the layout stays that of the pictures and
    // every button can be reached: the start button in the corner, not off it.
    EXPECT_EQ(places(setup, "plminus"), "-30,45 > 10,45");
    EXPECT_EQ(places(setup, "start"), "320,240 > 208,156");
    EXPECT_EQ(places(setup, "plnumtext"), "152,276 > 106,60");

    fake::pushAt(fake::now() + AT_REST, fake::mouseDown(264, 198));
    fake::pushAt(fake::now() + AT_REST, fake::mouseUp(264, 198));
    Timeline timeline;
    timeline.at(fake::now() + AT_REST - 10, [&] {
        saveScreen("play-setup-stand-in-buttons");
        EXPECT_GT(countPixels({10, 45, 30, 30}, 220, 220, 220), 40) << "the minus button's frame";
        EXPECT_GT(countPixels({208, 156, 112, 84}, 220, 220, 220), 300) << "the start button's";
    });
    EXPECT_TRUE(setup.run()) << "the stand-in start button starts a game";
}

TEST_F(PlaySetupScreenTest, FirstVisitShowsTwoPlayersTenRoundsAndNoDistraction) {
    PlaySetupScreen setup;
    // Widgets pushing their own rectangles before the flip would send the
    // same pixels twice; on SDL's 1.2 layer that cost six times the frame.
    int partialUpdates = 0;
    fake::onUpdate([&] { ++partialUpdates; });
    const Uint32 t0 = fake::now();
    Timeline timeline;
    bool blackAtFirst = false;
    timeline.at(t0, [&] { blackAtFirst = countPixels(WHOLE_SCREEN, 0, 0, 0) == 320 * 240; });
    timeline.at(t0 + 300, [&] { saveScreen("play-setup-mid-slide"); });
    timeline.at(t0 + AT_REST, [&] {
        saveScreen("play-setup-rest");
        for (ScreenPoint button : {PLAYERS_PLUS, ROUNDS_PLUS, MODE_PLUS})
            EXPECT_TRUE(pictureAt("images/plus.png", button.x - 15, button.y - 18));
        for (ScreenPoint button : {PLAYERS_MINUS, ROUNDS_MINUS, MODE_MINUS})
            EXPECT_TRUE(pictureAt("images/minus.png", button.x - 15, button.y - 15));
        EXPECT_TRUE(pictureAt(PLAY, 208, 156));
        fake::push(fake::quitRequest());
    });
    EXPECT_FALSE(setup.run());
    fake::onUpdate(nullptr);
    EXPECT_EQ(partialUpdates, 0) << "each frame reaches the display by its flip alone";
    EXPECT_TRUE(blackAtFirst) << "every widget starts off the screen";
    EXPECT_EQ(choices(setup), "2/10/ none ");
    EXPECT_EQ(shown(setup, "pltext") + shown(setup, "rtext") + shown(setup, "altext"),
              "Players:Rounds:Ravav-E-Vidid:");
    EXPECT_EQ(setup.players(), 2);
    EXPECT_EQ(setup.rounds(), 10);
    EXPECT_EQ(setup.backgroundName(), "");
    EXPECT_EQ(setup.speedX() + setup.speedY(), 0);
}

TEST_F(PlaySetupScreenTest, EveryTextFitsTheScreenAndItsRow) {
    // Values stand between the row's minus button (right edge 40) and plus
    // button (left edge 162), centred on x = 106; captions centred on x = 76
    // or 91 must not run off the left edge.
    TTF_Font* font = ResourceManager::instance().getFont("default");
    ASSERT_NE(font, nullptr);
    auto widthOf = [font](const std::string& text) {
        int width = 0;
        TTF_SizeText(font, text.c_str(), &width, nullptr);
        return width;
    };
    std::vector<std::string> values = {"2", "3", "4", "1", "10", "88", "99"};
    for (const auto& mode : annoyModes())
        values.push_back(mode.first);
    for (const std::string& value : values) {
        EXPECT_GT(106 - widthOf(value) / 2, 40) << "'" << value << "'";
        EXPECT_LT(106 - widthOf(value) / 2 + widthOf(value), 162) << "'" << value << "'";
    }
    EXPECT_GE(76 - widthOf("Players:") / 2, 0);
    EXPECT_GE(76 - widthOf("Rounds:") / 2, 0);
    EXPECT_GE(91 - widthOf("Ravav-E-Vidid:") / 2, 0);
}

TEST_F(PlaySetupScreenTest, PlayersAndRoundsClampWithoutWrapping) {
    const struct {
        ScreenPoint button;
        int clicks, players, rounds;
        const char* shown;
    } cases[] = {{PLAYERS_MINUS, 1, 2, 10, "2/10/ none "},
                 {PLAYERS_PLUS, 5, 4, 10, "4/10/ none "},
                 {ROUNDS_MINUS, 12, 2, 1, "2/1/ none "},
                 {ROUNDS_PLUS, 120, 2, 99, "2/99/ none "},
                 {ROUNDS_PLUS, 1, 2, 11, "2/11/ none "}};
    for (const auto& c : cases) {
        PlaySetupScreen setup;
        EXPECT_FALSE(
            visitAndClose(setup, std::vector<ScreenPoint>(std::size_t(c.clicks), c.button)));
        EXPECT_EQ(setup.players(), c.players) << c.shown;
        EXPECT_EQ(setup.rounds(), c.rounds) << c.shown;
        EXPECT_EQ(choices(setup), c.shown);
    }
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 0) << "only the start button sounds a hit";
}

TEST_F(PlaySetupScreenTest, TheDistractionsStepInLabelOrderAndStopAtBothEnds) {
    // What each frame shows when it changed: label, picture and speeds.
    const std::vector<std::string> expected = {" none |0,0",
                                               "checker|images/bwbg.png|0,0",
                                               "checker 2|images/bwbg.png|40,20",
                                               "checker 3|images/bwbg.png|120,60",
                                               "psycho|images/rwbg2.png|0,0",
                                               "psycho 2|images/rwbg2.png|20,50",
                                               "psycho 3|images/rwbg2.png|70,150",
                                               "red|images/rwbg.png|0,0",
                                               "red 2|images/rwbg.png|40,20",
                                               "red 3|images/rwbg.png|120,60"};
    PlaySetupScreen setup;
    std::vector<std::string> seen;
    Timeline timeline;
    timeline.everyFrame([&] {
        const std::string background = setup.backgroundName();
        const std::string now =
            shown(setup, "antext") + "|" + (background.empty() ? "" : background + "|") +
            std::to_string(setup.speedX()) + "," + std::to_string(setup.speedY());
        if (seen.empty() || seen.back() != now) {
            seen.push_back(now);
            saveScreen("play-setup-mode-" + std::to_string(seen.size()));
        }
    });
    const Uint32 t0 = fake::now() + AT_REST;
    for (Uint32 press = 0; press < 10; ++press)
        clickAt(t0 + press * 100, MODE_PLUS);
    fake::pushAt(t0 + 1100, fake::quitRequest());
    EXPECT_FALSE(setup.run());
    EXPECT_EQ(seen, expected) << "ten modes seen, the tenth press kept \"red 3\"";
    EXPECT_EQ(setup.modeLabel(), "red 3");

    // Back down, and one more press at the first mode keeps it.
    EXPECT_FALSE(visitAndClose(setup, std::vector<ScreenPoint>(10, MODE_MINUS)));
    EXPECT_EQ(shown(setup, "antext"), " none ");
    EXPECT_EQ(setup.backgroundName(), "");
}

TEST_F(PlaySetupScreenTest, StartingWithPsycho3HandsOverItsPictureAndSpeeds) {
    PlaySetupScreen setup;
    const Uint32 when = fake::now() + AT_REST;
    clickAt(when, MODE_PLUS, 6);
    clickAt(when + 100, START);
    EXPECT_TRUE(setup.run());
    EXPECT_EQ(setup.modeLabel(), "psycho 3");
    EXPECT_EQ(setup.backgroundName(), "images/rwbg2.png");
    EXPECT_EQ(setup.speedX(), 70);
    EXPECT_EQ(setup.speedY(), 150);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1) << "the start button";
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 7) << "every press";
    EXPECT_GE(fake::now(), when + 100 + 600) << "the widgets flew out";
}

TEST_F(PlaySetupScreenTest, TheLastDecidingEventWaitingInAFrameWins) {
    const SDL_Event startDown = fake::mouseDown(START.x, START.y);
    const SDL_Event startUp = fake::mouseUp(START.x, START.y);
    const struct {
        const char* what;
        std::vector<SDL_Event> events;
        bool expected;
    } cases[] = {
        {"start, then close", {startDown, startUp, fake::quitRequest()}, false},
        {"close, then start", {fake::quitRequest(), startDown, startUp}, true},
        {"start, then a step",
         {startDown, startUp, fake::mouseDown(ROUNDS_PLUS.x, ROUNDS_PLUS.y),
          fake::mouseUp(ROUNDS_PLUS.x, ROUNDS_PLUS.y)},
         true},
    };
    for (const auto& c : cases) {
        PlaySetupScreen setup;
        const Uint32 when = fake::now() + AT_REST;
        for (const SDL_Event& event : c.events)
            fake::pushAt(when, event);
        EXPECT_EQ(setup.run(), c.expected) << c.what;
        EXPECT_EQ(fake::pendingEvents(), 0u) << c.what;
        EXPECT_LT(fake::now(), when + 3 * 25 + 600) << c.what << ": left at once";
    }
}

TEST_F(PlaySetupScreenTest, KeysAndClicksOnTheTextsOnlySoundThePress) {
    PlaySetupScreen setup;
    const Uint32 when = fake::now() + AT_REST;
    for (SDLKey key : {SDLK_RETURN, SDLK_SPACE, SDLK_ESCAPE, SDLK_PLUS, SDLK_MINUS})
        fake::pushAt(when, fake::keyDown(key));
    // A label has no picture: only its exact point, the centre of its text,
    // hits it; anywhere else on the text is empty space.
    for (ScreenPoint label :
         {ScreenPoint{76, 30}, {106, 60}, {76, 114}, {106, 144}, {91, 195}, {106, 225}, {90, 60}})
        clickAt(when, label);
    fake::pushAt(when + 300, fake::quitRequest());
    EXPECT_FALSE(setup.run());
    EXPECT_GE(fake::now(), when + 300 + 600) << "the screen stayed until the window was closed";
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 7);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 0);
    EXPECT_EQ(choices(setup), "2/10/ none ");
}

TEST_F(PlaySetupScreenTest, ChoicesSurviveAVisitThatWentBack) {
    PlaySetupScreen setup;
    EXPECT_FALSE(visitAndClose(setup, {PLAYERS_PLUS, ROUNDS_MINUS, ROUNDS_MINUS, MODE_PLUS}));
    // The next visit shows the kept values from its first frame on.
    Timeline timeline;
    std::string firstShown;
    timeline.at(fake::now(), [&] { firstShown = choices(setup); });
    clickAt(fake::now() + AT_REST, START);
    EXPECT_TRUE(setup.run());
    EXPECT_EQ(firstShown, "3/8/checker");
    EXPECT_EQ(setup.players(), 3);
    EXPECT_EQ(setup.rounds(), 8);
    EXPECT_EQ(setup.backgroundName(), "images/bwbg.png");
}

TEST_F(PlaySetupScreenTest, ScreenIsPacedBy15MillisecondsAFrame) {
    PlaySetupScreen setup;
    fake::pushAt(fake::now() + 70, fake::quitRequest());
    EXPECT_FALSE(setup.run());
    // Three frames until the request was seen, each with its pause; none in the fly-out.
    EXPECT_EQ(fake::delays(), (std::vector<Uint32>{15, 15, 15}));
}

TEST_F(PlaySetupScreenTest, JoystickButton6LeavesWithinOneFrameAndKeepsTheChoices) {
    REQUIRE_FRESH_PROCESS(); // the joystick is opened once per process
    fake::setJoysticks({"Scripted pad"});
    PlaySetupScreen setup;
    const Uint32 when = fake::now() + AT_REST;
    clickAt(when, PLAYERS_PLUS, 2);
    Timeline timeline;
    int flipsWhenHeld = 0;
    timeline.at(when + 100, [&] {
        fake::holdButton(6, true);
        flipsWhenHeld = fake::flips();
    });
    CapturedLog log;
    EXPECT_FALSE(setup.run());
    // The frame that saw the button, then 600 ms of fly-out at 10 ms a frame.
    EXPECT_EQ(fake::flips() - flipsWhenHeld, 60);
    EXPECT_EQ(setup.players(), 4);

    fake::holdButton(6, false);
    clickAt(fake::now() + AT_REST, START);
    EXPECT_TRUE(setup.run());
    EXPECT_EQ(setup.players(), 4);
}

} // namespace
