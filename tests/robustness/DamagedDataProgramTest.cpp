// The whole program started on a damaged installation: each picture, the font
// and each sound missing or replaced by garbage, a game folder that cannot be
// written, a machine without sound or joystick. It reports what it cannot
// use, and is still played from the main menu to the exit button.
#include "ScriptedPlayer.h"
#include "app/GameMain.h"
#include "support/ScreenTest.h"

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Bytes that no picture, font or sound decoder takes for its own.
std::string garbage() {
    std::mt19937 generator(1206);
    std::string bytes = "this is no picture, font or sound\n";
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>(generator() & 0xFF);
    return bytes;
}

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

enum class Damage { Missing, Garbage };

struct DamageCase {
    const char* file;
    Damage damage;
    // The line reported about it, up to the library's own error text; empty
    // when the file is not reported.
    std::string reported;
    int mode = 0; // Ravav-E-Vidid presses for the free game that uses the file
    ScriptedPlayer::NameEntry nameEntry = ScriptedPlayer::NameEntry::Type;
};

std::string imageLine(const std::string& file) {
    return "ERROR: can't load image '" + file + "' - ";
}

std::vector<DamageCase> damageCases() {
    using Entry = ScriptedPlayer::NameEntry;
    std::vector<DamageCase> files = {
        {"images/vrel_icon.bmp", Damage::Missing, ""}, // the icon is not reported
        {"images/splash-brenvik.png", Damage::Missing, imageLine("images/splash-brenvik.png")},
        {"images/splash-tolvane.png", Damage::Missing, imageLine("images/splash-tolvane.png")},
        {"images/playbutton.png", Damage::Missing, imageLine("images/playbutton.png")},
        {"images/challengebutton.png", Damage::Missing, imageLine("images/challengebutton.png")},
        {"images/highscoresbutton.png", Damage::Missing, imageLine("images/highscoresbutton.png")},
        {"images/exitbutton.png", Damage::Missing, imageLine("images/exitbutton.png")},
        {"images/minus.png", Damage::Missing, imageLine("images/minus.png")},
        {"images/plus.png", Damage::Missing, imageLine("images/plus.png")},
        {"images/target.png", Damage::Missing, imageLine("images/target.png")},
        {"images/bwbg.png", Damage::Missing, imageLine("images/bwbg.png"), 3},
        {"images/rwbg2.png", Damage::Missing, imageLine("images/rwbg2.png"), 6},
        {"images/rwbg.png", Damage::Missing, imageLine("images/rwbg.png"), 9},
        {"images/keyboard.png", Damage::Missing, imageLine("images/keyboard.png"), 0,
         Entry::CloseWindow},
        {"images/keyboardmap.bmp", Damage::Missing, imageLine("images/keyboardmap.bmp"), 0,
         Entry::Nothing},
        {"fonts/artbrush.ttf", Damage::Missing,
         "ERROR: Can't load font from file 'fonts/artbrush.ttf' - "},
        {"sounds/shot.wav", Damage::Missing, "ERROR: can't load sound 'sounds/shot.wav' - "},
        {"sounds/miss.wav", Damage::Missing, "ERROR: can't load sound 'sounds/miss.wav' - "},
    };
    std::vector<DamageCase> cases;
    for (const DamageCase& missing : files) {
        cases.push_back(missing);
        DamageCase garbled = missing;
        garbled.damage = Damage::Garbage;
        cases.push_back(garbled);
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<DamageCase>& test) {
    std::string name = fs::path(test.param.file).stem().string();
    name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }),
               name.end());
    return name + (test.param.damage == Damage::Missing ? "Missing" : "Garbage");
}

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.file << (c.damage == Damage::Missing ? " missing" : " garbage");
}

// Runs the whole program in this process against the scripted SDL.
class WholeProgram : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_FRESH_PROCESS();
        fake::reset();
    }
    void TearDown() override {
        markSdlShutDown();
        EXPECT_FALSE(fake::watchdogFired()) << "the program waited past the scripted session";
    }

    int runProgram() {
        CapturedLog log;
        const int status = runBrenvik();
        errors = log.errors();
        output = log.output();
        return status;
    }

    // The player went from the menu through a game of one round and a
    // challenge whose first level it won, and out through the exit button.
    static void expectGameAndChallengePlayed(const ScriptedPlayer& player) {
        EXPECT_EQ(player.stepsDone(), 3);
        EXPECT_EQ(player.menuVisits(), 3);
        EXPECT_EQ(player.levelsStarted(), 2) << "level 1 won, level 2 lost";
        EXPECT_EQ(player.roundsPlayed(), 3);
        EXPECT_EQ(player.shotsFired(), 2);
    }

    ScratchFolder folder;
    std::string errors;
    std::string output;
};

