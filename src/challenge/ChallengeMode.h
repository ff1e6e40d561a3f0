#pragma once

#include "media/Sprite.h"

#include <memory>

class GameSession;

// Twenty fixed levels for one player, played until the first failure. Each
// passed level adds its points and a bonus of twice the levels passed before
// it; passing all twenty adds 100 more.
class ChallengeMode : public Sprite {
public:
    ChallengeMode();
    ~ChallengeMode() override;

    // Plays from level 1 and returns the total score.
    long run();
    // Plays one level and tells whether it was passed; a number past the last
    // level marks the challenge completed and is never passed.
    bool playLevel(int level);

    int getLevelsPassed() const { return levelsPassed; }
    long getTotalScore() const { return totalScore; }
    const GameSession& getSession() const { return *session; }

private:
    void showLevelResult(const char* heading);
    void showTotal(long total);

    int levelsPassed = 0;
    long totalScore = 0;
    bool allCompleted = false;
    std::unique_ptr<GameSession> session;
};
