"""Typing a name on the game's on-screen keyboard by clicking its keys.

Which key is where comes from the key map the game itself reads,
"images/keyboardmap.bmp": each pixel holds the code of the key under it in
its lowest non-zero byte (0 between keys). The keyboard picture is as big as
the map and sits centred at the bottom of the screen."""

import os

from .pictures import read_bmp32

MAP_FILE = "images/keyboardmap.bmp"
DELETE = 8
END = 13


def key_code(value):
    """The character code a map value stands for: its lowest non-zero byte."""
    for shift in (0, 8, 16, 24):
        byte = (value >> shift) & 0xFF
        if byte:
            return byte
    return 0


class OnScreenKeyboard:
    def __init__(self, game_folder, screen_width=320, screen_height=240):
        self.width, self.height, values = read_bmp32(os.path.join(game_folder, MAP_FILE))
        self.codes = [key_code(value) for value in values]
        self.left = screen_width // 2 - self.width // 2
        self.top = screen_height - self.height

    @property
    def rect(self):
        """Where the keyboard is on the screen, as (x, y, w, h)."""
        return self.left, self.top, self.width, self.height

    def code_at(self, x, y):
        """The code of the key under screen point (x, y), 0 for none."""
        mx, my = x - self.left, y - self.top
        if not (0 <= mx < self.width and 0 <= my < self.height):
            return 0
        return self.codes[my * self.width + mx]

    def key_centre(self, code):
        """The screen point in the middle of the key with this code: the centre
        of its pixels, or the key pixel nearest to it for a key that is not a
        plain box."""
        points = [(i % self.width, i // self.width) for i, c in enumerate(self.codes) if c == code]
        if not points:
            raise KeyError("the keyboard has no key with code %d (%r)" % (code, chr(code)))
        cx = sum(x for x, _ in points) / len(points)
        cy = sum(y for _, y in points) / len(points)
        x, y = min(points, key=lambda p: (p[0] - cx) ** 2 + (p[1] - cy) ** 2)
        return self.left + x, self.top + y

    def clicks_for(self, name, finish=True):
        """The screen points to click to type name (and the end key)."""
        codes = [ord(character) for character in name] + ([END] if finish else [])
        return [self.key_centre(code) for code in codes]

    def typed_name_look(self, shot):
        """The red letters of the name typed so far, above the keyboard, as a
        mask: it changes with every key that changes the name."""
        return bytes(1 if colour[0] > 160 and max(colour[1:]) < 80 else 0
                     for _, _, colour in shot.pixels((0, 0, shot.width, self.top)))

    def _changed_from(self, before):
        def check(shot):
            look = self.typed_name_look(shot)
            return look if look != before else None

        return check

    def type_name(self, watch, name, finish=True):
        """Clicks the keys of name one by one, each after the screen showed the
        name changed by the one before; then the end key."""
        before = self.typed_name_look(watch.look())
        for character in name:
            watch.screen.click(*self.key_centre(ord(character)))
            before = watch.until("the name with %r typed" % character, self._changed_from(before))
        if finish:
            watch.screen.click(*self.key_centre(END))
