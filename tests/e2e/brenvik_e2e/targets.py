"""Finding the growing targets in a screenshot of a game.

A target is a round red-and-white picture, 60 x 60 at full size, that grows
from nothing in one and a half seconds. Its outer rings (a dark red rim and a
red band) enclose all of it, so the box around each group of red pixels that
no bigger group encloses is one target. This works on the black screen of
the games without a distraction; the red distraction pictures would hide the
targets from it."""

from collections import namedtuple

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
    width = right - left
    red = bytearray(width * (bottom - top))
    for x, y, colour in shot.pixels((left, top, width, bottom - top)):
        if is_target_red(colour):
            red[(y - top) * width + (x - left)] = 1
    # Biggest first, so that a box is dropped when a kept one encloses it.
    boxes = sorted(_component_boxes(red, width, bottom - top), key=_area, reverse=True)
    outer = []
    for box in boxes:
        if not any(_encloses(kept, box) for kept in outer):
            outer.append(box)
    found = []
    for x0, y0, x1, y1 in outer:
        w, h = x1 - x0 + 1, y1 - y0 + 1
        # Round: as wide as high, give or take the pixel that scaling rounds off.
        if max(w, h) >= min_size and abs(w - h) <= max(2, max(w, h) // 10):
            found.append(Target(left + x0, top + y0, w, h))
    return sorted(found, key=lambda t: (t.x, t.y))


def _component_boxes(mask, width, height):
    """Bounding boxes (x0, y0, x1, y1) of the 8-connected groups of set cells."""
    seen = bytearray(len(mask))
    boxes = []
    for start in range(len(mask)):
        if not mask[start] or seen[start]:
            continue
        seen[start] = 1
        stack = [start]
        x0 = x1 = start % width
        y0 = y1 = start // width
        while stack:
            at = stack.pop()
            x, y = at % width, at // width
            x0, x1, y0, y1 = min(x0, x), max(x1, x), min(y0, y), max(y1, y)
            for dy in (-1, 0, 1):
                ny = y + dy
                if not 0 <= ny < height:
                    continue
                for dx in (-1, 0, 1):
                    nx = x + dx
                    if 0 <= nx < width:
                        near = ny * width + nx
                        if mask[near] and not seen[near]:
                            seen[near] = 1
                            stack.append(near)
        boxes.append((x0, y0, x1, y1))
    return boxes


def _area(box):
    return (box[2] - box[0] + 1) * (box[3] - box[1] + 1)


def _encloses(outer, inner):
    return (outer[0] <= inner[0] and outer[1] <= inner[1] and outer[2] >= inner[2]
            and outer[3] >= inner[3])


def player_cells(players):
    """The screen's cells (x, y, w, h) of players 1 to n, in player order: one
    row of one to three cells, or two rows of two for four players."""
    rows, columns = (2, 2) if players == 4 else (1, players)
    cells = []
    for row in range(rows):
        for column in range(columns):
            x, y = column * 320 // columns, row * 240 // rows
            cells.append((x, y, 320 // columns, 240 // rows))
    return cells


def targets_of_players(players, min_size=3):
    """A check: every player's cell shows at least one target of min_size or
    more; gives the targets found, one list per player."""

    def check(shot):
        per_player = [find_targets(shot, cell, min_size) for cell in player_cells(players)]
        return per_player if all(per_player) else None

    return check


def full_grown_target(area=None):
    """A check: a target at full size; gives that target."""

    def check(shot):
        grown = [t for t in find_targets(shot, area) if t.size >= FULL_SIZE - 2]
        return grown[0] if grown else None

    return check
