#include "support/ScreenTest.h"

#include "app/GameMain.h"
#include "app/Logger.h"

#include <SDL_ttf.h>

#include <sys/wait.h>

#include <algorithm>
#include <fstream>

void ScreenTest::SetUp() {
    fake::reset();
    std::srand(20261206);
    Logger::setLevel(5);
    ResourceManager& resources = ResourceManager::instance();
    if (resources.getScreen() == nullptr) { // once per process
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(TTF_Init(), 0);
        resources.setScreen(SDL_SetVideoMode(320, 240, 16, SDL_FULLSCREEN));
        ASSERT_NE(resources.getScreen(), nullptr) << SDL_GetError();
        Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096);
        resources.loadFont("small", DEFAULT_FONT_FILE, 18);
        resources.loadFont("default", DEFAULT_FONT_FILE, 28);
        resources.loadFont("big", DEFAULT_FONT_FILE, 32);
    }
    SDL_FillRect(resources.getScreen(), nullptr, 0);
}

bool ranInAProcessOfItsOwn() {
    const ::testing::UnitTest& tests = *::testing::UnitTest::GetInstance();
    if (tests.test_to_run_count() == 1)
        return false;
    const std::string filter = std::string("--gtest_filter=") +
                               tests.current_test_info()->test_suite_name() + "." +
                               tests.current_test_info()->name();
    char report[] = "/tmp/brenvik-test-report-XXXXXX"; // shown only when the test fails
    const int reportFile = mkstemp(report);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(reportFile, STDOUT_FILENO);
        dup2(reportFile, STDERR_FILENO);
        execl("/proc/self/exe", "brenvik_tests", filter.c_str(), nullptr);
        _exit(127);
    }
    close(reportFile);
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0) << "in a process of its own:\n" << readFile(report);
    std::remove(report);
    return true;
}

void ScreenTest::TearDown() {
    EXPECT_FALSE(fake::script().watchdogFired) << "a screen waited past the scripted session";
}

void ScreenTest::saveScreen(const std::string& name) {
    const char* folder = std::getenv("BRENVIK_SCREENSHOTS");
    if (folder == nullptr || *folder == '\0')
        return;
    SDL_SaveBMP(ResourceManager::instance().getScreen(),
                (std::string(folder) + "/" + name + ".bmp").c_str());
}

int ScreenTest::timesPlayed(const std::string& file) {
    const auto& played = fake::script().played;
    Mix_Chunk* chunk = ResourceManager::instance().loadSound(file);
    return static_cast<int>(std::count(played.begin(), played.end(), chunk));
}

ScratchFolder::ScratchFolder() {
    previous = fs::current_path().string();
    char pattern[] = "/tmp/brenvik-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    folder = made != nullptr ? made : "/tmp";
    for (const char* data : {"images", "fonts", "sounds"})
        fs::copy(previous + "/" + data, folder + "/" + data, fs::copy_options::recursive);
    fs::current_path(folder);
}

ScratchFolder::~ScratchFolder() {
    fs::current_path(previous);
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
}

int ProgramTest::runProgram() {
    CapturedLog log;
    const int status = runBrenvik();
    errors = log.errors();
    output = log.output();
    return status;
}

SurfacePtr filledSurface(int w, int h, Uint32 value) {
    SurfacePtr surface(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    SDL_FillRect(surface.get(), nullptr, value);
    return surface;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}
