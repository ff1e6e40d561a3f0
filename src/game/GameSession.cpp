#include "game/GameSession.h"

#include "game/RoundScreens.h"
#include "game/Scoring.h"
#include "game/ScrollingBackground.h"
#include "input/Input.h"
#include "media/ResourceManager.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr unsigned ABANDON_BUTTON = 6;
constexpr Uint32 SHORTEST_PAUSE = 500;
constexpr int PAUSE_SPREAD = 1500;
} // namespace

GameSession::GameSession() : Sprite(nullptr) {}

int GameSession::run(int players, int rounds, int targetsEach, SDL_Surface* background, int speedX,
                     int speedY) {
    rounds = std::max(rounds, 1);
    startGame(players, targetsEach);
    // Running totals are worth showing once there is more than one target to hit.
    const bool showScores = rounds + targets.getTargetCount() > 2;
    ScrollingBackground scenery(background, speedX, speedY);

    for (int round = 1; round <= rounds; ++round) {
        if (rounds == 1)
            roundStartScore = score;
        else
            showRoundTitle(round);
        showBeforeRound(scenery, showScores);
        pauseBeforeRound();
        if (!playRound(scenery, showScores))
            return 0;
        if (targets.getPlayerCount() > 1)
            showRoundWinner();
    }
    if (rounds > 1)
        showTotals();
    return 1;
}

void GameSession::startGame(int players, int targetsEach) {
    targets.setUp(players, targetsEach);
    score.fill(0);
}

void GameSession::showBeforeRound(ScrollingBackground& background, bool showScores) {
    background.drawUnscrolled();
    drawGrid(showScores);
    flipScreen();
}

void GameSession::pauseBeforeRound() {
    // Nothing is read meanwhile: shots made now wait for the first frame.
    SDL_Delay(SHORTEST_PAUSE + static_cast<Uint32>(std::rand() % PAUSE_SPREAD));
}

bool GameSession::playRound(ScrollingBackground& background, bool showScores) {
    targets.place();
    roundWinner = 0;
    const Uint32 roundStart = SDL_GetTicks();
    background.startRound(roundStart);
    // As fast as the device allows: no delay between frames.
    while (roundWinner == 0) {
        background.drawScrolled();
        drawGrid(showScores);
        growth = TargetField::growthAfter(SDL_GetTicks() - roundStart);
        drawTargets(growth);
        if (Input::instance().isButtonPressed(ABANDON_BUTTON) || !handleEvents()) {
            abandon();
            return false;
        }
    }
    return true;
}

bool GameSession::handleEvents() {
    // The whole queue is taken every frame, even after the winning shot.
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            handleShot(event);
            break;
        case SDL_QUIT:
            return false;
        default:
            break;
        }
    }
    return true;
}

int GameSession::handleShot(const SDL_Event& event) {
    if (roundWinner != 0)
        return roundWinner; // the round is decided; later shots do nothing
    const std::optional<TargetHit> hit = targets.hitTest(event.button.x, event.button.y);
    if (!hit) {
        ResourceManager::instance().playSound("sounds/miss.wav", 1);
        return roundWinner;
    }
    ResourceManager::instance().playSound("sounds/shot.wav", 1);
    score[hit->player] += pointsForHit(growth, getAccuracy());
    targets.remove(*hit);
    if (!targets.hasLiveTargets(hit->player))
        roundWinner = hit->player;
    return roundWinner;
}

int GameSession::getScore(int player) const {
    if (player < 1 || player > MAX_PLAYERS)
        return -1;
    return score[player];
}

void GameSession::showRoundTitle(int round) {
    roundStartScore = score;
    showRoundTitleScreen(round);
}

void GameSession::showRoundWinner() {
    if (roundWinner < 1 || roundWinner > targets.getPlayerCount())
        return;
    showRoundWinnerScreen(targets.getLayout().cell(roundWinner),
                          score[roundWinner] - roundStartScore[roundWinner]);
}

void GameSession::drawGrid(bool showScores) {
    grid.draw(targets.getLayout(), score, showScores);
}

void GameSession::showTotals() {
    showTotalsScreen(targets.getLayout(), score);
}

void GameSession::drawTargets(float shownGrowth) {
    targets.draw(shownGrowth);
    flipScreen();
}
