// The whole program started on a damaged installation: each picture, the font
// and each sound missing or replaced by garbage, a game folder that cannot be
// written, a machine without sound or joystick. It reports what it cannot
// use, and is still played from the main menu to the exit button.
#include "ScriptedPlayer.h"
#include "support/Permissions.h"
#include "support/ScreenTest.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Lines of every run that starts in a fresh folder and enters a name: the name
// entry begins with an empty name, which the label cannot render. The scripted
// clock also plays sounds far more often than real time allows, so that the
// mixer may run out of channels.
bool isUsualLine(const std::string& line) {
    const std::string noChannel = " - No free channels available";
    return line == "=== BRENVIK 0.2 by Tolvane ===" || line == "Logging is disabled" ||
           line == "ERROR: can't load high scores!" || line == "ERROR: Can't render text!" ||
           line.empty() ||
           (line.rfind("Cannot play sound '", 0) == 0 && line.size() > noChannel.size() &&
            line.compare(line.size() - noChannel.size(), noChannel.size(), noChannel) == 0);
}

struct DamageCase {
    std::string file;
    bool garbage;
    int mode; // Ravav-E-Vidid presses for the free game that uses the file

    // The line reported about the file, up to the library's own error text;
    // the icon is not reported.
    std::string reported() const {
        if (file.rfind("fonts/", 0) == 0)
            return "ERROR: Can't load font from file '" + file + "' - ";
        if (file.rfind("sounds/", 0) == 0)
            return "ERROR: can't load sound '" + file + "' - ";
        return file == "images/vrel_icon.bmp" ? "" : "ERROR: can't load image '" + file + "' - ";
    }
};

std::vector<DamageCase> damageCases() {
    std::vector<DamageCase> cases;
    for (const char* file :
         {"images/vrel_icon.bmp", "images/splash-brenvik.png", "images/splash-tolvane.png",
          "images/playbutton.png", "images/challengebutton.png", "images/highscoresbutton.png",
          "images/exitbutton.png", "images/minus.png", "images/plus.png", "images/target.png",
          "images/bwbg.png", "images/rwbg2.png", "images/rwbg.png", "images/keyboard.png",
          "images/keyboardmap.bmp", "fonts/artbrush.ttf", "sounds/shot.wav", "sounds/miss.wav"}) {
        const std::string name = file;
        const int mode = name == "images/bwbg.png"    ? 3
                         : name == "images/rwbg2.png" ? 6
                         : name == "images/rwbg.png"  ? 9
                                                      : 0;
        cases.push_back({name, false, mode});
        cases.push_back({name, true, mode});
    }
    return cases;
}

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.file << (c.garbage ? " garbage" : " missing");
}

class DamagedData : public ProgramTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedData, IsReportedAndTheGameIsStillPlayedFromTheMenuToTheExit) {
    const DamageCase& c = GetParam();
    folder.replaceData(c.file, nullptr);
    if (c.garbage) {
        // Bytes that no picture, font or sound decoder takes for its own.
        std::mt19937 generator(1206);
        std::string bytes = "this is no picture, font or sound\n";
        for (int i = 0; i < 4096; ++i)
            bytes += static_cast<char>(generator() & 0xFF);
        writeFile(folder.file(c.file), bytes);
    }
    ScriptedPlayer player(
        {ScriptedPlayer::game(2, c.mode), ScriptedPlayer::challenge(1), ScriptedPlayer::exit()},
        {c.file});
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.stepsDone(), 3);
    EXPECT_EQ(player.menuVisits(), 3);
    EXPECT_EQ(player.levelsStarted(), 2) << "level 1 won, level 2 lost";
    EXPECT_EQ(player.roundsPlayed(), 3);
    EXPECT_EQ(player.shotsFired(), 2);
    EXPECT_EQ(player.namesEntered(), c.file == "images/keyboardmap.bmp" ? 0 : 1);

    EXPECT_TRUE(c.reported().empty() || errors.find("\n" + c.reported()) != std::string::npos)
        << errors;
    // Nothing else goes wrong: every other line is one of a first start, or
    // is about the damaged file or what follows from it.
    const bool fontBroken = c.file == "fonts/artbrush.ttf";
    for (const std::string& line : linesOf(errors)) {
        const bool aboutTheFile = line.find("'" + c.file + "'") != std::string::npos;
        const bool aboutTheFont =
            fontBroken &&
            (line.rfind("ERROR: Can't load font from file 'default: " + c.file + "' - ", 0) == 0 ||
             line == "ERROR: Can't render text with invalid font");
        EXPECT_TRUE(isUsualLine(line) || aboutTheFile || aboutTheFont) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(EachDataFile, DamagedData, ::testing::ValuesIn(damageCases()),
                         [](const ::testing::TestParamInfo<DamageCase>& test) {
                             std::string name = fs::path(test.param.file).stem().string();
                             name.erase(std::remove_if(name.begin(), name.end(),
                                                       [](char c) { return !std::isalnum(c); }),
                                        name.end());
                             return name + (test.param.garbage ? "Garbage" : "Missing");
                         });

using WholeProgram = ProgramTest;

TEST_F(WholeProgram, WithoutSoundOrJoystickTheStartSaysSoAndPlayGoesOnSilently) {
    fake::fail(fake::AUDIO_START);
    fake::fail(fake::MIXER_START);
    fake::setJoysticks({});
    ScriptedPlayer player(
        {ScriptedPlayer::game(), ScriptedPlayer::challenge(1), ScriptedPlayer::exit()});
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.stepsDone(), 3);
    EXPECT_EQ(player.levelsStarted(), 2) << "level 1 won, level 2 lost";
    EXPECT_EQ(player.shotsFired(), 2);
    EXPECT_TRUE(fake::playedChunks().empty()) << "nothing reached a mixer";
    EXPECT_EQ(errors.rfind("=== BRENVIK 0.2 by Tolvane ===\nLogging is disabled\n"
                           "ERROR: Can't initialize audio!\nERROR: Cannot initialize audio mixer\n"
                           "ERROR: can't load high scores!\n",
                           0),
              0u)
        << errors;
    EXPECT_NE(output.find("Joysticks found: 0\n"), std::string::npos) << output;
    EXPECT_EQ(output.find("Joystick opened"), std::string::npos);
}

TEST_F(WholeProgram, AnUnwritableScoreFileIsKeptAndPlayGoesOn) {
    const std::string old = "5\n500\nann\n0\n0\nbob\n";
    writeFile(folder.file("high.dat"), old);
    ASSERT_EQ(chmod(folder.file("high.dat").c_str(), 0444), 0);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    WithoutOverridingPermissions asAnyUser;
    std::FILE* probe = std::fopen(folder.file("probe").c_str(), "w");
    const bool refused = probe == nullptr;
    if (!refused)
        std::fclose(probe);
    ASSERT_TRUE(refused) << "the folder must refuse new files for this test to mean anything";

    // The first level is won, so the result ranks and a name is typed.
    ScriptedPlayer player({ScriptedPlayer::challenge(1), ScriptedPlayer::highScores(),
                           ScriptedPlayer::game(), ScriptedPlayer::exit()});
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(player.stepsDone(), 4) << "the high scores and a game after the failed save";
    EXPECT_EQ(player.namesEntered(), 1);
    const std::vector<std::string> lines = linesOf(errors);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "ERROR: can't save high scores!"), 1)
        << errors;
    EXPECT_EQ(readFile(folder.file("high.dat")), old);
    EXPECT_FALSE(fs::exists(folder.file("high.dat.new")));
}

} // namespace
