"""The screens of play: the growing targets, the winner of a round, the
challenge's message screens and the high score list; and going on from a
screen that waits for a press.

A target is a round red-and-white picture, 60 x 60 at full size, that grows
from nothing in one and a half seconds. Its outer rings enclose all of it, so
the box around each group of red pixels that no bigger group encloses is one
target. This works on the black screen of the games without a distraction."""

import time
from collections import namedtuple

from .scenario import WaitTimeout
from .pictures import NAMED_COLOURS, is_black, is_white

FULL_SIZE = 60
Target = namedtuple("Target", "x y width height")
Target.centre = property(lambda t: (t.x + t.width // 2, t.y + t.height // 2))
Target.size = property(lambda t: max(t.width, t.height))


def is_target_red(colour):
    r, g, b = colour
    return r >= 60 and r - max(g, b) >= 50


def find_targets(shot, area=None, min_size=3):
    """The targets inside area (x, y, w, h; the whole screen by default),
    left to right then top to bottom, each as its bounding box."""
    left, top, right, bottom = shot.clip(area)
    width, height = right - left, bottom - top
    red = bytearray(width * height)
    for x, y, colour in shot.pixels((left, top, width, height)):
        red[(y - top) * width + (x - left)] = is_target_red(colour)
    # The bounding boxes of the 8-connected groups of red, biggest first, so
    # that a box is dropped when a kept one encloses it.
    boxes = []
    for start in range(len(red)):
        if red[start] != 1:
            continue
        red[start] = 2
        stack = [start]
        x0 = x1 = start % width
        y0 = y1 = start // width
        while stack:
            at = stack.pop()
            x, y = at % width, at // width
            x0, x1, y0, y1 = min(x0, x), max(x1, x), min(y0, y), max(y1, y)
            for ny in range(max(0, y - 1), min(height, y + 2)):
                for nx in range(max(0, x - 1), min(width, x + 2)):
                    if red[ny * width + nx] == 1:
                        red[ny * width + nx] = 2
                        stack.append(ny * width + nx)
        boxes.append((x0, y0, x1, y1))
    boxes.sort(key=lambda b: (b[2] - b[0] + 1) * (b[3] - b[1] + 1), reverse=True)
    outer = []
    for box in boxes:
        if not any(k[0] <= box[0] and k[1] <= box[1] and k[2] >= box[2] and k[3] >= box[3]
                   for k in outer):
            outer.append(box)
    found = []
    for x0, y0, x1, y1 in outer:
        w, h = x1 - x0 + 1, y1 - y0 + 1
        # Round: as wide as high, give or take the pixel that scaling rounds off.
        if max(w, h) >= min_size and abs(w - h) <= max(2, max(w, h) // 10):
            found.append(Target(left + x0, top + y0, w, h))
    return sorted(found, key=lambda t: (t.x, t.y))


def player_cells(players):
    """The cells (x, y, w, h) of players 1 to n: one row of one to three
    cells, or two rows of two for four players."""
    rows, columns = (2, 2) if players == 4 else (1, players)
    return [(column * 320 // columns, row * 240 // rows, 320 // columns, 240 // rows)
            for row in range(rows) for column in range(columns)]


def targets_of_players(players, min_size=3):
    """A check: a target of min_size or more in every player's cell; gives the
    targets found, one list per player."""

    def check(shot):
        per_player = [find_targets(shot, cell, min_size) for cell in player_cells(players)]
        return per_player if all(per_player) else None

    return check


def full_grown_target(shot):
    """A check: a target at full size; gives that target."""
    grown = [t for t in find_targets(shot) if t.size >= FULL_SIZE - 2]
    return grown[0] if grown else None


def round_winner(players):
    """A check: the winner screen, one player's cell filled white; gives that
    player's number."""

    def check(shot):
        for number, cell in enumerate(player_cells(players), start=1):
            if shot.count(cell, is_white) >= 0.6 * cell[2] * cell[3]:
                return number
        return None

    return check


def message_screen(shot):
    """A challenge message: white lines of text on black (under a red heading
    at most), and no target."""
    lit = shot.count(None, lambda c: not is_black(c))
    white = shot.count((0, 40, 320, 200), is_white)
    red = shot.count((0, 40, 320, 200), is_target_red)
    return 0 < lit < 0.25 * shot.width * shot.height and white > 30 and red == 0


def level_heading(shot):
    """The red "Level n" heading at the top of a level's objective screen."""
    return shot.count((0, 0, 320, 40), lambda c: c[0] > 160 and max(c[1:]) < 80) > 30


def changed(before, after, share=0.01):
    """More than a share of the screen differs between two screenshots."""
    differing = sum(1 for i in range(0, len(before.rgb), 3)
                    if before.rgb[i:i + 3] != after.rgb[i:i + 3])
    return differing > share * before.width * before.height


def press_on(watch, description, check, bound=25.0):
    """Clicks a screen that waits for a press until check holds for what comes
    next. The screen drops presses during its first half second, so a click
    that changed nothing is repeated once a second. The click lands in the top
    left corner, where no menu button, key or target ever is."""
    deadline = time.monotonic() + bound
    while True:
        watch.screen.click(1, 1)
        try:
            return watch.until(description, check, bound=1.0)
        except WaitTimeout:
            if time.monotonic() > deadline:
                raise WaitTimeout("gave up after %.0f s of clicks waiting for %s"
                                  % (bound, description)) from None


def high_score_rows(shot):
    """The lines of the high score list as (top, bottom) pixel rows, found by
    the levels in the first column (right-aligned on x = 40)."""
    rows = []
    for y in range(shot.height):
        if shot.count((0, y, 40, 1), is_white) == 0:
            continue
        if rows and y - rows[-1][1] <= 1:
            rows[-1] = (rows[-1][0], y)
        else:
            rows.append((y, y))
    return rows


def name_width(shot, row):
    """How wide a line's name is drawn; its column starts at x = 146."""
    top, bottom = row
    xs = [x for x, _, c in shot.pixels((146, top, shot.width - 146, bottom - top + 1))
          if is_white(c)]
    return max(xs) - 146 + 1 if xs else 0


def high_score_list(shot, lines=10):
    """The high score list: white text on black with no trace of the menu's
    colours, with a level and a name on each of `lines` lines."""
    coloured = shot.count(None, lambda c: any(test(c) for test in NAMED_COLOURS.values()))
    rows = high_score_rows(shot)
    return coloured < 20 and len(rows) == lines and all(name_width(shot, r) > 0 for r in rows)
