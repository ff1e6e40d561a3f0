#include "menus/PlaySetupScreen.h"
#include "MenuTestHelpers.h"
#include "media/ResourceManager.h"
#include "media/TextLabel.h"
#include "support/ScreenTest.h"

#include <SDL_ttf.h>

#include <string>
#include <vector>

namespace {

// Each frame of the screen: the flip (one scripted frame step) and a 15 ms pause.
constexpr Uint32 SETUP_FRAME = 10 + 15;
constexpr Uint32 AT_REST = 700;

// Where the player clicks: the middle of each button at rest.
struct Point {
    int x, y;
};
const Point PLAYERS_MINUS{25, 60};
const Point PLAYERS_PLUS{177, 60};
const Point ROUNDS_MINUS{25, 144};
const Point ROUNDS_PLUS{177, 144};
const Point MODE_MINUS{25, 225};
const Point MODE_PLUS{177, 222};
const Point START{264, 198};

class PlaySetupScreenTest : public ScreenTest {
protected:
    static void clickAt(Uint32 time, Point where, int times = 1) {
        for (int i = 0; i < times; ++i) {
            fake::pushAt(time, fake::mouseDown(where.x, where.y));
            fake::pushAt(time, fake::mouseUp(where.x, where.y));
        }
    }
    static std::string shown(const PlaySetupScreen& setup, const char* label) {
        const auto* text = dynamic_cast<const TextLabel*>(setup.widget(label));
        return text != nullptr ? text->getText() : "(no label)";
    }
    // Runs one visit: the player's clicks come once the widgets rest, then
    // the window is closed, which goes back without a game.
    static bool visitAndClose(PlaySetupScreen& setup, const std::vector<Point>& clicks) {
        const Uint32 when = fake::now() + AT_REST;
        for (Point where : clicks)
            clickAt(when, where);
        fake::pushAt(when + 100, fake::quitRequest());
        return setup.run();
    }
};

TEST_F(PlaySetupScreenTest, WidgetsRestAndWaitWhereTheLayoutPutsThem) {
    // With the artwork's 30 x 30 minus button, 30 x 36 plus button (a clear
    // margin above and below the coin) and 112 x 84 start button: plus buttons
    // at 177 - 15 = 162, so the distance from the minus buttons' x to the plus
    // buttons' x is 152.
    struct Expected {
        const char* name;
        int startX, startY, finalX, finalY;
    };
    const std::vector<Expected> table = {
        {"plminus", -30, 45, 10, 45},     {"plplus", -30, 42, 162, 42},
        {"rminus", -30, 129, 10, 129},    {"rplus", -30, 126, 162, 126},
        {"start", 320, 240, 208, 156},    {"pltext", 152, -36, 76, 24},
        {"rtext", 152, 276, 76, 108},     {"plnumtext", 152, 276, 106, 60},
        {"rnumtext", 152, 276, 106, 144}, {"anminus", -30, 210, 10, 210},
        {"anplus", -30, 204, 162, 204},   {"altext", 152, 276, 91, 186},
        {"antext", 152, 276, 106, 222},
    };
    PlaySetupScreen setup;
    for (const Expected& row : table) {
        ASSERT_NE(setup.widget(row.name), nullptr) << row.name;
        EXPECT_EQ(setup.startPosition(row.name).x, row.startX) << row.name;
        EXPECT_EQ(setup.startPosition(row.name).y, row.startY) << row.name;
        EXPECT_EQ(setup.finalPosition(row.name).x, row.finalX) << row.name;
        EXPECT_EQ(setup.finalPosition(row.name).y, row.finalY) << row.name;
    }
}

TEST_F(PlaySetupScreenTest, WithoutTheMinusPictureTheLayoutFollowsItsZeroSize) {
    REQUIRE_FRESH_PROCESS(); // the picture must not be in the image cache yet
    ScratchFolder folder;
    folder.replaceData("images/minus.png", nullptr);
    CapturedLog log;
    PlaySetupScreen setup;
    EXPECT_NE(log.errors().find("ERROR: can't load image 'images/minus.png'"), std::string::npos);
    struct Expected {
        const char* name;
        int startX, startY, finalX, finalY;
    };
    const std::vector<Expected> table = {
        {"plminus", 0, 60, 10, 60},
        {"anminus", 0, 240, 10, 240},
        {"plnumtext", 152, 276, 76, 60},
        {"altext", 152, 276, 76, 186},
    };
    for (const Expected& row : table) {
        EXPECT_EQ(setup.startPosition(row.name).x, row.startX) << row.name;
        EXPECT_EQ(setup.startPosition(row.name).y, row.startY) << row.name;
        EXPECT_EQ(setup.finalPosition(row.name).x, row.finalX) << row.name;
        EXPECT_EQ(setup.finalPosition(row.name).y, row.finalY) << row.name;
    }
}

TEST_F(PlaySetupScreenTest, EachFrameReachesTheDisplayByItsFlipAlone) {
    // Widgets pushing their own rectangles before the flip would send the
    // same pixels twice; on SDL's 1.2 layer that cost six times the frame.
    PlaySetupScreen setup;
    int partialUpdates = 0;
    fake::onUpdate([&] { ++partialUpdates; });
    Timeline timeline;
    timeline.at(fake::now() + AT_REST, [] { fake::push(fake::quitRequest()); });
    setup.run();
    fake::onUpdate(nullptr);
    EXPECT_GT(fake::flips(), 40);
    EXPECT_EQ(partialUpdates, 0);
}

TEST_F(PlaySetupScreenTest, FirstVisitShowsTwoPlayersTenRoundsAndNoDistraction) {
    PlaySetupScreen setup;
    const Uint32 t0 = fake::now();
    Timeline timeline;
    bool blackAtFirst = false;
    timeline.at(t0, [&] { blackAtFirst = countPixels(WHOLE_SCREEN, 0, 0, 0) == 320 * 240; });
    timeline.at(t0 + 300, [&] { saveScreen("play-setup-mid-slide"); });
    timeline.at(t0 + AT_REST, [&] {
        saveScreen("play-setup-rest");
        for (Point button : {PLAYERS_PLUS, ROUNDS_PLUS, MODE_PLUS})
            EXPECT_TRUE(pictureAt("images/plus.png", button.x - 15, button.y - 18));
        for (Point button : {PLAYERS_MINUS, ROUNDS_MINUS, MODE_MINUS})
            EXPECT_TRUE(pictureAt("images/minus.png", button.x - 15, button.y - 15));
        EXPECT_TRUE(pictureAt("images/playbutton.png", 208, 156));
        fake::push(fake::quitRequest());
    });
    EXPECT_FALSE(setup.run());
    EXPECT_TRUE(blackAtFirst) << "every widget starts off the screen";
    EXPECT_EQ(shown(setup, "plnumtext"), "2");
    EXPECT_EQ(shown(setup, "rnumtext"), "10");
    EXPECT_EQ(shown(setup, "antext"), " none ");
    EXPECT_EQ(shown(setup, "pltext"), "Players:");
    EXPECT_EQ(shown(setup, "rtext"), "Rounds:");
    EXPECT_EQ(shown(setup, "altext"), "Ravav-E-Vidid:");
    EXPECT_EQ(setup.players(), 2);
    EXPECT_EQ(setup.rounds(), 10);
    EXPECT_EQ(setup.backgroundName(), "");
    EXPECT_EQ(setup.speedX(), 0);
    EXPECT_EQ(setup.speedY(), 0);
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
    const std::vector<std::pair<std::string, int>> captions = {
        {"Players:", 76}, {"Rounds:", 76}, {"Ravav-E-Vidid:", 91}};
    for (const auto& [caption, centre] : captions)
        EXPECT_GE(centre - widthOf(caption) / 2, 0) << caption;
}

TEST_F(PlaySetupScreenTest, PlayersAndRoundsClampWithoutWrapping) {
    struct Case {
        const char* what;
        Point button;
        int clicks;
        int players, rounds;
        const char* playersShown;
        const char* roundsShown;
    };
    const std::vector<Case> cases = {
        {"fewer players at 2", PLAYERS_MINUS, 1, 2, 10, "2", "10"},
        {"more players up to 4", PLAYERS_PLUS, 5, 4, 10, "4", "10"},
        {"fewer rounds down to 1", ROUNDS_MINUS, 12, 2, 1, "2", "1"},
        {"more rounds up to 99", ROUNDS_PLUS, 120, 2, 99, "2", "99"},
        {"more rounds by one", ROUNDS_PLUS, 1, 2, 11, "2", "11"},
    };
    for (const Case& c : cases) {
        PlaySetupScreen setup;
        std::vector<Point> clicks(static_cast<std::size_t>(c.clicks), c.button);
        EXPECT_FALSE(visitAndClose(setup, clicks)) << c.what;
        EXPECT_EQ(setup.players(), c.players) << c.what;
        EXPECT_EQ(setup.rounds(), c.rounds) << c.what;
        EXPECT_EQ(shown(setup, "plnumtext"), c.playersShown) << c.what;
        EXPECT_EQ(shown(setup, "rnumtext"), c.roundsShown) << c.what;
    }
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 0) << "only the start button sounds a hit";
}

