#include "media/TextLabel.h"
#include "media/ResourceManager.h"
#include "support/ScreenTest.h"

namespace {

// The bounding box of the pixels of one colour on the screen.
SDL_Rect boxOf(Uint32 pixel, Uint32 (*pixelAt)(int, int)) {
    int left = 320, top = 240, right = -1, bottom = -1;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            if (pixelAt(x, y) == pixel) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {0, 0, 0, 0};
    return {static_cast<Sint16>(left), static_cast<Sint16>(top),
            static_cast<Uint16>(right - left + 1), static_cast<Uint16>(bottom - top + 1)};
}

class TextLabelTest : public ScreenTest {
protected:
    SDL_Rect whiteBox() { return boxOf(mapped(255, 255, 255), &ScreenTest::pixelAt); }

    static TextLabel* whiteLabel(int x, int y, const char* text,
                                 const std::string& background = "") {
        auto* label = new TextLabel(x, y, background);
        label->setColor({255, 255, 255, 0});
        label->setText(text);
        return label;
    }
};

TEST_F(TextLabelTest, WithoutBackgroundTheTextIsCentredOnThePosition) {
    std::unique_ptr<TextLabel> label(whiteLabel(160, 120, "Rounds:"));
    EXPECT_EQ(label->getWidth(), 0);
    label->render();
    const SDL_Rect box = whiteBox();
    ASSERT_GT(box.w, 20);
    EXPECT_NEAR(box.x + box.w / 2.0, 160.0, 6.0);
    EXPECT_NEAR(box.y + box.h / 2.0, 120.0, 10.0);
}

TEST_F(TextLabelTest, WithABackgroundTheTextIsCentredOnThePicture) {
    std::unique_ptr<TextLabel> label(whiteLabel(100, 100, "7", "images/playbutton.png"));
    const int width = label->getWidth();
    const int height = label->getHeight();
    ASSERT_GT(width, 0);
    SDL_FillRect(screen(), nullptr, 0);
    label->render(); // text only, without the picture
    const SDL_Rect box = whiteBox();
    ASSERT_GT(box.w, 0);
    EXPECT_NEAR(box.x + box.w / 2.0, 100 + width / 2.0, 6.0);
    EXPECT_NEAR(box.y + box.h / 2.0, 100 + height / 2.0, 10.0);
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

TEST_F(TextLabelTest, AnUnknownFontNameRendersTheBrushFontAtSize14) {
    std::unique_ptr<TextLabel> label(whiteLabel(160, 120, "Hx"));
    label->setFont("size fourteen");
    label->render();
    TTF_Font* reference = TTF_OpenFont(DEFAULT_FONT_FILE, 14);
    int width = 0;
    TTF_SizeText(reference, "Hx", &width, nullptr);
    TTF_CloseFont(reference);
    EXPECT_NEAR(whiteBox().w, width, 3);
}

} // namespace
