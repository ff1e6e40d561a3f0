"""The free game's setup screen: where its buttons rest, and choosing the
number of players and rounds by clicking minus and plus.

The places follow from the pictures' sizes: minus buttons at x = 10, plus
buttons centred on x = 177, the players row centred on y = 60, the rounds row
on y = 144, the distraction row on the bottom edge, and the start button
(the main menu's play picture) in the bottom right corner."""

import os

from .pictures import NAMED_COLOURS, is_white, read_png
from .screens import shows_picture


class SetupScreen:
    def __init__(self, game_folder):
        self.minus, self.plus, start = (read_png(os.path.join(game_folder, "images", name))
                                        for name in ("minus.png", "plus.png", "playbutton.png"))
        wm, hm = self.minus.width, self.minus.height
        wp, hp = self.plus.width, self.plus.height
        xp = 177 - wp // 2
        self.places = {
            "plminus": (10, 60 - hm // 2, wm, hm),
            "plplus": (xp, 60 - hp // 2, wp, hp),
            "rminus": (10, 144 - hm // 2, wm, hm),
            "rplus": (xp, 144 - hp // 2, wp, hp),
            "anminus": (10, 240 - hm, wm, hm),
            "anplus": (xp, 240 - hp, wp, hp),
        }
        self.start_place = (320 - start.width, 240 - start.height, start.width, start.height)
        # The numbers stand between their row's minus and plus buttons.
        self.number_areas = {"pl": (10 + wm, 60 - hp // 2, xp - 10 - wm, hp),
                             "r": (10 + wm, 144 - hp // 2, xp - 10 - wm, hp)}

    def resting(self, shot):
        """Every minus and plus button at its place, and the green start button."""
        x, y, w, h = self.start_place
        return shot.count(self.start_place, NAMED_COLOURS["green"]) >= 0.6 * w * h and all(
            shows_picture(shot, self.minus if name.endswith("minus") else self.plus, x, y)
            for name, (x, y, _, _) in self.places.items())

    def choose(self, watch, players, rounds):
        """From the first visit's 2 players and 10 rounds to those wanted,
        waiting after each click until the number shown has changed."""
        for row, steps in (("pl", players - 2), ("r", rounds - 10)):
            x, y, w, h = self.places[row + ("plus" if steps > 0 else "minus")]
            for _ in range(abs(steps)):
                before = self.number_look(watch.look(), row)
                watch.screen.click(x + w // 2, y + h // 2)
                watch.until("the %s number changed" % row,
                            lambda shot, before=before: self.number_look(shot, row) != before)

    def number_look(self, shot, row):
        return bytes(1 if is_white(c) else 0 for _, _, c in shot.pixels(self.number_areas[row]))

    def start(self, watch):
        x, y, w, h = self.start_place
        watch.screen.click(x + w // 2, y + h // 2)
