#include "menus/WidgetScreen.h"
#include "media/ResourceManager.h"
#include "support/ScreenTest.h"
#include "support/Scripting.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// A screen with resting widgets of the test's choice, and the scheme's steps
// within reach.
class RestingScreen : public WidgetScreen {
public:
    void add(const std::string& name, const char* imageFile, int x, int y) {
        addWidget(name, std::make_unique<Sprite>(ResourceManager::instance().loadImage(imageFile)));
        placeWidget(name, x, y, x, y);
    }
    std::vector<std::string> feed(const std::vector<SDL_Event>& events) {
        std::vector<std::string> activated;
        for (const SDL_Event& event : events) {
            const std::string name = selectWithPointer(event);
            if (!name.empty())
                activated.push_back(name);
        }
        return activated;
    }
    using WidgetScreen::drawFrame;
    using WidgetScreen::slideIn;
};

const char* const PLAY = "images/playbutton.png";
const char* const EXIT = "images/exitbutton.png";

class WidgetScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (IsSkipped())
            return;
        screenUnderTest = std::make_unique<RestingScreen>();
        // Added out of name order on purpose: only the names decide.
        screenUnderTest->add("beta", EXIT, 100, 40);
        screenUnderTest->add("alpha", PLAY, 60, 30);
        screenUnderTest->add("solo", PLAY, 20, 140);
        screenUnderTest->slideIn();
        fake::advance(WidgetScreen::SLIDE_TIME);
        screenUnderTest->drawFrame();
    }

    std::unique_ptr<RestingScreen> screenUnderTest;
};

using Events = std::vector<SDL_Event>;
using Names = std::vector<std::string>;

TEST_F(WidgetScreenTest, OnlyAPressAndAReleaseOnTheSameWidgetActivateIt) {
    struct Case {
        const char* what;
        Events events;
        Names activated;
    };
    const Case cases[] = {
        {"click on a widget", {fake::mouseDown(30, 150), fake::mouseUp(30, 150)}, {"solo"}},
        {"any pointer button", {fake::mouseDown(30, 150, 3), fake::mouseUp(31, 151, 3)}, {"solo"}},
        {"release off it", {fake::mouseDown(30, 150), fake::mouseUp(300, 200)}, {}},
        {"release on another", {fake::mouseDown(30, 150), fake::mouseUp(205, 100)}, {}},
        {"press on empty space", {fake::mouseDown(300, 200), fake::mouseUp(30, 150)}, {}},
        {"a failed release keeps the press",
         {fake::mouseDown(30, 150), fake::mouseUp(300, 200), fake::mouseUp(30, 150)},
         {"solo"}},
        {"an activation forgets the press",
         {fake::mouseDown(30, 150), fake::mouseUp(30, 150), fake::mouseUp(30, 150)},
         {"solo"}},
        {"motion and keys",
         {fake::mouseDown(30, 150), fake::mouseMotion(300, 200), fake::keyDown(),
          fake::mouseUp(30, 150)},
         {"solo"}},
    };
    for (const Case& c : cases) {
        screenUnderTest->slideIn(); // forgets any press
        fake::clearHistory();
        const auto presses = std::count_if(c.events.begin(), c.events.end(), [](auto& event) {
            return event.type == SDL_MOUSEBUTTONDOWN;
        });
        EXPECT_EQ(screenUnderTest->feed(c.events), c.activated) << c.what;
        EXPECT_EQ(timesPlayed("sounds/miss.wav"), presses)
            << c.what << ": every press sounds a miss";
        EXPECT_EQ(timesPlayed("sounds/shot.wav"), 0) << c.what << ": the scheme never sounds a hit";
    }
}

TEST_F(WidgetScreenTest, WhereWidgetsOverlapTheLaterNameIsOnTopAndWins) {
    // "alpha" (60..172) and "beta" (100..212) overlap from x = 100 to 172.
    EXPECT_EQ(screenUnderTest->feed({fake::mouseDown(140, 60), fake::mouseUp(140, 60)}),
              Names{"beta"});
    EXPECT_EQ(screenUnderTest->feed({fake::mouseDown(80, 60), fake::mouseUp(80, 60)}),
              Names{"alpha"});
    // Pressed over both and released where only "alpha" lies: two widgets.
    EXPECT_EQ(screenUnderTest->feed({fake::mouseDown(140, 60), fake::mouseUp(80, 60)}), Names{});

    EXPECT_TRUE(pictureAt(EXIT, 100, 40)) << "beta is drawn whole, over alpha";
    EXPECT_FALSE(pictureAt(PLAY, 60, 30)) << "alpha is partly hidden by beta";
    EXPECT_TRUE(pictureAt(PLAY, 20, 140));
    saveScreen("widgets-overlap");
}

TEST_F(WidgetScreenTest, TheHitAreaReachesOnePixelBeyondThePicture) {
    // "beta" covers 100..212 x 40..124 and nothing else reaches its far corner.
    EXPECT_EQ(screenUnderTest->feed({fake::mouseDown(212, 124), fake::mouseUp(212, 124)}),
              Names{"beta"});
    EXPECT_EQ(screenUnderTest->feed({fake::mouseDown(213, 124), fake::mouseUp(213, 124)}), Names{});
}

} // namespace
