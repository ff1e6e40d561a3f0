// A splash picture fades in from black, is held in full light, and fades out.
#include "media/SplashImage.h"
#include "support/ScreenTest.h"

using SplashImageTest = ScreenTest;

// On a loaded machine each 1 ms nap of a fade takes longer and the fade runs out of time
// short of its end: the picture must still be held in full light and leave only black.
TEST_F(SplashImageTest, ASlowFadeStillEndsInFullLightAndThenInBlack) {
    const char* splash = "images/splash-tolvane.png";
    bool heldInFullLight = false;
    fake::onDelay([&](Uint32 pause) {
        fake::advance(7);
        heldInFullLight = heldInFullLight || (pause == 1000 && pictureAt(splash, 10, 20));
    });
    SplashImage(ResourceManager::instance().loadImage(splash)).fadeInOut();
    fake::onDelay(nullptr);
    EXPECT_TRUE(heldInFullLight);
    EXPECT_EQ(countPixels(WHOLE_SCREEN, 0, 0, 0), 320 * 240);
}
