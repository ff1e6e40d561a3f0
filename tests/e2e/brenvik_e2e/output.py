"""What the game writes on standard output and standard error."""

import re

BANNER = "=== BRENVIK 0.2 by Tolvane ==="
LOGGING_DISABLED = "Logging is disabled"
AUDIO_FAILED = "ERROR: Can't initialize audio!"
MIXER_FAILED = "ERROR: Cannot initialize audio mixer"
NO_HIGH_SCORES = "ERROR: can't load high scores!"

_MODE_LINE = re.compile(r"\t\d+ x \d+")


def lines(text):
    """The lines of a complete output: every line ends with a line feed, so the
    text must end with one; a final empty line shows as a last entry ""."""
    if not text.endswith("\n"):
        raise AssertionError("the output does not end with a line feed: %r" % text[-80:])
    return text[:-1].split("\n")


def without_library_noise(text_lines):
    """The game's own lines: the ALSA library writes its complaints about a
    missing sound card straight to standard error, bypassing the game."""
    return [line for line in text_lines if not line.startswith("ALSA lib ")]


def expect_lines(actual, expected, stream):
    if actual != expected:
        raise AssertionError("%s was\n  %s\nexpected\n  %s" % (
            stream, "\n  ".join(map(repr, actual)), "\n  ".join(map(repr, expected))))


def expect_mode_list(stdout_lines, width=320, height=240):
    """The video modes list: a heading, one tab-indented line per mode, one of
    them the screen's own size, and the empty line of the end of the run."""
    mode_lines = stdout_lines[1:-1]
    if (len(stdout_lines) < 3 or stdout_lines[0] != "Available Modes" or stdout_lines[-1] != ""
            or not all(_MODE_LINE.fullmatch(line) for line in mode_lines)
            or "\t%d x %d" % (width, height) not in mode_lines):
        raise AssertionError("standard output is not the list of video modes and one empty "
                             "line:\n  " + "\n  ".join(map(repr, stdout_lines)))
