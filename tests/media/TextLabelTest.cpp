#include "media/TextLabel.h"
#include "support/ScreenTest.h"

using TextLabelTest = ScreenTest;

TEST_F(TextLabelTest, RendersItsCentredTextWhenAsked) {
    TextLabel label(100, 100, "images/playbutton.png"); // 112 x 84, centred on (156, 142)
    label.setFont("lazy");
    ResourceManager::instance().loadFont("lazy", DEFAULT_FONT_FILE, 16);
    label.setText("7");
    label.render();
    ResourceManager::instance().loadFont("lazy", DEFAULT_FONT_FILE, 32);
    label.render();
    EXPECT_FALSE(showsCentredText("lazy", "7", WHITE, 156, 142)) << "the bigger font, unasked";
    label.setColor(WHITE);
    label.draw(); // its picture, then its text over it
    EXPECT_TRUE(showsCentredText("lazy", "7", WHITE, 156, 142));

    ScratchFolder folder;
    std::remove("fonts/artbrush.ttf");
    CapturedLog log;
    label.setText("");
    label.render();
    label.render();
    label.setFont("unheard of");
    label.render();
    label.render();
    const std::string failed = "ERROR: Can't render text!\n";
    EXPECT_EQ(log.errors(),
              failed + failed +
                  "ERROR: Can't load font from file 'default: fonts/artbrush.ttf' - " +
                  SDL_GetError() + "\nERROR: Can't render text with invalid font\n" + failed);
}
