#include "input/Input.h"
#include "input/WaitForPress.h"
#include "support/ScreenTest.h"

namespace {

// The joystick is opened once per process, so each of these runs alone.
class JoystickTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_FRESH_PROCESS();
        fake::reset();
        SDL_Init(SDL_INIT_VIDEO);
    }
};

TEST_F(JoystickTest, OnlyTheFirstOfTwoIsOpenedAndDescribed) {
    fake::setJoysticks({"Pad One", "Pad Two"}, 10, 4);
    CapturedLog log;
    Input& input = Input::instance();
    EXPECT_EQ(log.output(), "Joysticks found: 2\n"
                            "Joystick nr 0: Pad One\n"
                            "Joystick nr 1: Pad Two\n"
                            "Joystick opened: Pad One; number of axes: 4; number of buttons: 10\n");
    fake::holdButton(6, true);
    EXPECT_TRUE(input.isButtonPressed(6));
    EXPECT_FALSE(input.isButtonPressed(4));
    EXPECT_FALSE(input.isButtonPressed(10)) << "beyond the button count";
}

TEST_F(JoystickTest, AFailedStartIsReportedAndPlayGoesOn) {
    fake::setJoysticks({});
    fake::fail(fake::JOYSTICK_START);
    CapturedLog log;
    EXPECT_FALSE(Input::instance().isButtonPressed(6));
    EXPECT_EQ(log.errors(), "ERROR: Joystick initialization failed\n");
    EXPECT_EQ(log.output(), "Joysticks found: 0\n");
}

using WaitForPressTest = ScreenTest;

TEST_F(WaitForPressTest, AKeyAPointerPressOrAQuitRequestEndsItOnceHalfASecondHasPassed) {
    for (const SDL_Event& press : {fake::keyDown(), fake::mouseDown(10, 10), fake::quitRequest()}) {
        const Uint32 start = fake::now();
        fake::pushAt(start + 499, press); // the last moment of the guard
        fake::pushAt(start + 500, press);
        waitForPress();
        EXPECT_GE(fake::now() - start, 500u) << int(press.type);
        EXPECT_LT(fake::now() - start, 560u) << "checked every 50 ms";
        EXPECT_EQ(fake::pendingEvents(), 0u);
    }
}

// On a loaded machine a nap takes longer than asked. Whatever was pressed
// before the guard was over is still dropped, and the first press after it
// ends the wait.
TEST_F(WaitForPressTest, NapsThatOversleepCarryNoPressOutOfTheGuard) {
    for (Uint32 oversleep : {1u, 7u, 30u, 60u}) {
        fake::onDelay([oversleep](Uint32) { fake::advance(oversleep); });
        const Uint32 start = fake::now();
        for (Uint32 at : {460u, 490u, 498u, 499u})
            fake::pushAt(start + at, fake::mouseDown(10, 10));
        fake::pushAt(start + 800, fake::keyDown());
        fake::pushAt(start + 801, fake::mouseDown(10, 10));
        waitForPress();
        EXPECT_GE(fake::now() - start, 800u) << "oversleeping by " << oversleep;
        EXPECT_EQ(fake::pendingEvents(), 1u) << "oversleeping by " << oversleep;
        fake::reset();
    }
}

TEST_F(WaitForPressTest, MotionAndReleasesNeverEndItAndItNapsBetweenChecks) {
    const Uint32 start = fake::now();
    fake::pushAt(start + 600, fake::mouseMotion(5, 5));
    fake::pushAt(start + 650, fake::mouseUp(5, 5));
    fake::pushAt(start + 2000, fake::keyDown());
    waitForPress();
    EXPECT_GE(fake::now() - start, 2000u);
    for (Uint32 pause : fake::delays())
        EXPECT_TRUE(pause >= 1 && pause <= 50) << pause;
    EXPECT_GE(fake::delays().size(), 40u) << "about 20 naps a second, never a busy loop";
}

} // namespace
