"""The main menu's buttons, 112 x 84, resting on the middles of the screen's quarters."""

MENU_BUTTONS = {"play": ((80, 60), lambda c: c[1] > max(c[0], c[2]) + 30),
                "challenge": ((240, 60), lambda c: c[0] > c[1] + 30 and c[1] > c[2] + 30),
                "high": ((80, 180), lambda c: c[2] > max(c[0], c[1]) + 30),
                "exit": ((240, 180), lambda c: c[0] > c[1] + 50 and abs(c[1] - c[2]) < 20)}


def menu_at_rest(shot):
    return all(len(shot.points((x - 56, y - 42, 112, 84), test)) > 0.6 * 112 * 84
               for (x, y), test in MENU_BUTTONS.values())


def choose(watch, name):
    watch.click(*MENU_BUTTONS[name][0])
    if name != "exit":
        watch.until("the main menu leaving", lambda shot: not menu_at_rest(shot))
