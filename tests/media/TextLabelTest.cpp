#include "media/TextLabel.h"
#include "media/ResourceManager.h"
#include "support/ScreenTest.h"

namespace {

class TextLabelTest : public ScreenTest {
protected:
    static SDL_Rect whiteBox() { return boxOf({0, 0, 320, 240}, 255, 255, 255); }

    static TextLabel* whiteLabel(int x, int y, const char* text,
                                 const std::string& background = "") {
        auto* label = new TextLabel(x, y, background);
        label->setColor({255, 255, 255, 0});
        label->setText(text);
        return label;
    }
};

TEST_F(TextLabelTest, TheTextIsCentredOnThePositionOrOnItsBackgroundPicture) {
    std::unique_ptr<TextLabel> label(whiteLabel(160, 120, "Rounds:"));
    EXPECT_EQ(label->getWidth(), 0);
    label->render();
    SDL_Rect box = whiteBox();
    ASSERT_GT(box.w, 20);
    EXPECT_NEAR(box.x + box.w / 2.0, 160.0, 6.0);
    EXPECT_NEAR(box.y + box.h / 2.0, 120.0, 10.0);

    label.reset(whiteLabel(100, 100, "7", "images/playbutton.png"));
    ASSERT_GT(label->getWidth(), 0);
    SDL_FillRect(screen(), nullptr, 0);
    label->render(); // text only, without the picture
    box = whiteBox();
    ASSERT_GT(box.w, 0);
    EXPECT_NEAR(box.x + box.w / 2.0, 100 + label->getWidth() / 2.0, 6.0);
    EXPECT_NEAR(box.y + box.h / 2.0, 100 + label->getHeight() / 2.0, 10.0);
}

TEST_F(TextLabelTest, TextIsRenderedOnlyAfterASetter) {
    std::unique_ptr<TextLabel> label(whiteLabel(160, 120, "Players:"));
    label->setFont("lazy");
    ResourceManager::instance().loadFont("lazy", DEFAULT_FONT_FILE, 16);
    label->render();
    const SDL_Rect first = whiteBox();

    // A bigger font under the same name shows only after the next setter.
    ResourceManager::instance().loadFont("lazy", DEFAULT_FONT_FILE, 32);
    SDL_FillRect(screen(), nullptr, 0);
    label->render();
    EXPECT_EQ(whiteBox().w, first.w);

    label->setText("Players:");
    SDL_FillRect(screen(), nullptr, 0);
    label->render();
    EXPECT_GT(whiteBox().w, first.w);
}

TEST_F(TextLabelTest, AnEmptyTextIsReportedOnEveryRender) {
    std::unique_ptr<TextLabel> label(whiteLabel(160, 120, ""));
    for (int attempt = 0; attempt < 2; ++attempt) {
        CapturedLog log;
        label->render();
        EXPECT_EQ(log.errors(), "ERROR: Can't render text!\n");
    }
    EXPECT_EQ(whiteBox().w, 0);
}

TEST_F(TextLabelTest, WithoutAnyFontTheInvalidFontIsReportedOnce) {
    ScratchFolder folder;
    folder.replaceData("fonts/artbrush.ttf", nullptr);
    std::unique_ptr<TextLabel> label(whiteLabel(160, 120, "Players:"));
    label->setFont("unheard of");
    {
        CapturedLog log;
        label->render();
        EXPECT_NE(log.errors().find("ERROR: Can't render text with invalid font\n"),
                  std::string::npos)
            << log.errors();
    }
    CapturedLog log;
    label->render();
    EXPECT_EQ(log.errors(), "ERROR: Can't render text!\n");
}

} // namespace
