// The whole program with each picture, the font and each sound missing or garbage, in a
// game folder it cannot write: it says so and is played through a game and a challenge.
#include "support/ScreenTest.h"
#include "support/ScriptedPlayer.h"

#include <sys/stat.h>

// Each data file, the Ravav-E-Vidid that shows it in a free game, and how often the program
// says it cannot have it: each time it is asked for, or each time it is used (a sound each
// time it would play, the font for every text it would draw).
constexpr int EACH_USE = -1;
struct DataFile {
    const char* file;
    const char* mode;
    int reports;
};
const DataFile FILES[] = {
    {"images/bwbg.png", "checker", 1},
    {"images/rwbg2.png", "psycho", 1},
    {"images/rwbg.png", "red", 1},
    {"images/vrel_icon.bmp", " none ", 0}, // a window without an icon is no error
    {"images/splash-brenvik.png", " none ", 1},
    {"images/splash-tolvane.png", " none ", 1},
    {"images/playbutton.png", " none ", 2}, // the menu's, and the setup's start button
    {"images/challengebutton.png", " none ", 1},
    {"images/highscoresbutton.png", " none ", 1},
    {"images/exitbutton.png", " none ", 1},
    {"images/minus.png", " none ", 3}, // one for each row of the setup
    {"images/plus.png", " none ", 3},
    {"images/target.png", " none ", 2}, // the free game's and the challenge's
    {"images/keyboard.png", " none ", 1},
    {"images/keyboardmap.bmp", " none ", 1},
    {"fonts/artbrush.ttf", " none ", EACH_USE},
    {"sounds/shot.wav", " none ", EACH_USE},
    {"sounds/miss.wav", " none ", EACH_USE},
};

void PrintTo(const DataFile& data, std::ostream* out) {
    *out << data.file;
}

class DamagedData : public ProgramTest,
                    public ::testing::WithParamInterface<std::tuple<DataFile, bool>> {};

TEST_P(DamagedData, IsReportedWhilePlayGoesOn) {
    IN_A_PROCESS_OF_ITS_OWN();
    const auto& [data, garbage] = GetParam();
    const std::string file = data.file;
    std::remove(data.file);
    if (garbage)
        writeFile(file, "no picture, font or sound\n");
    const std::string old = "5\n500\nann\n0\n0\nbob\n";
    writeFile("high.dat", old);
    ASSERT_EQ(chmod("high.dat", 0444), 0);
    ASSERT_EQ(chmod(".", 0555), 0);
    WithoutOverridingPermissions asAnyUser;
    using Step = ScriptedPlayer::Step;
    ScriptedPlayer player({Step::PLAY_GAME, Step::PLAY_CHALLENGE, Step::EXIT}, {2, 2, data.mode});
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.script.rounds(), 4) << "two in the game, two levels";
    EXPECT_EQ(readFile("high.dat"), old);
    EXPECT_EQ(player.fadeSteps, file.find("splash") == std::string::npos ? 2004 : 1002);

    // The lines that name the file (a sound's two each time), without the font those of every
    // text unrendered; then those of any start that cannot save, each exactly.
    const bool withoutFont = file == "fonts/artbrush.ttf";
    std::istringstream lines(errors);
    std::string line, rest;
    int reports = 0, textsUnrendered = 0;
    while (std::getline(lines, line)) {
        if (line.find(file + "' - ") != std::string::npos)
            reports += 1;
        else if (withoutFont && line.rfind("ERROR: Can't render text", 0) == 0)
            textsUnrendered += 1;
        else
            rest += line + "\n";
    }
    if (data.reports == EACH_USE)
        EXPECT_GT(reports, 0);
    else
        EXPECT_EQ(reports, data.reports);
    EXPECT_EQ(textsUnrendered > 0, withoutFont);
    const std::string noNameYet = withoutFont ? "" : "ERROR: Can't render text!\n";
    EXPECT_EQ(rest, BANNER + noNameYet + "ERROR: can't save high scores!\n\n");
}

INSTANTIATE_TEST_SUITE_P(EachFile, DamagedData,
                         ::testing::Combine(::testing::ValuesIn(FILES), ::testing::Bool()));