TEST_F(PlaySetupScreenTest, TheDistractionsStepInLabelOrderAndStopAtBothEnds) {
    struct Mode {
        std::string label;
        std::string background;
        int speedX, speedY;
        bool operator==(const Mode& other) const {
            return label == other.label && background == other.background &&
                   speedX == other.speedX && speedY == other.speedY;
        }
    };
    const std::vector<Mode> expected = {
        {" none ", "", 0, 0},
        {"checker", "images/bwbg.png", 0, 0},
        {"checker 2", "images/bwbg.png", 40, 20},
        {"checker 3", "images/bwbg.png", 120, 60},
        {"psycho", "images/rwbg2.png", 0, 0},
        {"psycho 2", "images/rwbg2.png", 20, 50},
        {"psycho 3", "images/rwbg2.png", 70, 150},
        {"red", "images/rwbg.png", 0, 0},
        {"red 2", "images/rwbg.png", 40, 20},
        {"red 3", "images/rwbg.png", 120, 60},
    };
    PlaySetupScreen setup;
    std::vector<Mode> seen;
    Timeline timeline;
    // Every step shows at once: record what each frame shows when it changed.
    timeline.everyFrame([&] {
        Mode now{shown(setup, "antext"), setup.backgroundName(), setup.speedX(), setup.speedY()};
        if (seen.empty() || !(seen.back() == now)) {
            seen.push_back(now);
            saveScreen("play-setup-mode-" + std::to_string(seen.size()));
        }
    });
    const Uint32 t0 = fake::now() + AT_REST;
    for (int press = 0; press < 10; ++press)
        clickAt(t0 + static_cast<Uint32>(press) * 100, MODE_PLUS);
    fake::pushAt(t0 + 1100, fake::quitRequest());
    EXPECT_FALSE(setup.run());
    EXPECT_TRUE(seen == expected) << "ten modes seen, the tenth press kept \"red 3\"";
    EXPECT_EQ(setup.modeLabel(), "red 3");

    // Back down, and one more press at the first mode keeps it.
    std::vector<Point> down(10, MODE_MINUS);
    EXPECT_FALSE(visitAndClose(setup, down));
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
    SDL_Surface* background = ResourceManager::instance().loadImage(setup.backgroundName());
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->w, 480);
    EXPECT_EQ(background->h, 360);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1) << "the start button";
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 7) << "every press";
    EXPECT_GE(fake::now(), when + 100 + 600) << "the widgets flew out";
}

