// The whole program with each picture, the font and each sound missing or garbage, in a
// game folder it cannot write: it says so and is played through a game and a challenge.
#include "robustness/ScriptedPlayer.h"
#include "support/ScreenTest.h"

#include <sys/stat.h>

#include <regex>

// The backgrounds first: a game shows them after 3, 6 and 9 presses of "+", the rest after 0.
// clang-format off
const std::string FILES[] = {"images/bwbg.png", "images/rwbg2.png", "images/rwbg.png",
    "images/vrel_icon.bmp", "images/splash-brenvik.png", "images/splash-tolvane.png",
    "images/playbutton.png", "images/challengebutton.png", "images/highscoresbutton.png",
    "images/exitbutton.png", "images/minus.png", "images/plus.png", "images/target.png",
    "images/keyboard.png", "images/keyboardmap.bmp", "fonts/artbrush.ttf", "sounds/shot.wav",
    "sounds/miss.wav"};
// clang-format on

class DamagedData : public ProgramTest,
                    public ::testing::WithParamInterface<std::tuple<std::string, bool>> {};

TEST_P(DamagedData, IsReportedAndTheGameIsStillPlayedFromTheMenuToTheExit) {
    IN_A_PROCESS_OF_ITS_OWN();
    const std::string file = std::get<0>(GetParam());
    std::remove(file.c_str());
    if (std::get<1>(GetParam()))
        writeFile(file, "no picture, font or sound\n");
    const std::string old = "5\n500\nann\n0\n0\nbob\n";
    writeFile("high.dat", old);
    ASSERT_EQ(chmod("high.dat", 0444) + chmod(".", 0555), 0);
    WithoutOverridingPermissions asAnyUser;
    ScriptedPlayer player("gcx", 3 * int(std::find(FILES, FILES + 3, file) - FILES + 1) % 12);
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.script.rounds(), 4) << "two in the game, two levels";
    EXPECT_EQ(readFile("high.dat"), old);
    EXPECT_EQ(player.fadeSteps, file.find("splash") == std::string::npos ? 2004 : 1002);
    const std::regex reported("\nERROR: (can't load (image|sound)|Can't load font from file) '" +
                              file + "' - ");
    EXPECT_TRUE(std::regex_search(errors, reported) || file == "images/vrel_icon.bmp") << errors;
    // But for lines about the file and their echoes, the log is any start's that cannot save.
    const std::regex aboutIt(".*(" + file + "'|invalid font|render text!|No free channels).*\n");
    EXPECT_EQ(std::regex_replace(errors, aboutIt, ""),
              BANNER + "ERROR: can't save high scores!\n\n");
}

INSTANTIATE_TEST_SUITE_P(EachFileMissingOrGarbage, DamagedData,
                         ::testing::Combine(::testing::ValuesIn(FILES), ::testing::Bool()));
