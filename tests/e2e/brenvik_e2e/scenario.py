"""Commands, a private X server, the program started there, and bounded waits on its screen."""

import os
import select
import shutil
import struct
import subprocess
import time


def require(condition, message):
    if not condition:
        raise AssertionError(message)


def run(command, status=0, timeout=600, **options):  # status None: any status
    done = subprocess.run(command, capture_output=True, text=True, timeout=timeout,
                          stdin=subprocess.DEVNULL, **options)
    require(status in (None, done.returncode), "%s gave status %d:\n%s%s" % (
        " ".join(command), done.returncode, done.stdout, done.stderr))
    return done


class Shot:  # `xwd -root` of the 320 x 240 x 24 screen: 32-bit pixels, blue byte first
    def __init__(self, data):
        header, stride, colours = (struct.unpack_from(">I", data, at)[0] for at in (0, 48, 76))
        start = header + 12 * colours
        self.rgb = [[(data[at + 2], data[at + 1], data[at]) for at in range(row, row + 1280, 4)]
                    for row in range(start, start + 240 * stride, stride)]

    def points(self, rect, test):  # those of a rectangle (x, y, w, h) whose colour passes test
        return [(x, y) for y in range(rect[1], rect[1] + rect[3])
                for x in range(rect[0], rect[0] + rect[2]) if test(self.rgb[y][x])]


class Scenario:  # also the watch of the program it started
    def __init__(self, name, game_dir, artifacts, build_dir=None, cpack=None):
        self.name, self.build_dir, self.cpack = name, build_dir, cpack
        self.game_dir = os.path.abspath(game_dir)
        self.artifacts = os.path.join(os.path.abspath(artifacts), name)
        self.scratch, self.processes = os.path.join(self.artifacts, "scratch"), []
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.scratch)

    def start(self, command, home):  # in home, on a new Xvfb at a free display
        read_end, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "320x240x24"],
            pass_fds=[write_end], stderr=open(os.path.join(self.artifacts, "xvfb.log"), "wb")))
        with os.fdopen(read_end) as pipe:  # the number, then a line feed
            require(select.select([pipe], [], [], 20)[0], "no X server in 20 s, see xvfb.log")
            self.display = ":" + pipe.readline().strip()
        self.out, self.err = (self.artifacts + "/game" + end for end in (".out", ".err"))
        self.process = subprocess.Popen(command, cwd=home, env={
            "PATH": os.environ["PATH"], "HOME": home, "LANG": "C.UTF-8", "DISPLAY": self.display,
            "SDL_AUDIODRIVER": "dummy"}, stdin=subprocess.DEVNULL,
            stdout=open(self.out, "wb"), stderr=open(self.err, "wb"))
        self.processes.insert(0, self.process)
        self.began = time.monotonic()
        return self

    def run(self, *command, status=0):  # on this scenario's screen; gives what it printed
        return run(command, status, 20, env=dict(os.environ, DISPLAY=self.display)).stdout

    def click(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def until(self, description, check, press=None):
        """Looks, for 25 s at most, until check(screenshot) gives something true, and gives
        that. A screen that stays as it was is pressed at press, once a second at most."""
        deadline, pressed, before = time.monotonic() + 25, 0, None
        screen = os.path.join(self.artifacts, "last-screen.xwd")
        while True:
            self.run("xwd", "-root", "-silent", "-out", screen)
            data = open(screen, "rb").read()
            if found := check(Shot(data)):
                print("%5.1f s  %s" % (time.monotonic() - self.began, description))
                return found
            require(self.process.poll() is None, "the game ended before " + description)
            require(time.monotonic() < deadline, "25 s without " + description)
            if press and data == before and time.monotonic() > pressed + 1:
                self.click(*press)
                pressed = time.monotonic()
            before = data
            time.sleep(0.05)
