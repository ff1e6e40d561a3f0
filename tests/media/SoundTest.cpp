#include "media/ResourceManager.h"
#include "support/ScreenTest.h"

namespace {

class SoundTest : public ScreenTest {
protected:
    ResourceManager& resources = ResourceManager::instance();
};

TEST_F(SoundTest, ASoundIsReadOnceAndPlayedAtFullVolume) {
    ScratchFolder folder;
    EXPECT_TRUE(resources.playSound("sounds/shot.wav", 1));
    folder.replaceData("sounds/shot.wav", nullptr); // a second read would now fail
    EXPECT_TRUE(resources.playSound("sounds/shot.wav", 1));
    EXPECT_EQ(timesPlayed("sounds/shot.wav"), 2);
    EXPECT_EQ(Mix_VolumeChunk(chunkOf("sounds/shot.wav"), -1), MIX_MAX_VOLUME);
}

TEST_F(SoundTest, AMissingSoundIsReportedOnEveryRequest) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        CapturedLog log;
        EXPECT_FALSE(resources.playSound("sounds/none.wav", 1));
        const std::string errors = log.errors();
        EXPECT_EQ(errors.rfind("ERROR: can't load sound 'sounds/none.wav' - ", 0), 0u) << errors;
        EXPECT_NE(
            errors.find("\nCannot play sound 'sounds/none.wav' - sound file couldn't be load\n"),
            std::string::npos)
            << errors;
    }
    EXPECT_TRUE(fake::playedChunks().empty());
}

TEST_F(SoundTest, WithoutAMixerEveryRequestFailsAndIsLogged) {
    Mix_CloseAudio();
    CapturedLog log;
    EXPECT_FALSE(resources.playSound("sounds/miss.wav", 1));
    EXPECT_NE(log.errors().find("Cannot play sound 'sounds/miss.wav' - "), std::string::npos);
    Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 4096);
}

} // namespace
