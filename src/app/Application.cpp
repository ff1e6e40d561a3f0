#include "app/Application.h"

#include "app/Logger.h"
#include "challenge/ChallengeMode.h"
#include "game/GameSession.h"
#include "highscores/HighScoreTable.h"
#include "media/ResourceManager.h"
#include "media/SplashImage.h"
#include "menus/MainMenu.h"
#include "menus/PlaySetupScreen.h"

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

Application::Application()
    : state(STATE_QUIT), mainMenu(nullptr), gameSession(nullptr), playSetup(nullptr),
      challenge(nullptr), highScores(nullptr) {
    Logger::setLevel(5);
    Logger::stream(0) << "Logging is disabled" << std::endl;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

Application::~Application() {
    delete mainMenu;
    delete playSetup;
    delete challenge;
    delete gameSession;
    delete highScores;
    Logger::stream(0) << std::endl;
    Logger::stream(4) << std::endl;
}

void Application::init(int width, int height, int bitsPerPixel) {
    if (SDL_Init(SDL_INIT_VIDEO) == -1) {
        Logger::stream(0) << "FATAL ERROR: SDL initialization failed" << std::endl;
        state = STATE_ERROR;
        return;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == -1)
        Logger::stream(0) << "ERROR: Can't initialize audio!" << std::endl;
    if (TTF_Init() == -1)
        Logger::stream(0) << "FATALERROR: TTF engine initialization failed" << std::endl;

    SDL_WM_SetCaption("Brenvik by Tolvane", "Brenvik");
    if (SDL_RWops* iconFile = SDL_RWFromFile("images/vrel_icon.bmp", "rb")) {
        if (SDL_Surface* icon = SDL_LoadBMP_RW(iconFile, 1)) {
            SDL_WM_SetIcon(icon, nullptr);
            SDL_FreeSurface(icon);
        }
    }

    ResourceManager& resources = ResourceManager::instance();
    resources.setScreen(SDL_SetVideoMode(width, height, bitsPerPixel, SDL_FULLSCREEN));
    if (resources.getScreen() == nullptr) {
        state = STATE_ERROR;
        Logger::stream(0) << "ERROR: SDL screen is NULL" << std::endl;
        return;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096) != 0)
        Logger::stream(0) << "ERROR: Cannot initialize audio mixer" << std::endl;
    logVideoModes();

    resources.loadFont("small", DEFAULT_FONT_FILE, 18);
    resources.loadFont("default", DEFAULT_FONT_FILE, 28);
    resources.loadFont("big", DEFAULT_FONT_FILE, 32);

    state = STATE_START;
    // The screens render text and load pictures as they are built, so they
    // come after the display and the fonts.
    mainMenu = new MainMenu();
    gameSession = new GameSession();
    playSetup = new PlaySetupScreen();
    challenge = new ChallengeMode();
    highScores = new HighScoreTable();
    hidePointer();
}

void Application::hidePointer() {
    // A hidden cursor on a full-screen display makes SDL report pointer
    // motion relative to where it was, which loses the absolute position of a
    // touch screen, a tablet or a pointer in a virtual machine: every tap would
    // land in the middle of the screen. A transparent cursor hides the pointer
    // just as well and keeps its true position.
    static Uint8 clear[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    if (SDL_Cursor* transparent = SDL_CreateCursor(clear, clear, 8, 8, 0, 0)) {
        SDL_SetCursor(transparent);
        SDL_ShowCursor(SDL_ENABLE);
    } else {
        SDL_ShowCursor(SDL_DISABLE);
    }
}

void Application::logVideoModes() {
    SDL_Rect** modes = SDL_ListModes(nullptr, SDL_FULLSCREEN);
    if (modes == nullptr) {
        Logger::stream(0) << "No modes available!" << std::endl;
    } else if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        Logger::stream(2) << "All resolutions available." << std::endl;
    } else {
        Logger::stream(2) << "Available Modes" << std::endl;
        for (int i = 0; modes[i] != nullptr; ++i) {
            char line[32];
            std::snprintf(line, sizeof line, "%d x %d\n", modes[i]->w, modes[i]->h);
            Logger::stream(2) << '\t' << line;
        }
    }
}

int Application::run() {
    for (;;) {
        switch (state) {
        case STATE_START:
            state = STATE_SPLASH;
            break;
        case STATE_SPLASH:
            state = STATE_MAIN_MENU;
            showSplashes();
            break;
        case STATE_MAIN_MENU:
            state = mainMenu->run();
            break;
        case STATE_FREE_GAME:
            playFreeGame();
            state = STATE_MAIN_MENU;
            break;
        case STATE_HIGH_SCORES:
            highScores->show();
            state = STATE_MAIN_MENU;
            break;
        case STATE_CHALLENGE:
            playChallenge();
            state = STATE_MAIN_MENU;
            break;
        case STATE_ERROR:
            Logger::stream(0) << "Oops, something went wrong, quitting..." << std::endl;
            quit();
            return -1;
        case STATE_QUIT:
        default:
            quit();
            return 0;
        }
    }
}

void Application::showSplashes() {
    for (const char* file : {"images/splash-brenvik.png", "images/splash-tolvane.png"}) {
        SplashImage splash(ResourceManager::instance().loadImage(file));
        splash.fadeInOut();
    }
}

void Application::playFreeGame() {
    if (!playSetup->run())
        return;
    SDL_Surface* background = ResourceManager::instance().loadImage(playSetup->backgroundName());
    gameSession->run(playSetup->players(), playSetup->rounds(), 1, background, playSetup->speedX(),
                     playSetup->speedY());
}

void Application::playChallenge() {
    challenge->run();
    highScores->addScore(challenge->getLevelsPassed(), static_cast<int>(challenge->getTotalScore()),
                         nullptr);
}

void Application::quit() {
    TTF_Quit();
    Mix_CloseAudio();
    SDL_Quit();
}
