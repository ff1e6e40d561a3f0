#include "GameScript.h"
#include "media/ResourceManager.h"

#include <string>

namespace {

// A round in progress, as the players see it: two targets each at growth 0.6,
// running totals, and each Ravav-E-Vidid picture sliding at its middle speed.
struct Scene {
    int players;
    const char* background; // empty for none
    int speedX;
    int speedY;
    const char* name;
};

void PrintTo(const Scene& scene, std::ostream* out) {
    *out << scene.players << " players, " << scene.name;
}

class RoundInProgress : public GameTest, public ::testing::WithParamInterface<Scene> {};

TEST_P(RoundInProgress, ShowsEveryTargetOverTheBackground) {
    const Scene& scene = GetParam();
    SDL_Surface* picture = ResourceManager::instance().loadImage(scene.background);
    ASSERT_EQ(picture == nullptr, std::string(scene.background).empty());
    const CellLayout layout(scene.players);
    bool looked = false;
    GameScript script([&](int, int frame) {
        if (frame != 91)
            return;
        for (int player = 1; player <= scene.players; ++player) {
            for (int slot = 0; slot < 2; ++slot) {
                const ScreenPoint centre = *session->targetCentre(player, slot);
                const Cell around{centre.x - 18, centre.y - 18, 36, 36};
                EXPECT_GT(pixelsIn(around, 222, 24, 32), 100) << "player " << player;
            }
        }
        const Cell firstCell = layout.cell(1);
        if (picture != nullptr) {
            EXPECT_LT(pixelsIn(firstCell, 0, 0, 0), firstCell.w * firstCell.h / 4)
                << "the picture shows behind the targets";
        }
        saveScreen(std::string("game-round-") + std::to_string(scene.players) + "-players-" +
                   scene.name);
        looked = true;
        fake::push(fake::quitRequest());
    });
    EXPECT_EQ(session->run(scene.players, 2, 2, picture, scene.speedX, scene.speedY), 0);
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(OneToFourPlayers, RoundInProgress,
                         ::testing::Values(Scene{1, "", 0, 0, "none"}, Scene{2, "", 0, 0, "none"},
                                           Scene{3, "", 0, 0, "none"}, Scene{4, "", 0, 0, "none"},
                                           Scene{1, "images/bwbg.png", 40, 20, "checker"},
                                           Scene{2, "images/bwbg.png", 40, 20, "checker"},
                                           Scene{3, "images/bwbg.png", 40, 20, "checker"},
                                           Scene{4, "images/bwbg.png", 40, 20, "checker"},
                                           Scene{1, "images/rwbg2.png", 20, 50, "psycho"},
                                           Scene{2, "images/rwbg2.png", 20, 50, "psycho"},
                                           Scene{3, "images/rwbg2.png", 20, 50, "psycho"},
                                           Scene{4, "images/rwbg2.png", 20, 50, "psycho"},
                                           Scene{1, "images/rwbg.png", 40, 20, "red"},
                                           Scene{2, "images/rwbg.png", 40, 20, "red"},
                                           Scene{3, "images/rwbg.png", 40, 20, "red"},
                                           Scene{4, "images/rwbg.png", 40, 20, "red"}),
                         [](const ::testing::TestParamInfo<Scene>& param) {
                             return std::to_string(param.param.players) + "Players" +
                                    param.param.name;
                         });

} // namespace
