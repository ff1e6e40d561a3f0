from .scenario import require

BANNER = "=== BRENVIK 0.2 by Tolvane ==="
LOGGING_DISABLED = "Logging is disabled"
NO_HIGH_SCORES = "ERROR: can't load high scores!"


def lines(text):
    require(text.endswith("\n"), "the output does not end with a line feed: %r" % text[-80:])
    return text[:-1].split("\n")


def expect_lines(actual, expected, stream):
    require(actual == expected, "%s was %r, not %r" % (stream, actual, expected))
