#include "game/Scoring.h"
#include "GameScript.h"

#include <algorithm>
#include <cmath>

namespace {

struct Points {
    float growth;
    float accuracy;
    int points;
};

void PrintTo(const Points& hit, std::ostream* out) {
    *out << "growth " << hit.growth << ", accuracy " << hit.accuracy;
}

class PointsForAHit : public ::testing::TestWithParam<Points> {};

TEST_P(PointsForAHit, FollowTheSizeAndTheDistanceFromTheCentre) {
    EXPECT_EQ(pointsForHit(GetParam().growth, GetParam().accuracy), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(EarlierAndCloserScoresMore, PointsForAHit,
                         ::testing::Values(Points{0.25f, 0.8f, 49}, Points{0.5f, 1.0f, 51},
                                           Points{0.0f, 1.0f, 101}, Points{1.0f, 1.0f, 1},
                                           Points{1.0f, 0.01f, 1}, Points{0.9f, 0.05f, 1},
                                           Points{0.0f, 0.0f, 1}));

// One player, one round, one target: a shot in a chosen frame of play, aimed
// at an offset from the target's centre. Frames come every 25 ms, so frame n
// shows the targets at growth (n - 1) x 25 / 1500.
struct AimedShot {
    int frame;
    int dx;
    int dy;
    int points;
    float accuracy;
};

void PrintTo(const AimedShot& shot, std::ostream* out) {
    *out << "frame " << shot.frame << ", " << shot.dx << "," << shot.dy << " off centre";
}

class ShotInPlay : public GameTest, public ::testing::WithParamInterface<AimedShot> {};

TEST_P(ShotInPlay, EarnsItsPointsAndEndsTheRound) {
    const AimedShot& shot = GetParam();
    fake::setFrameStep(25);
    GameScript script([&](int, int frame) {
        if (frame != shot.frame)
            return;
        const ScreenPoint centre = *session->targetCentre(1, 0);
        clickAt(centre.x + shot.dx, centre.y + shot.dy);
    });
    EXPECT_EQ(session->run(1, 1, 1, nullptr, 0, 0), 1);
    EXPECT_EQ(session->getScore(1), shot.points);
    EXPECT_FLOAT_EQ(session->getGrowth(),
                    std::min(1.0f, static_cast<float>(shot.frame - 1) * 25.0f / 1500.0f));
    EXPECT_NEAR(session->getAccuracy(), shot.accuracy, 0.001f);
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 1);
    EXPECT_EQ(timesPlayed("sounds/miss.wav"), 0) << "the release after the last hit is ignored";
}

INSTANTIATE_TEST_SUITE_P(AtAGrowthAndDistance, ShotInPlay,
                         // growth 0.25 shows 15 pixels, a radius of 7: one pixel off diagonally is
                         // an accuracy of 1 - sqrt(2) / 7, about 0.8
                         ::testing::Values(AimedShot{16, 1, 1, 49, 1.0f - std::sqrt(2.0f) / 7.0f},
                                           AimedShot{31, 0, 0, 51, 1.0f},
                                           AimedShot{61, 20, 0, 1, 1.0f / 3.0f},
                                           AimedShot{200, -29, 0, 1, 1.0f / 30.0f}),
                         [](const ::testing::TestParamInfo<AimedShot>& param) {
                             return "Frame" + std::to_string(param.param.frame) + "Worth" +
                                    std::to_string(param.param.points);
                         });

} // namespace
