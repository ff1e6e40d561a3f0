"""The free game's setup screen: where its buttons rest, and choosing the
number of players and rounds by clicking minus and plus.

The places follow from the pictures' sizes: minus buttons at x = 10, plus
buttons centred on x = 177, the players row centred on y = 60, the rounds row
on y = 144, the distraction row on the bottom edge, and the start button
(the main menu's play picture) in the bottom right corner."""

import os

from . import colours
from .pictures import read_png
from .screens import shows_picture

# The values a setup screen shows the first time it opens.
FIRST_PLAYERS = 2
FIRST_ROUNDS = 10


def _is_white(colour):
    return min(colour) >= 200


class SetupScreen:
    def __init__(self, game_folder):
        def picture(name):
            return read_png(os.path.join(game_folder, "images", name))

        self.minus = picture("minus.png")
        self.plus = picture("plus.png")
        start = picture("playbutton.png")
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
            "start": (320 - start.width, 240 - start.height, start.width, start.height),
        }
        # The numbers stand between their row's minus and plus buttons.
        self.number_areas = {
            "players": (10 + wm, 60 - hp // 2, xp - 10 - wm, hp),
            "rounds": (10 + wm, 144 - hp // 2, xp - 10 - wm, hp),
        }

    def centre(self, name):
        x, y, w, h = self.places[name]
        return x + w // 2, y + h // 2

    def resting(self, shot):
        """Every minus and plus button at its place, and the green start button."""
        for name, (x, y, _, _) in self.places.items():
            if name == "start":
                continue
            if not shows_picture(shot, self.minus if name.endswith("minus") else self.plus, x, y):
                return False
        x, y, w, h = self.places["start"]
        return shot.count((x, y, w, h), colours.GREEN) >= 0.6 * w * h

    def number_look(self, shot, row):
        return bytes(1 if _is_white(colour) else 0
                     for _, _, colour in shot.pixels(self.number_areas[row]))

    def step(self, watch, row, up, times):
        """Clicks a row's plus (up) or minus button `times` times, waiting after
        each click until the number shown has changed."""
        button = ("plplus" if up else "plminus") if row == "players" else (
            "rplus" if up else "rminus")
        for _ in range(times):
            before = self.number_look(watch.look(), row)
            watch.screen.click(*self.centre(button))
            watch.until("the %s number changed" % row,
                        lambda shot, before=before: self.number_look(shot, row) != before)

    def choose(self, watch, players, rounds, shown_players=FIRST_PLAYERS,
               shown_rounds=FIRST_ROUNDS):
        """From the numbers shown now to the numbers wanted; then start."""
        self.step(watch, "players", players > shown_players, abs(players - shown_players))
        self.step(watch, "rounds", rounds > shown_rounds, abs(rounds - shown_rounds))

    def start(self, watch):
        watch.screen.click(*self.centre("start"))
