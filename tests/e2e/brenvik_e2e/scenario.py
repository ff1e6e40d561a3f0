"""A scenario's private X servers, the program it starts, and bounded waits on the screen."""

import os
import select
import shutil
import struct
import subprocess
import sys
import time
from types import SimpleNamespace


def require(condition, message):
    if not condition:
        raise AssertionError(message)


class Shot:  # `xwd -root` of the 320 x 240 x 24 screen: 32-bit pixels, blue byte first
    def __init__(self, data):
        header, stride, colours = (struct.unpack_from(">I", data, at)[0] for at in (0, 48, 76))
        start = header + 12 * colours
        self.rgb = [[(data[at + 2], data[at + 1], data[at]) for at in range(row, row + 1280, 4)]
                    for row in range(start, start + 240 * stride, stride)]

    def points(self, rect, test):  # those of a rectangle (x, y, w, h) whose colour passes test
        return [(x, y) for y in range(rect[1], rect[1] + rect[3])
                for x in range(rect[0], rect[0] + rect[2]) if test(self.rgb[y][x])]


class Scenario:  # also the watch of the program it started last
    def __init__(self, options):
        self.options, self.game_dir = options, os.path.abspath(options.game_dir)
        self.artifacts = os.path.join(os.path.abspath(options.artifacts), options.scenario)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.scratch, self.processes = os.path.join(self.artifacts, "scratch"), []
        os.makedirs(self.scratch)

    def screen(self):  # a new Xvfb on a free display
        read_end, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "320x240x24"],
            pass_fds=[write_end], stderr=open(os.path.join(self.artifacts, "xvfb.log"), "ab")))
        with os.fdopen(read_end) as pipe:  # the number, then a line feed
            return ":" + (pipe.readline().strip() if select.select([pipe], [], [], 20)[0] else "")

    def game_folder(self):  # a copy of the built game's data alone
        for name in ("images", "fonts", "sounds"):
            shutil.copytree(os.path.join(self.game_dir, name), os.path.join(self.scratch, name))
        return self.scratch

    def start(self, display, folder, label="game", command=None, extra_env=None):
        env = {"PATH": os.environ["PATH"], "HOME": folder, "LANG": "C.UTF-8",
               "DISPLAY": display, "SDL_AUDIODRIVER": "dummy", **(extra_env or {})}
        self.out, self.err = (os.path.join(self.artifacts, label + end) for end in (".out", ".err"))
        self.process = subprocess.Popen(command or [os.path.join(self.game_dir, "brenvik")],
                                        cwd=folder, env=env, stdin=subprocess.DEVNULL,
                                        stdout=open(self.out, "wb"), stderr=open(self.err, "wb"))
        self.processes.insert(0, self.process)
        self.display, self.began = display, time.monotonic()
        return self

    def run(self, *command, may_fail=False):
        done = subprocess.run(command, env=dict(os.environ, DISPLAY=self.display),
                              capture_output=True, timeout=20)
        require(may_fail or done.returncode == 0, "%s: %s" % (command[0], done.stderr.decode()))
        return done.stdout

    def click(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def until(self, description, check, press=None):
        """Looks, for 25 s at most, until check(screenshot) gives something true, and gives
        that. A screen that stays as it was is pressed at press, once a second at most."""
        deadline, pressed, before = time.monotonic() + 25, 0, None
        while True:
            data = self.run("xwd", "-root", "-silent")
            open(os.path.join(self.artifacts, "last-screen.xwd"), "wb").write(data)
            if check(Shot(data)):
                print("%5.1f s  %s" % (time.monotonic() - self.began, description))
                return check(Shot(data))
            require(self.process.poll() is None, "the game ended before " + description)
            require(time.monotonic() < deadline, "25 s without " + description)
            if press and data == before and time.monotonic() > pressed + 1:
                self.click(*press)
                pressed = time.monotonic()
            before = data
            time.sleep(0.05)

    def exit_status(self):
        require(self.process.wait(timeout=25) == 0, "exit status %d" % self.process.returncode)


def main(scenarios):  # arguments: SCENARIO GAME_DIR ARTIFACTS_DIR [BUILD_DIR CPACK]
    names = ("scenario", "game_dir", "artifacts", "build_dir", "cpack")
    scenario = Scenario(SimpleNamespace(**dict(zip(names, sys.argv[1:]))))
    print("The output, the X server's log and the last screen go to " + scenario.artifacts)
    try:
        scenarios[scenario.options.scenario](scenario)
    finally:
        for process in scenario.processes:
            process.terminate()
