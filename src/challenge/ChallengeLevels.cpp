#include "challenge/ChallengeLevels.h"

namespace {

using Outcome = LevelOutcome;

// Some tests compare the float measures in double precision, where 0.6 and 0.9
// fall between two floats: a growth of exactly 0.6f is not "at most 0.6", and
// a growth of exactly 0.9f is "below 0.9".
double wide(float value) {
    return static_cast<double>(value);
}

constexpr const char* NONE = "";
constexpr const char* CHECKER = "images/bwbg.png";
constexpr const char* PSYCHO = "images/rwbg2.png";
constexpr const char* RED = "images/rwbg.png";

// clang-format off
const ChallengeLevel LEVELS[CHALLENGE_LEVELS] = {
    /*  1 */ {"Hit target before it reaches full size", 1, NONE, 0, 0, [](const Outcome& o) { return o.growth < 1.0f; }},
    /*  2 */ {"Get at least 15 points", 1, NONE, 0, 0, [](const Outcome& o) { return o.points > 14; }},
    /*  3 */ {"Reach at least 50% accuracy", 1, NONE, 0, 0, [](const Outcome& o) { return o.accuracy >= 0.5f; }},
    /*  4 */ {"Hit target before it reaches 66% size", 1, NONE, 0, 0, [](const Outcome& o) { return wide(o.growth) < 0.66; }},
    /*  5 */ {"Get at least 25 points", 1, NONE, 0, 0, [](const Outcome& o) { return o.points > 24; }},
    /*  6 */ {"Reach at least 66% accuracy and 20 points", 1, NONE, 0, 0, [](const Outcome& o) { return wide(o.accuracy) >= 0.66 && o.points > 19; }},
    /*  7 */ {"Hit target before it reaches 50% size", 1, NONE, 0, 0, [](const Outcome& o) { return o.growth < 0.5f; }},
    /*  8 */ {"Get at least 30 points", 1, NONE, 0, 0, [](const Outcome& o) { return o.points > 29; }},
    /*  9 */ {"Reach at least 75% accuracy and 20 points", 1, NONE, 0, 0, [](const Outcome& o) { return o.accuracy >= 0.75f && o.points > 19; }},
    /* 10 */ {"Reach at least 66% accuracy and 50% speed", 1, NONE, 0, 0, [](const Outcome& o) { return wide(o.accuracy) >= 0.66 && o.growth <= 0.5f; }},
    /* 11 */ {"Now you will have two targets. Hit both of them before they reach full size", 2, NONE, 0, 0, [](const Outcome& o) { return o.growth < 1.0f; }},
    /* 12 */ {"Get at least 38 points", 1, NONE, 0, 0, [](const Outcome& o) { return o.points > 37; }},
    /* 13 */ {"Hit both targets, get at least 50 points", 2, NONE, 0, 0, [](const Outcome& o) { return o.points > 49; }},
    /* 14 */ {"Get at least 36 points", 1, CHECKER, 0, 0, [](const Outcome& o) { return o.points > 35; }},
    /* 15 */ {"Reach at least 66% accuracy and 40% speed", 1, CHECKER, 50, 80, [](const Outcome& o) { return wide(o.accuracy) >= 0.66 && wide(o.growth) <= 0.6; }},
    /* 16 */ {"Hit target before it reaches 66% size", 1, PSYCHO, 0, 20, [](const Outcome& o) { return wide(o.growth) < 0.66; }},
    /* 17 */ {"Get at least 40 points", 1, RED, 80, 20, [](const Outcome& o) { return o.points > 39; }},
    /* 18 */ {"Hit all targets before they reach full size", 4, PSYCHO, 60, 40, [](const Outcome& o) { return o.points > 41; }},
    /* 19 */ {"Hit all targets before they reach 90% size", 3, PSYCHO, 80, 90, [](const Outcome& o) { return wide(o.growth) < 0.9; }},
    /* 20 */ {"Hit all targets, Get at least 60 points", 3, PSYCHO, 70, 60, [](const Outcome& o) { return o.points > 59; }},
};
// clang-format on

} // namespace

const ChallengeLevel* challengeLevel(int number) {
    if (number < 1 || number > CHALLENGE_LEVELS)
        return nullptr;
    return &LEVELS[number - 1];
}
