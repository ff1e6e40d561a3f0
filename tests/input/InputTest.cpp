// The joystick, and the wait that ends every message screen: what comes in its
// first half second is dropped, then a key, a pointer press or a quit ends it.
#include "input/Input.h"
#include "input/WaitForPress.h"
#include "support/ScreenTest.h"

// A failed start is reported and play goes on; it is opened once per process.
TEST(Joystick, OnlyTheFirstOfTwoIsOpened) {
    IN_A_PROCESS_OF_ITS_OWN();
    fake::setJoysticks({"Pad One", "Pad Two"}, 10, 4);
    fake::fail(fake::JOYSTICK_START);
    CapturedLog log;
    EXPECT_FALSE(Input::instance().isButtonPressed(4));
    EXPECT_EQ(log.errors(), "ERROR: Joystick initialization failed\n");
    EXPECT_EQ(log.output(), "Joysticks found: 2\nJoystick nr 0: Pad One\nJoystick nr 1: Pad Two\n"
                            "Joystick opened: Pad One; number of axes: 4; number of buttons: 10\n");
    fake::holdButton(6, true);
    EXPECT_TRUE(Input::instance().isButtonPressed(6));
    EXPECT_FALSE(Input::instance().isButtonPressed(10)) << "past the count";
}

using WaitForPressTest = ScreenTest;

TEST_F(WaitForPressTest, OnlyAPressAfterHalfASecondEndsIt) {
    // Naps of 50 ms, the last of the guard cut to end it at 499 ms; then 50 ms between looks.
    const std::vector<Uint32> naps{50, 50, 50, 50, 50, 50, 50, 50, 50, 49, 50};
    for (const SDL_Event& press : {fake::keyDown(), fake::mouseDown(9, 9), fake::quitRequest()}) {
        const Uint32 start = fake::now();
        const auto napsBefore = fake::delays().size();
        fake::pushAt(start + 499, press); // the last moment of the guard
        for (const SDL_Event& event : {fake::mouseMotion(9, 9), fake::mouseUp(9, 9), press})
            fake::pushAt(start + 500, event);
        waitForPress();
        const std::vector<Uint32> taken(fake::delays().begin() + napsBefore, fake::delays().end());
        EXPECT_EQ(taken, naps) << "ended by event " << int(press.type);
        EXPECT_EQ(fake::pendingEvents(), 0u) << "ended by event " << int(press.type);
    }
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
