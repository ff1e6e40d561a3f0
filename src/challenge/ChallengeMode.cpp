#include "challenge/ChallengeMode.h"

#include "challenge/ChallengeLevels.h"
#include "challenge/MessageScreen.h"
#include "game/GameSession.h"
#include "input/Input.h"
#include "media/ResourceManager.h"

#include <cmath>
#include <cstdio>

namespace {
// Held as the challenge starts, it makes every level count as passed.
constexpr unsigned PRACTICE_BUTTON = 4;
constexpr long ALL_LEVELS_BONUS = 100;

int percent(float fraction) {
    return static_cast<int>(std::floor(fraction * 100.0f));
}
} // namespace

ChallengeMode::ChallengeMode() : Sprite(nullptr), session(std::make_unique<GameSession>()) {}

ChallengeMode::~ChallengeMode() = default;

long ChallengeMode::run() {
    allCompleted = false;
    levelsPassed = 0;
    totalScore = 0;
    const bool practice = Input::instance().isButtonPressed(PRACTICE_BUTTON);

    for (;;) {
        const bool passed = playLevel(levelsPassed + 1);
        if (passed || (practice && !allCompleted)) {
            totalScore += 2 * levelsPassed + session->getScore(1);
            showLevelResult("Success!");
            levelsPassed += 1;
            continue;
        }
        if (allCompleted) {
            totalScore += ALL_LEVELS_BONUS;
            // A practice run shows what it made but offers the table only level
            // 0 and score 0.
            const long shown = totalScore;
            if (practice)
                totalScore = levelsPassed = 0;
            showTotal(shown);
            return totalScore;
        }
        showLevelResult("Failed!");
        showTotal(totalScore);
        return totalScore;
    }
}

bool ChallengeMode::playLevel(int level) {
    const ChallengeLevel* definition = challengeLevel(level);
    if (definition == nullptr) {
        allCompleted = true;
        showMessage("CONGRATULATIONS\nAll levels completed!", 0);
        return false;
    }
    showMessage(definition->objective, level);
    SDL_Surface* background = ResourceManager::instance().loadImage(definition->background);
    session->run(1, 1, definition->targets, background, definition->speedX, definition->speedY);
    const LevelOutcome outcome{session->getScore(1), session->getAccuracy(), session->getGrowth()};
    return definition->passed(outcome);
}

void ChallengeMode::showLevelResult(const char* heading) {
    char text[160];
    std::snprintf(text, sizeof text, "%s\n-\nScore: %d\nAccuracy: %d%%\nSpeed: %d%%", heading,
                  session->getScore(1), percent(session->getAccuracy()),
                  percent(1.0f - session->getGrowth()));
    showMessage(text, 0);
}

void ChallengeMode::showTotal(long total) {
    char text[64];
    std::snprintf(text, sizeof text, "Total score:\n%ld", total);
    showMessage(text, 0);
}
