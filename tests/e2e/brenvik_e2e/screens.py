"""Recognising the game's start-up and main menu in screenshots.

A check takes a screenshot and answers true or false, so that Watcher.until
can wait on it."""

import os

from . import colours
from .pictures import read_png
from .xserver import HEIGHT, WIDTH

CYAN = (0, 255, 255)
SPLASHES = ("images/splash-brenvik.png", "images/splash-tolvane.png")

# The four main menu buttons rest centred on the middles of the screen's
# quarters; each is painted mostly in its own colour.
MENU_BUTTON_SIZE = (112, 84)
MENU_BUTTONS = {
    "play": ((80, 60), "green"),
    "challenge": ((240, 60), "orange"),
    "high": ((80, 180), "blue"),
    "exit": ((240, 180), "red"),
}


def centred(width, height):
    """The rectangle (x, y, w, h) of a picture centred on the screen."""
    return (WIDTH - width) // 2, (HEIGHT - height) // 2, width, height


def mostly_black(shot, share=0.995):
    """At most half a percent of the screen is anything but black."""
    return shot.count(None, lambda c: not colours.is_black(c)) <= (1.0 - share) * WIDTH * HEIGHT


def black_outside(shot, rect, allowed=0):
    left, top, w, h = rect
    lit = 0
    for x, y, colour in shot.pixels():
        inside = left <= x < left + w and top <= y < top + h
        if not inside and not colours.is_black(colour):
            lit += 1
    return lit <= allowed


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
            if (expected == CYAN or colours.is_black(expected)
                    or not (0 <= sx < shot.width and 0 <= sy < shot.height)):
                continue
            pairs.append((expected, shot.pixel(sx, sy)))
    if not pairs:
        return False
    brightness = sum(map(sum, (a for _, a in pairs))) / sum(map(sum, (e for e, _ in pairs)))
    if not min_brightness <= brightness <= 1.0 / min_brightness:
        return False
    matched = sum(1 for expected, actual in pairs
                  if all(abs(a - e * brightness) <= tolerance for e, a in zip(expected, actual)))
    return matched >= share * len(pairs)


class StartUp:
    """The splash pictures of the game folder, to recognise them on screen."""

    def __init__(self, game_folder):
        self.splashes = [(name, read_png(os.path.join(game_folder, name))) for name in SPLASHES]

    def splash_shown(self, index):
        name, picture = self.splashes[index]
        rect = centred(picture.width, picture.height)

        def check(shot):
            return shows_picture(shot, picture, rect[0], rect[1]) and black_outside(shot, rect)

        check.description = "the splash %s, centred and faded in" % name
        return check


def menu_button_rect(name):
    (cx, cy), _ = MENU_BUTTONS[name]
    w, h = MENU_BUTTON_SIZE
    return cx - w // 2, cy - h // 2, w, h


def menu_button_centre(name):
    return MENU_BUTTONS[name][0]


def menu_buttons_resting(shot, share=0.6):
    """Each of the four buttons covers its place with its own colour: green play
    top left, orange challenge top right, blue high scores bottom left, red
    exit bottom right."""
    w, h = MENU_BUTTON_SIZE
    for name, (_, colour) in MENU_BUTTONS.items():
        if shot.count(menu_button_rect(name), colours.NAMED[colour]) < share * w * h:
            return False
    return True

