#include "menus/PlaySetupScreen.h"
#include "media/TextLabel.h"
#include "support/ScreenTest.h"

// Buttons rest around x = 25 and 177 on rows y = 60, 144, 222; start at (264, 198). Off: close.
static const ScreenPoint CLOSE{-1, -1};

// Clicks once the widgets rest, then the ones that end the visit: how it ended, what it showed.
static std::string visit(PlaySetupScreen& setup, const std::vector<ScreenPoint>& clicks,
                         const std::vector<ScreenPoint>& ending = {CLOSE}) {
    for (ScreenPoint where : clicks)
        fake::clickAt(fake::now() + 700, where.x, where.y);
    for (ScreenPoint where : ending)
        if (where.x < 0)
            fake::pushAt(fake::now() + 800, fake::quitRequest());
        else
            fake::clickAt(fake::now() + 800, where.x, where.y);
    std::string seen = setup.run() ? "start:" : "back:";
    for (const char* label : {"plnumtext", "rnumtext", "antext"})
        seen += static_cast<const TextLabel*>(setup.widget(label))->getText() + "/";
    return seen + setup.backgroundName() + "/" + std::to_string(setup.speedX()) + "," +
           std::to_string(setup.speedY());
}

using PlaySetupScreenTest = ScreenTest;

TEST_F(PlaySetupScreenTest, FirstVisitShows2Players10RoundsAndNoneAndTheChoicesClampAndStay) {
    IN_A_PROCESS_OF_ITS_OWN(); // no picture cached yet, and the joystick opens once per process
    fake::setJoysticks({"Scripted pad"});
    {
        ScratchFolder folder; // plain buttons stand in for missing pictures, of the same size
        std::remove("images/minus.png");
        writeFile("images/playbutton.png", "not a picture");
        PlaySetupScreen standIns;
        EXPECT_EQ(visit(standIns, {{177, 60}, {177, 60}, {11, 46}, {209, 157}}, {}),
                  "start:3/10/ none //0,0");
    }
    PlaySetupScreen setup;
    std::string places; // start and rest of each: 30 x 30 minus, 30 x 36 plus, 112 x 84 start
    for (const char* name : {"plminus", "plplus", "rminus", "rplus", "start", "pltext", "rtext",
                             "plnumtext", "rnumtext", "anminus", "anplus", "altext", "antext"})
        for (const SDL_Rect& at : {setup.startPosition(name), setup.finalPosition(name)})
            places += std::to_string(at.x) + "," + std::to_string(at.y) + " ";
    EXPECT_EQ(places, "-30,45 10,45 -30,42 162,42 -30,129 10,129 -30,126 162,126 320,240 208,156 "
                      "152,-36 76,24 152,276 76,108 152,276 106,60 152,276 106,144 -30,210 10,210 "
                      "-30,204 162,204 152,276 91,186 152,276 106,222 ");
    Timeline timeline;
    timeline.at(fake::now() + 600, [] { saveScreen("play-setup-rest"); });
    // Labels do nothing, nor minus at 2. Start, then a window close in one frame: the close wins.
    EXPECT_EQ(visit(setup, {{76, 24}, {106, 60}, {25, 60}}, {{264, 198}, CLOSE}),
              "back:2/10/ none //0,0");
    // Steps stop at both ends; early in the fly-in "plplus" covers part of "plminus" and wins.
    fake::clickAt(fake::now() + 90, 3, 60);
    std::vector<ScreenPoint> clicks(12, {25, 144});
    clicks.insert(clicks.end(), {{25, 225}, {177, 60}});
    EXPECT_EQ(visit(setup, clicks, {CLOSE, {264, 198}, {177, 144}}), "start:4/2/ none //0,0");
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 4 + 4 + 17) << "every press";
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 3) << "only the start button";
    EXPECT_EQ(visit(setup, std::vector<ScreenPoint>(98, {177, 144})), "back:4/99/ none //0,0");
    for (const char* mode : {"checker/images/bwbg.png/0,0", "checker 2/images/bwbg.png/40,20",
                             "checker 3/images/bwbg.png/120,60", "psycho/images/rwbg2.png/0,0",
                             "psycho 2/images/rwbg2.png/20,50", "psycho 3/images/rwbg2.png/70,150",
                             "red/images/rwbg.png/0,0", "red 2/images/rwbg.png/40,20",
                             "red 3/images/rwbg.png/120,60", "red 3/images/rwbg.png/120,60"})
        EXPECT_EQ(visit(setup, {{177, 222}, {177, 60}}), std::string("back:4/99/") + mode);
    EXPECT_EQ(visit(setup, std::vector<ScreenPoint>(10, {25, 225})), "back:4/99/ none //0,0");
    fake::holdButton(6, true);
    const Uint32 held = fake::now();
    EXPECT_EQ(visit(setup, {}, {}), "back:4/99/ none //0,0");
    EXPECT_EQ(fake::now(), held + 10 + 15 + 600) << "button 6: a frame, its 15 ms pause, fly-out";
}
