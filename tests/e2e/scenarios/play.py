"""A first session through the real window and pointer: a free game round, the list, exit."""

import os
import shutil

from brenvik_e2e.scenario import require

ASIDE = (0, 191)  # no target, key or flying menu button is ever there: a press only ends a wait
white = lambda c: min(c) >= 200  # noqa: E731
red = lambda c: c[0] >= 60 and c[0] - max(c[1:]) >= 50  # noqa: E731

# The main menu's buttons, 112 x 84, resting on the middles of the screen's quarters.
MENU_BUTTONS = {"play": ((80, 60), lambda c: c[1] > max(c[0], c[2]) + 30),
                "challenge": ((240, 60), lambda c: c[0] > c[1] + 30 and c[1] > c[2] + 30),
                "high": ((80, 180), lambda c: c[2] > max(c[0], c[1]) + 30),
                "exit": ((240, 180), lambda c: c[0] > c[1] + 50 and abs(c[1] - c[2]) < 20)}


def menu_at_rest(shot):
    return all(len(shot.points((x - 56, y - 42, 112, 84), test)) > 0.6 * 112 * 84
               for (x, y), test in MENU_BUTTONS.values())


def choose(watch, name):  # exit must end the game well
    watch.click(*MENU_BUTTONS[name][0])
    if name == "exit":
        require(watch.process.wait(timeout=25) == 0, "exit status %d" % watch.process.returncode)
    else:
        watch.until("the main menu leaving", lambda shot: not menu_at_rest(shot))


def player_2_target(shot):  # the centre of one in the right half, once 20 wide
    xs, ys = (sorted(axis) for axis in zip(*shot.points((160, 0, 160, 240), red) or [(0, 0)]))
    if min(xs[-1] - xs[0], ys[-1] - ys[0]) + 1 >= 20:
        return (xs[0] + xs[-1]) // 2, (ys[0] + ys[-1]) // 2


def play(scenario):  # what only a real window shows; the game itself is played headless
    for name in ("images", "fonts", "sounds"):  # a copy of the built game's data alone
        shutil.copytree(os.path.join(scenario.game_dir, name), os.path.join(scenario.scratch, name))
    watch = scenario.start([os.path.join(scenario.game_dir, "brenvik")], scenario.scratch)
    watch.until("the game's window, 320 x 240 at 0, 0", lambda _: "-geometry 320x240+0+0\n"
                in watch.run("xwininfo", "-name", "Brenvik by Tolvane", status=None))
    watch.until("the main menu at rest", menu_at_rest)
    # Pointer presses land where they are made: the setup's rounds down from 10 to 1,
    # then a round won by a click on player 2's target.
    choose(watch, "play")
    watch.until("the setup screen's start button at rest", lambda shot: len(shot.points(
        (208, 156, 112, 84), MENU_BUTTONS["play"][1])) > 0.6 * 112 * 84)
    watch.run("xdotool", "mousemove", "25", "144", "click", "--repeat", "9", "--delay", "100", "1")
    watch.click(264, 198)
    watch.click(*watch.until("player 2's target", player_2_target))
    watch.until("player 2's cell white, player 1's not", lambda shot: [len(shot.points(
        (x, 0, 160, 240), white)) > 0.6 * 160 * 240 for x in (0, 160)] == [False, True])
    watch.until("the main menu", menu_at_rest, press=ASIDE)
    choose(watch, "high")
    watch.until("the default high score list in white on black", lambda shot: not shot.points(
        (0, 0, 320, 240), lambda c: max(c) > 0 and not white(c)) and shot.points(
        (146, 0, 174, 240), white))
    watch.until("the main menu", menu_at_rest, press=ASIDE)
    choose(watch, "exit")
    errors = "=== BRENVIK 0.2 by Tolvane ===\nLogging is disabled\nERROR: can't load high scores!\n"
    require(open(watch.err).read() == errors + "\n" and open(watch.out).read() ==
            "Available Modes\n\t320 x 240\nJoysticks found: 0\n\n",
            "the output is not a first start's, see game.out and game.err")


SCENARIOS = {"play": play}