TEST_F(PlaySetupScreenTest, TheLastDecidingEventWaitingInAFrameWins) {
    struct Case {
        const char* what;
        std::vector<SDL_Event> events;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"start, then close",
         {fake::mouseDown(START.x, START.y), fake::mouseUp(START.x, START.y), fake::quitRequest()},
         false},
        {"close, then start",
         {fake::quitRequest(), fake::mouseDown(START.x, START.y), fake::mouseUp(START.x, START.y)},
         true},
        {"start, then a step",
         {fake::mouseDown(START.x, START.y), fake::mouseUp(START.x, START.y),
          fake::mouseDown(ROUNDS_PLUS.x, ROUNDS_PLUS.y),
          fake::mouseUp(ROUNDS_PLUS.x, ROUNDS_PLUS.y)},
         true},
    };
    for (const Case& c : cases) {
        PlaySetupScreen setup;
        const Uint32 when = fake::now() + AT_REST;
        for (const SDL_Event& event : c.events)
            fake::pushAt(when, event);
        EXPECT_EQ(setup.run(), c.expected) << c.what;
        EXPECT_EQ(fake::pendingEvents(), 0u) << c.what;
        EXPECT_LT(fake::now(), when + SETUP_FRAME * 3 + 600) << c.what << ": left at once";
    }
}

TEST_F(PlaySetupScreenTest, KeysDoNothing) {
    PlaySetupScreen setup;
    const Uint32 when = fake::now() + AT_REST;
    for (SDLKey key : {SDLK_RETURN, SDLK_SPACE, SDLK_ESCAPE, SDLK_PLUS, SDLK_MINUS})
        fake::pushAt(when, fake::keyDown(key));
    fake::pushAt(when + 300, fake::quitRequest());
    EXPECT_FALSE(setup.run());
    EXPECT_GE(fake::now(), when + 300 + 600) << "the screen stayed until the window was closed";
    EXPECT_TRUE(fake::playedChunks().empty());
    EXPECT_EQ(setup.players(), 2);
    EXPECT_EQ(setup.rounds(), 10);
    EXPECT_EQ(setup.modeLabel(), " none ");
}

TEST_F(PlaySetupScreenTest, ClickingCaptionsAndValuesOnlySoundsThePress) {
    PlaySetupScreen setup;
    // A label has no picture: only its exact point, the centre of its text,
    // hits it; anywhere else on the text is empty space.
    const std::vector<Point> labels = {{76, 30},  {106, 60},  {76, 114}, {106, 144},
                                       {91, 195}, {106, 225}, {90, 60}};
    EXPECT_FALSE(visitAndClose(setup, labels));
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 7);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 0);
    EXPECT_EQ(setup.players(), 2);
    EXPECT_EQ(setup.rounds(), 10);
    EXPECT_EQ(setup.modeLabel(), " none ");
}

TEST_F(PlaySetupScreenTest, ChoicesSurviveAVisitThatWentBack) {
    PlaySetupScreen setup;
    EXPECT_FALSE(visitAndClose(setup, {PLAYERS_PLUS, ROUNDS_MINUS, ROUNDS_MINUS, MODE_PLUS}));

    // The next visit shows the kept values from its first frame on.
    Timeline timeline;
    std::string firstShown;
    timeline.at(fake::now(), [&] {
        firstShown = shown(setup, "plnumtext") + "/" + shown(setup, "rnumtext") + "/" +
                     shown(setup, "antext");
    });
    const Uint32 when = fake::now() + AT_REST;
    clickAt(when, START);
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
