// The free game's setup: players, rounds and the Ravav-E-Vidid, each stepped by a minus and a
// plus button, the start button, and where every widget flies in from and rests.
#include "menus/PlaySetupScreen.h"
#include "media/TextLabel.h"
#include "support/ScreenTest.h"

// Buttons rest around x = 25 and 177 on rows y = 60, 144, 222; start at (264, 198).
const ScreenPoint PLAYERS_PLUS{177, 60}, ROUNDS_MINUS{25, 144}, ROUNDS_PLUS{177, 144};
const ScreenPoint MODE_MINUS{25, 225}, MODE_PLUS{177, 222}, START{264, 198};
const ScreenPoint CLOSE{-1, -1}; // the window's close request

// How a visit ended and what the screen showed then.
struct Chosen {
    bool started;
    std::string players, rounds, mode; // as the labels show them
    std::string background;
    int speedX, speedY;
    bool operator==(const Chosen& o) const {
        return std::tie(started, players, rounds, mode, background, speedX, speedY) ==
               std::tie(o.started, o.players, o.rounds, o.mode, o.background, o.speedX, o.speedY);
    }
};
void PrintTo(const Chosen& s, std::ostream* out) {
    *out << (s.started ? "started: " : "left: ") << s.players << " players, " << s.rounds
         << " rounds, '" << s.mode << "' (" << s.background << " at " << s.speedX << ", "
         << s.speedY << ")";
}

// Clicks once the widgets rest, then those that end the visit.
static Chosen visit(PlaySetupScreen& setup, const std::vector<ScreenPoint>& clicks,
                    const std::vector<ScreenPoint>& ending = {CLOSE}) {
    for (ScreenPoint where : clicks)
        fake::clickAt(fake::now() + 700, where.x, where.y);
    for (ScreenPoint where : ending)
        if (where.x < 0)
            fake::pushAt(fake::now() + 800, fake::quitRequest());
        else
            fake::clickAt(fake::now() + 800, where.x, where.y);
    const bool started = setup.run();
    const auto label = [&](const char* name) {
        return static_cast<const TextLabel*>(setup.widget(name))->getText();
    };
    return {started,         label("plnumtext"),     label("rnumtext"),
            label("antext"), setup.backgroundName(), setup.speedX(),
            setup.speedY()};
}

using PlaySetupScreenTest = ScreenTest;

