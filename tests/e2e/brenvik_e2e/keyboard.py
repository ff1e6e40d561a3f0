"""Typing a name on the game's on-screen keyboard by clicking its keys.

Which key is where comes from the key map the game itself reads: each pixel
of "images/keyboardmap.bmp" holds the code of the key under it in its lowest
non-zero byte (0 between keys). The keyboard picture is as big as the map and
sits centred at the bottom of the screen."""

import os

from .pictures import read_bmp32, read_png
from .screens import shows_picture

END = 13


def key_code(value):
    """The character code a map value stands for: its lowest non-zero byte."""
    for shift in (0, 8, 16, 24):
        if (value >> shift) & 0xFF:
            return (value >> shift) & 0xFF
    return 0


class OnScreenKeyboard:
    def __init__(self, game_folder):
        self.width, self.height, values = read_bmp32(
            os.path.join(game_folder, "images", "keyboardmap.bmp"))
        self.codes = [key_code(value) for value in values]
        self.left = 160 - self.width // 2
        self.top = 240 - self.height
        self.picture = read_png(os.path.join(game_folder, "images", "keyboard.png"))

    def shown(self, shot):
        return shows_picture(shot, self.picture, self.left, self.top)

    def key_centre(self, code):
        """The screen point in the middle of the key with this code."""
        points = [(i % self.width, i // self.width) for i, c in enumerate(self.codes) if c == code]
        if not points:
            raise KeyError("the keyboard has no key with code %d (%r)" % (code, chr(code)))
        return (self.left + sum(x for x, _ in points) // len(points),
                self.top + sum(y for _, y in points) // len(points))

    def typed_name_look(self, shot):
        """The red letters of the name typed so far, above the keyboard."""
        return bytes(1 if colour[0] > 160 and max(colour[1:]) < 80 else 0
                     for _, _, colour in shot.pixels((0, 0, shot.width, self.top)))

    def type_name(self, watch, name):
        """Clicks the keys of name one by one, each after the screen showed the
        name changed by the one before; then the end key."""
        before = self.typed_name_look(watch.look())
        for character in name:
            watch.screen.click(*self.key_centre(ord(character)))
            before = watch.until("the name with %r typed" % character, self._changed_from(before))
        watch.screen.click(*self.key_centre(END))

    def _changed_from(self, before):
        def check(shot):
            look = self.typed_name_look(shot)
            return look if look != before else None

        return check
