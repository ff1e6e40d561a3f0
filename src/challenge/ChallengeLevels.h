#pragma once

// What a challenge level's game left behind, for its pass test.
struct LevelOutcome {
    int points;
    float accuracy; // of the last shot, 0 to 1
    float growth;   // size the targets had reached, 0 to 1
};

// One level of the challenge: what the player is told, what is played, and
// when it counts as passed.
struct ChallengeLevel {
    const char* objective;
    int targets;
    const char* background; // empty for a black screen
    int speedX;             // background scrolling, pixels per second
    int speedY;
    bool (*passed)(const LevelOutcome& outcome);
};

constexpr int CHALLENGE_LEVELS = 20;

// The level of that number (1 to 20), or null after the last one.
const ChallengeLevel* challengeLevel(int number);
