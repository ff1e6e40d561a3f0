"""The high score file "high.dat": three lines a record (levels passed, total
score, name), each ending with one line feed, best record first."""

import os

FILE_NAME = "high.dat"


def write_high_dat(folder, records):
    """records: (level, score, name) tuples, in the order to write them."""
    text = "".join("%d\n%d\n%s\n" % (level, score, name) for level, score, name in records)
    with open(os.path.join(folder, FILE_NAME), "wb") as out:
        out.write(text.encode("latin-1"))


def read_high_dat(folder):
    """The records of a folder's "high.dat" as (level, score, name) tuples;
    fails on anything that is not exactly the file's format."""
    with open(os.path.join(folder, FILE_NAME), "rb") as source:
        data = source.read().decode("latin-1")
    if data and not data.endswith("\n"):
        raise AssertionError("high.dat does not end with a line feed: %r" % data[-40:])
    text_lines = data[:-1].split("\n") if data else []
    if len(text_lines) % 3 != 0:
        raise AssertionError("high.dat has %d lines, not whole records of three" % len(text_lines))
    records = []
    for at in range(0, len(text_lines), 3):
        level, score, name = text_lines[at:at + 3]
        for field, value in (("level", level), ("score", score)):
            if not value.lstrip("-").isdigit():
                raise AssertionError("high.dat record %d has the %s %r"
                                     % (at // 3 + 1, field, value))
        records.append((int(level), int(score), name))
    return records
