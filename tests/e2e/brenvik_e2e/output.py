"""What the game writes: its lines on standard output and standard error, and
"high.dat", three lines a record (levels passed, total score, name), each
ending with one line feed, best record first."""

import os
import re

BANNER = "=== BRENVIK 0.2 by Tolvane ==="
LOGGING_DISABLED = "Logging is disabled"
AUDIO_FAILED = "ERROR: Can't initialize audio!"
MIXER_FAILED = "ERROR: Cannot initialize audio mixer"
NO_HIGH_SCORES = "ERROR: can't load high scores!"


def lines(text):
    """The lines of a complete output, which must end with a line feed; a
    final empty line shows as a last entry ""."""
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


def expect_mode_list(stdout_lines):
    """The video modes list: a heading, one tab-indented line per mode, one of
    them the screen's own size, and the empty line of the end of the run."""
    modes = stdout_lines[1:-1]
    if (len(stdout_lines) < 3 or stdout_lines[0] != "Available Modes" or stdout_lines[-1] != ""
            or not all(re.fullmatch(r"\t\d+ x \d+", line) for line in modes)
            or "\t320 x 240" not in modes):
        raise AssertionError("standard output is not the list of video modes and one empty "
                             "line:\n  " + "\n  ".join(map(repr, stdout_lines)))


def write_high_dat(folder, records):
    """records: (level, score, name) tuples, in the order to write them."""
    with open(os.path.join(folder, "high.dat"), "wb") as out:
        out.write("".join("%d\n%d\n%s\n" % record for record in records).encode("latin-1"))


def read_high_dat(folder):
    """The records of a folder's "high.dat" as (level, score, name) tuples;
    fails on anything that is not exactly the file's format."""
    with open(os.path.join(folder, "high.dat"), "rb") as source:
        data = source.read().decode("latin-1")
    text_lines = data[:-1].split("\n") if data else []
    if (data and not data.endswith("\n")) or len(text_lines) % 3 != 0 or not all(
            line.lstrip("-").isdigit() for line in text_lines[0::3] + text_lines[1::3]):
        raise AssertionError("high.dat is not whole records of a level, a score and a name, "
                             "each line ended by a line feed: %r" % data[-200:])
    return [(int(text_lines[at]), int(text_lines[at + 1]), text_lines[at + 2])
            for at in range(0, len(text_lines), 3)]
