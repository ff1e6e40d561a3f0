// A long session in one process: 500 free games and 50 challenges played
// through the menus on the scripted SDL, then the exit button. Run by
// tools/soak under AddressSanitizer with leak checking, and in a normal build.
// It reports the memory after the first 50 games and at the end, and exits
// with 1 when the program did not finish its session or its memory (see
// measuredBytes) grew by a megabyte or more after the first 50 games.
//
//     brenvik_soak [games challenges]
//     brenvik_soak full-challenge     (peak memory of a practice run of all levels)
#include "ScriptedPlayer.h"
#include "app/GameMain.h"
#include "support/FakeSdl.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// The sanitizer's allocator statistics; g++ ships no header for them.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

namespace fs = std::filesystem;

// The session's size; a shorter one can be asked for on the command line.
int GAMES = 500;
int CHALLENGES = 50;
constexpr int WARM_UP_GAMES = 50;
constexpr long MOST_GROWTH = 1024 * 1024;

// The memory whose growth is measured. Under AddressSanitizer the resident
// size also holds the sanitizer's own records (every new call path of an
// allocation is kept for good, and freed blocks wait before reuse), so there
// it is the program's live heap as the sanitizer's allocator counts it; in a
// normal build it is the resident size itself.
long measuredBytes();

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Every tenth step is a challenge, which wins up to four levels before it
// loses one; the games change between two, three and four players and the
// black, the still checker and the scrolling checker background.
std::vector<ScriptedPlayer::Step> session(std::vector<bool>& isGame) {
    std::vector<ScriptedPlayer::Step> steps;
    int games = 0;
    int challenges = 0;
    while (games < GAMES || challenges < CHALLENGES) {
        const bool challenge =
            challenges < CHALLENGES && (steps.size() % 11 == 10 || games == GAMES);
        if (challenge) {
            steps.push_back(ScriptedPlayer::challenge(challenges % 5));
            ++challenges;
        } else {
            const int modes[] = {0, 1, 3};
            steps.push_back(
                ScriptedPlayer::game(2 + games % 3, modes[games % 3 == 0 ? 2 : games % 2]));
            ++games;
        }
        isGame.push_back(!challenge);
    }
    steps.push_back(ScriptedPlayer::exit());
    isGame.push_back(false);
    return steps;
}

// Takes the game's log: keeps its beginning for a report and only counts the
// rest, so that the log does not grow the memory being measured.
class LogStart : public std::streambuf {
public:
    const std::string& start() const { return kept; }
    long bytes() const { return count; }

protected:
    int overflow(int c) override {
        if (kept.size() < 2000)
            kept += static_cast<char>(c);
        ++count;
        return c;
    }

private:
    std::string kept;
    long count = 0;
};

long measuredBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return residentBytes();
#endif
}

// A game folder of its own: links to the data, and room for "high.dat".
std::string scratchFolder() {
    char pattern[] = "/tmp/brenvik-soak-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr)
        return std::string();
    const fs::path data = fs::current_path();
    for (const char* kind : {"images", "fonts", "sounds"})
        fs::create_directory_symlink(data / kind, fs::path(made) / kind);
    return made;
}

long peakResidentBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6) * 1024;
    }
    return 0;
}

