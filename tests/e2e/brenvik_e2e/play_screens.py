"""The screens around a game: the winner of a round, the challenge's message
screens, and the high score list; and going on from a screen that waits
for a press."""

import time

from . import colours
from .targets import is_target_red, player_cells
from .waiting import WaitTimeout

# A waiting screen ignores presses for its first half second.
PRESS_RETRY = 1.0


def _is_white(colour):
    return min(colour) >= 200


def round_winner(players):
    """A check: the winner screen, one player's cell filled white; gives that
    player's number."""

    def check(shot):
        for number, cell in enumerate(player_cells(players), start=1):
            if shot.count(cell, _is_white) >= 0.6 * cell[2] * cell[3]:
                return number
        return None

    return check


def message_screen(shot):
    """A challenge message: white lines of text on black (under a red heading
    at most), and no target."""
    lit = shot.count(None, lambda c: not colours.is_black(c))
    white = shot.count((0, 40, 320, 200), _is_white)
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


def press_on(watch, description, check, at=(1, 1), bound=25.0):
    """Clicks a screen that waits for a press until check holds for what comes
    next. The screen drops presses during its first half second, so a click
    that changed nothing is repeated once a second; the whole is bounded.

    The click lands in the top left corner, where no menu button, key or
    target ever is, so a repeated click that reaches the next screen does
    nothing there but a missed shot."""
    deadline = time.monotonic() + bound
    while True:
        watch.screen.click(*at)
        try:
            return watch.until(description, check, bound=PRESS_RETRY)
        except WaitTimeout:
            if time.monotonic() > deadline:
                raise WaitTimeout("gave up after %.0f s of clicks waiting for %s"
                                  % (bound, description)) from None


def high_score_list(lines=10):
    """A check: the high score list, white text on black with no trace of the
    menu's colours, with a level and a name on each of `lines` lines."""

    def check(shot):
        coloured = shot.count(None, lambda c: any(test(c) for test in colours.NAMED.values()))
        rows = high_score_rows(shot)
        return (coloured < 20 and len(rows) == lines
                and all(name_width(shot, row) > 0 for row in rows))

    return check


def high_score_rows(shot):
    """The lines of the high score list as (top, bottom) pixel rows, found by
    the levels in the first column (right-aligned on x = 40)."""
    rows = []
    for y in range(shot.height):
        if shot.count((0, y, 40, 1), _is_white) == 0:
            continue
        if rows and y - rows[-1][1] <= 1:
            rows[-1] = (rows[-1][0], y)
        else:
            rows.append((y, y))
    return rows


def name_width(shot, row):
    """How wide the name on a line of the high score list is drawn, in pixels
    (its column starts at x = 146)."""
    top, bottom = row
    area = (146, top, shot.width - 146, bottom - top + 1)
    xs = [x for x, _, c in shot.pixels(area) if _is_white(c)]
    return max(xs) - 146 + 1 if xs else 0
