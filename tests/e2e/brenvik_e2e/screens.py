"""The game's window, start-up and main menu as screenshots show them. A check
takes a screenshot and answers, so that Watcher.until can wait on it."""

import os

from .pictures import NAMED_COLOURS, is_black, read_png
from .xserver import HEIGHT, WIDTH

CYAN = (0, 255, 255)
WINDOW_TITLE = "Brenvik by Tolvane"
SPLASHES = ("images/splash-brenvik.png", "images/splash-tolvane.png")
# The four main menu buttons, 112 x 84, rest centred on the middles of the
# screen's quarters; each is painted mostly in its own colour.
MENU_BUTTONS = {"play": ((80, 60), "green"), "challenge": ((240, 60), "orange"),
                "high": ((80, 180), "blue"), "exit": ((240, 180), "red")}


def mostly_black(shot, share=0.995):
    """At most half a percent of the screen is anything but black."""
    return shot.count(None, lambda c: not is_black(c)) <= (1.0 - share) * WIDTH * HEIGHT


def shows_picture(shot, picture, left, top, share=0.95, step=2, min_brightness=0.9,
                  tolerance=20):
    """The picture appears at (left, top), at full brightness or nearly: nearly
    every lit pixel of it (every step-th in each direction) matches. Black
    pixels, which look the same on the black screen wherever the picture is or
    is not, and colour-key cyan ones are not compared.

    A faded-in picture may be held a few steps short of full brightness, and
    blending on the 16-bit screen loses up to two steps of each 5-bit channel,
    so the brightness is measured first and the colours compared after it."""
    pairs = []
    for y in range(0, picture.height, step):
        for x in range(0, picture.width, step):
            expected = picture.pixel(x, y)
            sx, sy = left + x, top + y
            if (expected != CYAN and not is_black(expected)
                    and 0 <= sx < shot.width and 0 <= sy < shot.height):
                pairs.append((expected, shot.pixel(sx, sy)))
    if not pairs:
        return False
    brightness = sum(map(sum, (a for _, a in pairs))) / sum(map(sum, (e for e, _ in pairs)))
    if not min_brightness <= brightness <= 1.0 / min_brightness:
        return False
    matched = sum(1 for expected, actual in pairs
                  if all(abs(a - e * brightness) <= tolerance for e, a in zip(expected, actual)))
    return matched >= share * len(pairs)


def splash_shown(folder, index):
    """A check: the splash picture, centred and faded in, on a black screen."""
    name = SPLASHES[index]
    picture = read_png(os.path.join(folder, name))
    left, top = (WIDTH - picture.width) // 2, (HEIGHT - picture.height) // 2

    def check(shot):
        lit_outside = sum(1 for x, y, colour in shot.pixels() if not is_black(colour) and not (
            left <= x < left + picture.width and top <= y < top + picture.height))
        return lit_outside == 0 and shows_picture(shot, picture, left, top)

    check.description = "the splash %s, centred and faded in" % name
    return check


def menu_buttons_resting(shot, share=0.6):
    """Each of the four buttons covers its place with its own colour."""
    return all(shot.count((cx - 56, cy - 42, 112, 84), NAMED_COLOURS[colour]) >= share * 112 * 84
               for (cx, cy), colour in MENU_BUTTONS.values())


def game_window(screen):
    """A check: the game's window, by its exact title, covers the whole screen
    and carries the game's 32 x 32 icon."""
    return lambda _shot: ((0, 0, 320, 240), "32,32") in screen.windows_titled(WINDOW_TITLE)


def reach_main_menu(watch, folder):
    """Waits through both splashes to the resting main menu."""
    for index in (0, 1):
        check = splash_shown(folder, index)
        watch.until(check.description, check)
    watch.until("the four main menu buttons at rest", menu_buttons_resting)


def choose(watch, name):
    """Clicks a main menu button (play, challenge, high or exit) and, but for
    exit, waits until the buttons have left their places."""
    watch.screen.click(*MENU_BUTTONS[name][0])
    if name != "exit":
        watch.until("the main menu buttons leaving", lambda shot: not menu_buttons_resting(shot))