// The memory figure of a full challenge: the program is started, shows the
// high scores, and plays a practice run through all twenty levels with their
// backgrounds (the first thirteen won by shooting, the rest left), then exits.
int fullChallenge() {
    fake::setJoysticks({"Scripted pad"});
    fake::holdButton(4, true);
    ScriptedPlayer player({ScriptedPlayer::highScores(), ScriptedPlayer::challenge(13, true),
                           ScriptedPlayer::exit()});
    long beforeChallenge = 0;
    player.onStepDone([&](int step) {
        if (step == 0)
            beforeChallenge = peakResidentBytes();
    });
    LogStart log;
    std::streambuf* oldErr = std::cerr.rdbuf(&log);
    std::streambuf* oldOut = std::cout.rdbuf(&log);
    const int status = runBrenvik();
    std::cerr.rdbuf(oldErr);
    std::cout.rdbuf(oldOut);
    std::printf("full challenge: exit status %d, %d levels, %d shots; peak resident %ld KB "
                "after the start and the high scores, %ld KB after the challenge\n",
                status, player.levelsStarted(), player.shotsFired(), beforeChallenge / 1024,
                peakResidentBytes() / 1024);
    return status == 0 && player.levelsStarted() == 20 && player.stepsDone() == 3 &&
                   !fake::watchdogFired()
               ? 0
               : 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool challengeOnly = argc == 2 && std::string(argv[1]) == "full-challenge";
    if (argc == 3) {
        GAMES = std::atoi(argv[1]);
        CHALLENGES = std::atoi(argv[2]);
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(BRENVIK_GAME_DIR) != 0)
        return 2;
    const std::string folder = scratchFolder();
    if (folder.empty() || chdir(folder.c_str()) != 0)
        return 2;

    fake::reset();
    fake::setWatchdog(3000u * 1000u * 1000u);
    if (challengeOnly) {
        const int result = fullChallenge();
        std::fflush(nullptr);
        std::_Exit(result);
    }
    std::vector<bool> isGame;
    const std::vector<ScriptedPlayer::Step> steps = session(isGame);
    ScriptedPlayer player(steps);
    int gamesDone = 0;
    long afterWarmUp = 0;
    long atTheEnd = 0;
    long residentAfterWarmUp = 0;
    long residentAtTheEnd = 0;
    player.onStepDone([&](int step) {
        player.forgetHistory();
        if (isGame[static_cast<std::size_t>(step)] && ++gamesDone == WARM_UP_GAMES) {
            afterWarmUp = measuredBytes();
            residentAfterWarmUp = residentBytes();
        }
        // The last step presses the exit button: the program still holds all it had.
        if (step + 1 == static_cast<int>(steps.size())) {
            atTheEnd = measuredBytes();
            residentAtTheEnd = residentBytes();
        }
        if (step % 50 == 49)
            std::fprintf(stderr, "soak: %d steps, measured %ld KB, resident %ld KB\n", step + 1,
                         measuredBytes() / 1024, residentBytes() / 1024);
    });

    int status = 0;
    LogStart log;
    {
        std::streambuf* oldErr = std::cerr.rdbuf(&log);
        std::streambuf* oldOut = std::cout.rdbuf(&log);
        status = runBrenvik();
        std::cerr.rdbuf(oldErr);
        std::cout.rdbuf(oldOut);
    }

    std::printf("soak: exit status %d, %d of %zu steps, %d games, %d rounds, %d shots, "
                "%d levels, %d names typed\n",
                status, player.stepsDone(), steps.size(), gamesDone, player.roundsPlayed(),
                player.shotsFired(), player.levelsStarted(), player.namesEntered());
#if defined(__SANITIZE_ADDRESS__)
    const char* measure = "live heap";
#else
    const char* measure = "resident";
#endif
    std::printf("soak: %s after %d games %ld KB, at the exit button %ld KB, growth %ld KB\n",
                measure, WARM_UP_GAMES, afterWarmUp / 1024, atTheEnd / 1024,
                (atTheEnd - afterWarmUp) / 1024);
    std::printf("soak: resident after %d games %ld KB, at the exit button %ld KB\n", WARM_UP_GAMES,
                residentAfterWarmUp / 1024, residentAtTheEnd / 1024);
    bool passed = status == 0 && player.stepsDone() == static_cast<int>(steps.size()) &&
                  !fake::watchdogFired() && atTheEnd - afterWarmUp < MOST_GROWTH;
    if (!passed)
        std::printf("soak: FAILED; the game's log (%ld bytes) began with:\n%s\n", log.bytes(),
                    log.start().c_str());

    if (SDL_WasInit(SDL_INIT_AUDIO) != 0)
        Mix_CloseAudio();
    SDL_Quit();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
#if defined(__SANITIZE_ADDRESS__)
    // Leave as the test binary does, without the libraries' exit handlers,
    // after checking for leaks here.
    if (__lsan_do_recoverable_leak_check() != 0)
        passed = false;
#endif
    std::fflush(nullptr);
    std::_Exit(passed ? 0 : 1);
}
