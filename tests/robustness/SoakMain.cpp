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
using Player = ScriptedPlayer;

constexpr int WARM_UP_GAMES = 50;
constexpr long MOST_GROWTH = 1024 * 1024;

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The memory whose growth is measured. Under AddressSanitizer the resident
// size also holds the sanitizer's own records (every new call path of an
// allocation is kept for good, and freed blocks wait before reuse), so there
// it is the program's live heap as the sanitizer's allocator counts it; in a
// normal build it is the resident size itself.
long measuredBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return residentBytes();
#endif
}

long peakResidentBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6) * 1024;
    return 0;
}

// Every eleventh step is a challenge, which wins up to four levels before it
// loses one; the games change between two, three and four players and the
// black, the still checker and the scrolling checker background.
std::vector<Player::Step> session(int games, int challenges) {
    std::vector<Player::Step> steps;
    for (int game = 0, challenge = 0; game < games || challenge < challenges;) {
        if (challenge < challenges && (steps.size() % 11 == 10 || game == games)) {
            steps.push_back(Player::challenge(challenge++ % 5));
        } else {
            const int modes[] = {0, 1, 3};
            steps.push_back(Player::game(2 + game % 3, modes[game % 3 == 0 ? 2 : game % 2]));
            ++game;
        }
    }
    steps.push_back(Player::exit());
    return steps;
}

// Takes the game's log: keeps its beginning for a report and only counts the
// rest, so that the log does not grow the memory being measured.
class LogStart : public std::streambuf {
public:
    LogStart() : oldErr(std::cerr.rdbuf(this)), oldOut(std::cout.rdbuf(this)) {}
    ~LogStart() override {
        std::cerr.rdbuf(oldErr);
        std::cout.rdbuf(oldOut);
    }
    std::string kept;
    long bytes = 0;

protected:
    int overflow(int c) override {
        if (kept.size() < 2000)
            kept += static_cast<char>(c);
        ++bytes;
        return c;
    }

private:
    std::streambuf* oldErr;
    std::streambuf* oldOut;
};

// The memory figure of a full challenge: the program is started, shows the
// high scores, and plays a practice run through all twenty levels with their
// backgrounds (the first thirteen won by shooting, the rest left), then exits.
bool fullChallenge() {
    fake::setJoysticks({"Scripted pad"});
    fake::holdButton(4, true);
    Player player({Player::highScores(), Player::challenge(13, true), Player::exit()});
    long beforeChallenge = 0;
    player.onStepDone([&](int step) {
        if (step == 0)
            beforeChallenge = peakResidentBytes();
    });
    int status = 0;
    {
        LogStart log;
        status = runBrenvik();
    }
    std::printf("full challenge: exit status %d, %d levels, %d shots; peak resident %ld KB "
                "after the start and the high scores, %ld KB after the challenge\n",
                status, player.levelsStarted(), player.shotsFired(), beforeChallenge / 1024,
                peakResidentBytes() / 1024);
    return status == 0 && player.levelsStarted() == 20 && player.stepsDone() == 3;
}

bool soak(int games, int challenges) {
    const std::vector<Player::Step> steps = session(games, challenges);
    Player player(steps);
    int gamesDone = 0;
    long measured[2] = {0, 0}; // after the warm-up games, at the exit button
    long resident[2] = {0, 0};
    player.onStepDone([&](int step) {
        player.forgetHistory();
        const bool warmedUp =
            steps[std::size_t(step)].kind == Player::Step::Game && ++gamesDone == WARM_UP_GAMES;
        // The last step presses the exit button: the program still holds all it had.
        const bool last = step + 1 == static_cast<int>(steps.size());
        if (warmedUp || last) {
            measured[last] = measuredBytes();
            resident[last] = residentBytes();
        }
        if (step % 50 == 49)
            std::fprintf(stderr, "soak: %d steps, measured %ld KB, resident %ld KB\n", step + 1,
                         measuredBytes() / 1024, residentBytes() / 1024);
    });
    int status = 0;
    std::string logStart;
    long logBytes = 0;
    {
        LogStart log;
        status = runBrenvik();
        logStart = log.kept;
        logBytes = log.bytes;
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
                measure, WARM_UP_GAMES, measured[0] / 1024, measured[1] / 1024,
                (measured[1] - measured[0]) / 1024);
    std::printf("soak: resident after %d games %ld KB, at the exit button %ld KB\n", WARM_UP_GAMES,
                resident[0] / 1024, resident[1] / 1024);
    const bool passed = status == 0 && player.stepsDone() == static_cast<int>(steps.size()) &&
                        measured[1] - measured[0] < MOST_GROWTH;
    if (!passed)
        std::printf("soak: FAILED; the game's log (%ld bytes) began with:\n%s\n", logBytes,
                    logStart.c_str());
    return passed;
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // A game folder of its own: links to the data, and room for "high.dat".
    char pattern[] = "/tmp/brenvik-soak-XXXXXX";
    const char* folder = mkdtemp(pattern);
    if (chdir(BRENVIK_GAME_DIR) != 0 || folder == nullptr)
        return 2;
    for (const char* kind : {"images", "fonts", "sounds"})
        fs::create_directory_symlink(fs::current_path() / kind, fs::path(folder) / kind);
    if (chdir(folder) != 0)
        return 2;

    fake::reset();
    fake::setWatchdog(3000u * 1000u * 1000u);
    bool passed =
        argc == 2 && std::string(argv[1]) == "full-challenge"
            ? fullChallenge()
            : soak(argc == 3 ? std::atoi(argv[1]) : 500, argc == 3 ? std::atoi(argv[2]) : 50);
    passed = passed && !fake::watchdogFired();

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