class DamagedData : public WholeProgram, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedData, IsReportedAndTheGameIsStillPlayedFromTheMenuToTheExit) {
    const DamageCase& c = GetParam();
    folder.replaceData(c.file, nullptr);
    if (c.damage == Damage::Garbage)
        writeFile(folder.file(c.file), garbage());
    std::set<std::string> broken{c.file};
    ScriptedPlayer player(
        {ScriptedPlayer::game(2, c.mode), ScriptedPlayer::challenge(1), ScriptedPlayer::exit()},
        broken, c.nameEntry);

    EXPECT_EQ(runProgram(), 0);
    expectGameAndChallengePlayed(player);
    EXPECT_EQ(player.namesEntered(), c.nameEntry == ScriptedPlayer::NameEntry::Nothing ? 0 : 1);

    if (!c.reported.empty()) {
        EXPECT_NE(errors.find("\n" + c.reported), std::string::npos) << errors;
    }
    // Nothing else goes wrong: every other line is one of a first start, or
    // is about the damaged file or what follows from it.
    const bool fontBroken = std::string(c.file) == "fonts/artbrush.ttf";
    for (const std::string& line : linesOf(errors)) {
        const bool aboutTheFile = line.find(std::string("'") + c.file + "'") != std::string::npos;
        const bool aboutTheFont =
            fontBroken &&
            (line.rfind(
                 "ERROR: Can't load font from file 'default: " + std::string(c.file) + "' - ", 0) ==
                 0 ||
             line == "ERROR: Can't render text with invalid font" ||
             line == "ERROR: Can't render text!");
        EXPECT_TRUE(isUsualLine(line) || aboutTheFile || aboutTheFont) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(EachDataFile, DamagedData, ::testing::ValuesIn(damageCases()), caseName);

TEST_F(WholeProgram, WithoutSoundOrJoystickPlayGoesOnSilently) {
    fake::failAudioInit(true);
    fake::failMixer(true);
    fake::setJoysticks({});
    ScriptedPlayer player(
        {ScriptedPlayer::game(), ScriptedPlayer::challenge(1), ScriptedPlayer::exit()});

    EXPECT_EQ(runProgram(), 0);
    expectGameAndChallengePlayed(player);
    EXPECT_TRUE(fake::playedChunks().empty()) << "nothing reached a mixer";
    EXPECT_NE(
        errors.find("\nERROR: Can't initialize audio!\nERROR: Cannot initialize audio mixer\n"),
        std::string::npos)
        << errors;
    EXPECT_NE(output.find("Joysticks found: 0\n"), std::string::npos) << output;
    EXPECT_EQ(output.find("Joystick opened"), std::string::npos);
}

// Root writes into any folder whatever its mode, by a capability that
// overrides the permission bits. Without it in effect, root is held to the
// mode of a folder like anybody else. Capabilities belong to the thread, and
// the game writes its files from this one.
class WithoutOverridingPermissions {
public:
    WithoutOverridingPermissions() {
        header.version = _LINUX_CAPABILITY_VERSION_3;
        header.pid = 0;
        held = syscall(SYS_capget, &header, saved) == 0;
        if (!held)
            return;
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &header, lowered);
    }
    ~WithoutOverridingPermissions() {
        if (held)
            syscall(SYS_capset, &header, saved);
    }
    WithoutOverridingPermissions(const WithoutOverridingPermissions&) = delete;
    WithoutOverridingPermissions& operator=(const WithoutOverridingPermissions&) = delete;

private:
    __user_cap_header_struct header{};
    __user_cap_data_struct saved[2]{};
    bool held = false;
};

TEST_F(WholeProgram, AnUnwritableFolderKeepsTheOldHighScoresAndPlayGoesOn) {
    const std::string old = "5\n500\nann\n0\n0\nbob\n";
    writeFile(folder.file("high.dat"), old);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    WithoutOverridingPermissions asAnyUser;
    std::FILE* probe = std::fopen(folder.file("probe").c_str(), "w");
    const bool refused = probe == nullptr;
    if (probe != nullptr)
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
