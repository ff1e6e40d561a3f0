// The joystick, and the wait that ends every message screen: what comes in its
// first half second is dropped, then a key, a pointer press or a quit ends it.
#include "input/Input.h"
#include "input/WaitForPress.h"
#include "support/ScreenTest.h"

// A failed start is reported and play goes on; it is opened once per process.
TEST(Joystick, AfterAFailedStartOnlyTheFirstOfTwoIsOpenedAndDescribed) {
    IN_A_PROCESS_OF_ITS_OWN();
    fake::setJoysticks({"Pad One", "Pad Two"}, 10, 4);
    fake::fail(fake::JOYSTICK_START);
    CapturedLog log;
    EXPECT_FALSE(Input::instance().isButtonPressed(4) || Input::instance().isButtonPressed(10));
    EXPECT_EQ(log.errors(), "ERROR: Joystick initialization failed\n");
    EXPECT_EQ(log.output(), "Joysticks found: 2\nJoystick nr 0: Pad One\nJoystick nr 1: Pad Two\n"
                            "Joystick opened: Pad One; number of axes: 4; number of buttons: 10\n");
    fake::holdButton(6, true);
    EXPECT_TRUE(Input::instance().isButtonPressed(6)) << "and 10 above: past the count";
}

using WaitForPressTest = ScreenTest;

TEST_F(WaitForPressTest, APressEndsItOnceHalfASecondHasPassedEvenWhenNapsOversleep) {
    for (const SDL_Event& press : {fake::keyDown(), fake::mouseDown(9, 9), fake::quitRequest()}) {
        const Uint32 start = fake::now();
        fake::pushAt(start + 499, press); // the last moment of the guard
        for (const SDL_Event& event : {fake::mouseMotion(9, 9), fake::mouseUp(9, 9), press})
            fake::pushAt(start + 500, event);
        waitForPress();
        EXPECT_TRUE(fake::now() - start >= 500 && fake::now() - start < 560) << int(press.type);
        EXPECT_EQ(fake::pendingEvents(), 0u) << int(press.type);
    }
    for (Uint32 pause : fake::delays())
        EXPECT_TRUE(pause >= 1 && pause <= 50) << pause;
    EXPECT_GE(fake::delays().size(), 30u) << "naps, never a busy loop";
    // On a loaded machine a nap takes longer than asked.
    for (Uint32 oversleep : {1u, 7u, 30u, 60u}) {
        fake::onDelay([oversleep](Uint32) { fake::advance(oversleep); });
        const Uint32 start = fake::now();
        for (Uint32 at : {460u, 490u, 498u, 499u, 800u, 801u})
            fake::pushAt(start + at, fake::mouseDown(10, 10));
        waitForPress();
        EXPECT_GE(fake::now() - start, 800u) << "oversleeping by " << oversleep;
        EXPECT_EQ(fake::pendingEvents(), 1u) << "oversleeping by " << oversleep;
    }
}