TEST_F(PlaySetupScreenTest, ChoicesStartAtTwoPlayersTenRoundsThenClampAndStay) {
    IN_A_PROCESS_OF_ITS_OWN(); // no picture cached yet, and the joystick opens once per process
    fake::setJoysticks({"Scripted pad"});
    {
        ScratchFolder folder; // plain buttons stand in for missing pictures, of the same size
        std::remove("images/minus.png");
        writeFile("images/playbutton.png", "not a picture");
        PlaySetupScreen standIns;
        Timeline atRest; // the stand-in start button's caption, in the small font, centred
        atRest.at(fake::now() + 600, [] {
            SurfacePtr caption = renderText("small", "Play", WHITE);
            EXPECT_TRUE(showsText("small", "Play", WHITE, 208 + (112 - caption->w) / 2,
                                  156 + (84 - caption->h) / 2));
        });
        EXPECT_EQ(visit(standIns, {PLAYERS_PLUS, PLAYERS_PLUS, {11, 46}, {209, 157}}, {}),
                  (Chosen{true, "3", "10", " none ", "", 0, 0}));
    }
    PlaySetupScreen setup;
    // Minus 30 x 30, plus 30 x 36, start 112 x 84; labels by their text's size.
    struct Widget {
        const char* name;
        ScreenPoint start, rest;
    };
    const Widget widgets[] = {
        {"plminus", {-30, 45}, {10, 45}},     // players' minus
        {"plplus", {-30, 42}, {162, 42}},     // and plus
        {"rminus", {-30, 129}, {10, 129}},    // rounds' minus
        {"rplus", {-30, 126}, {162, 126}},    // and plus
        {"start", {320, 240}, {208, 156}},    // the start button
        {"pltext", {152, -36}, {76, 24}},     // "Players:" above their number
        {"rtext", {152, 276}, {76, 108}},     // "Rounds:" likewise
        {"plnumtext", {152, 276}, {106, 60}}, // the number of players
        {"rnumtext", {152, 276}, {106, 144}}, // of rounds
        {"anminus", {-30, 210}, {10, 210}},   // the Ravav-E-Vidid's minus
        {"anplus", {-30, 204}, {162, 204}},   // and plus
        {"altext", {152, 276}, {91, 186}},    // "Ravav-E-Vidid:" above its name
        {"antext", {152, 276}, {106, 222}},   // its name
    };
    for (const Widget& w : widgets) {
        const SDL_Rect start = setup.startPosition(w.name), rest = setup.finalPosition(w.name);
        EXPECT_EQ(std::make_pair(int(start.x), int(start.y)), std::make_pair(w.start.x, w.start.y))
            << w.name << " flies in from there";
        EXPECT_EQ(std::make_pair(int(rest.x), int(rest.y)), std::make_pair(w.rest.x, w.rest.y))
            << w.name << " rests there";
    }
    Timeline timeline;
    timeline.at(fake::now() + 600, [] { saveScreen("play-setup-rest"); });
    // Labels do nothing, nor minus at 2, nor a release with no press of its own. Start, then a
    // window close in one frame: the close wins.
    fake::pushAt(fake::now() + 750, fake::mouseUp(PLAYERS_PLUS.x, PLAYERS_PLUS.y));
    EXPECT_EQ(visit(setup, {{76, 24}, {106, 60}, {25, 60}, PLAYERS_PLUS}, {START, CLOSE}),
              (Chosen{false, "3", "10", " none ", "", 0, 0}));
    // Steps stop at both ends; early in the fly-in "plplus" covers part of "plminus" and wins.
    fake::clickAt(fake::now() + 90, 3, 60);
    std::vector<ScreenPoint> clicks(12, ROUNDS_MINUS);
    clicks.insert(clicks.end(), {MODE_MINUS, PLAYERS_PLUS});
    EXPECT_EQ(visit(setup, clicks, {CLOSE, START, ROUNDS_PLUS}),
              (Chosen{true, "4", "2", " none ", "", 0, 0}));
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 5 + 4 + 17) << "every press";
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 3) << "only the start button";
    EXPECT_EQ(visit(setup, std::vector<ScreenPoint>(98, ROUNDS_PLUS)),
              (Chosen{false, "4", "99", " none ", "", 0, 0}));
    // Each plus shows the next mode; the last one stays.
    const Chosen modes[] = {
        {false, "4", "99", "checker", "images/bwbg.png", 0, 0},
        {false, "4", "99", "checker 2", "images/bwbg.png", 40, 20},
        {false, "4", "99", "checker 3", "images/bwbg.png", 120, 60},
        {false, "4", "99", "psycho", "images/rwbg2.png", 0, 0},
        {false, "4", "99", "psycho 2", "images/rwbg2.png", 20, 50},
        {false, "4", "99", "psycho 3", "images/rwbg2.png", 70, 150},
        {false, "4", "99", "red", "images/rwbg.png", 0, 0},
        {false, "4", "99", "red 2", "images/rwbg.png", 40, 20},
        {false, "4", "99", "red 3", "images/rwbg.png", 120, 60},
        {false, "4", "99", "red 3", "images/rwbg.png", 120, 60},
    };
    for (const Chosen& mode : modes)
        EXPECT_EQ(visit(setup, {MODE_PLUS, PLAYERS_PLUS}), mode);
    EXPECT_EQ(visit(setup, std::vector<ScreenPoint>(10, MODE_MINUS)),
              (Chosen{false, "4", "99", " none ", "", 0, 0}));
    fake::holdButton(6, true);
    const Uint32 held = fake::now();
    EXPECT_EQ(visit(setup, {}, {}), (Chosen{false, "4", "99", " none ", "", 0, 0}));
    EXPECT_EQ(fake::now(), held + 10 + 15 + 600) << "button 6: a frame, its 15 ms pause, fly-out";
}
