"""Colour tests for screenshots.

The game draws on a 16-bit screen (5 bits of red and blue, 6 of green), so a
colour comes back from the X server a few steps away from the one in the
picture file; every comparison here allows for that."""

import colorsys

# The largest error 16-bit colour adds to a channel, with room to spare.
SCREEN_TOLERANCE = 12


def close(a, b, tolerance=SCREEN_TOLERANCE):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def is_black(colour, tolerance=24):
    return max(colour) <= tolerance


def is_dark(colour):
    return max(colour) <= 48


def hue_range(low, high, min_saturation=0.35, min_value=0.25):
    """A test for colours whose hue lies from low to high degrees (wrapping
    round 360 when low > high) and that are clearly coloured, not grey."""

    def matches(colour):
        hue, saturation, value = colorsys.rgb_to_hsv(*(channel / 255.0 for channel in colour))
        if saturation < min_saturation or value < min_value:
            return False
        degrees = hue * 360.0
        if low <= high:
            return low <= degrees <= high
        return degrees >= low or degrees <= high

    return matches


GREEN = hue_range(90, 165)
ORANGE = hue_range(12, 45)
BLUE = hue_range(190, 250)
RED = hue_range(340, 10)

NAMED = {"green": GREEN, "orange": ORANGE, "blue": BLUE, "red": RED}
