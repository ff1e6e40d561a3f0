#include "challenge/MessageScreen.h"
#include "support/ScreenTest.h"

namespace {

using Lines = std::vector<std::string>;

TEST(MessageLines, AreCutAtTheLastSpaceWithinTwentyCharactersAndAtLineFeeds) {
    const struct {
        const char* text;
        Lines lines;
    } cases[] = {
        {"Now you will have two targets. Hit both of them before they reach full size",
         {"Now you will have two", "targets. Hit both of", "them before they reach", "full size"}},
        {"Success!\n-\nScore: 49\nAccuracy: 80%\nSpeed: 75%",
         {"Success!", "-", "Score: 49", "Accuracy: 80%", "Speed: 75%"}},
        {"Get at least 15 points", {"Get at least 15 points"}},
        {"12345678901234567890 x", {"12345678901234567890", "x"}},
        {"1234567890123456789 x", {"1234567890123456789 x"}},
        {"a\n\nb", {"a", "", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cutMessageLines(c.text), c.lines) << c.text;
    // A word longer than a line is cut at 255 characters.
    const Lines cut = cutMessageLines(std::string(600, 'w').c_str());
    EXPECT_EQ(cut, (Lines{std::string(255, 'w'), std::string(255, 'w'), std::string(90, 'w')}));
}

class MessageScreenTest : public ScreenTest {
protected:
    // Rows of the screen that hold pixels of a colour.
    static std::vector<int> rowsWith(Uint8 r, Uint8 g, Uint8 b) {
        std::vector<int> rows;
        for (int y = 0; y < 240; ++y)
            if (countPixels({0, static_cast<Sint16>(y), 320, 1}, r, g, b) > 0)
                rows.push_back(y);
        return rows;
    }
};

TEST_F(MessageScreenTest, AnObjectiveShowsItsRedLevelHeadingAndWhiteCentredLines) {
    const Uint32 start = fake::now();
    fake::pushAt(start + 200, fake::mouseDown(10, 10)); // within the first half second
    fake::pushAt(start + 900, fake::keyDown());
    showMessage("Now you will have two targets. Hit both of them before they reach full size", 11);
    EXPECT_GE(fake::now() - start, 900u) << "waits for a press after half a second";
    EXPECT_EQ(fake::pendingEvents(), 0u);
    saveScreen("message-objective");

    const std::vector<int> red = rowsWith(255, 0, 0);
    ASSERT_FALSE(red.empty()) << "the Level heading";
    EXPECT_LE(red.back(), 40) << "centred on y = 20";
    const std::vector<int> white = rowsWith(255, 255, 255);
    ASSERT_FALSE(white.empty());
    EXPECT_GT(white.front(), 40);
    EXPECT_LT(white.back(), 60 + 3 * 35 + 20) << "four lines from y = 60, 35 apart";
    EXPECT_GE(white.back(), 60 + 3 * 35);
    // Every line is centred on x = 160 and lies inside the screen.
    EXPECT_EQ(countPixels({0, 0, 1, 240}, 255, 255, 255), 0);
    EXPECT_EQ(countPixels({319, 0, 1, 240}, 255, 255, 255), 0);
    const int left = countPixels({0, 40, 160, 200}, 255, 255, 255);
    const int right = countPixels({160, 40, 160, 200}, 255, 255, 255);
    EXPECT_NEAR(static_cast<double>(left) / right, 1.0, 0.35);
}

} // namespace
