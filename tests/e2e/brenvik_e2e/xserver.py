"""A private X server the size of the game's screen, with a real pointer.

Xvfb picks a free display number itself (-displayfd), so several scenarios can
run side by side. Screenshots come from xwd, pointer moves and clicks from
xdotool (XTEST), so the game sees the same events a player's mouse makes."""

import os
import re
import select
import subprocess
import time

from . import pictures
from .processes import spawn, stop

WIDTH = 320
HEIGHT = 240
TOOL_TIMEOUT = 20.0


class XServerError(RuntimeError):
    pass


class VirtualScreen:
    def __init__(self, log_path, start_timeout=20.0):
        self.log_path = log_path
        self.start_timeout = start_timeout
        self.process = None
        self.display = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self):
        read_end, write_end = os.pipe()
        with open(self.log_path, "wb") as log:
            self.process = spawn(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 "%dx%dx24" % (WIDTH, HEIGHT), "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        os.close(write_end)
        try:
            number = self._read_display_number(read_end)
        finally:
            os.close(read_end)
        self.display = ":%s" % number

    def _read_display_number(self, read_end):
        deadline = time.monotonic() + self.start_timeout
        text = b""
        while not text.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or self.process.poll() is not None:
                self.stop()
                raise XServerError("Xvfb did not start (see %s)" % self.log_path)
            ready, _, _ = select.select([read_end], [], [], left)
            if ready:
                chunk = os.read(read_end, 64)
                if not chunk:
                    continue
                text += chunk
        return int(text.strip())

    def stop(self):
        stop(self.process)

    def environment(self):
        return {"DISPLAY": self.display}

    def _tool(self, command):
        env = dict(os.environ, DISPLAY=self.display)
        try:
            done = subprocess.run(command, env=env, stdin=subprocess.DEVNULL, capture_output=True,
                                  timeout=TOOL_TIMEOUT)
        except subprocess.TimeoutExpired as error:
            raise XServerError("%s did not finish in %.0f s"
                               % (command[0], TOOL_TIMEOUT)) from error
        if done.returncode != 0:
            raise XServerError("%s failed: %s" % (" ".join(command),
                                                  done.stderr.decode(errors="replace").strip()))
        return done.stdout

    def screenshot(self):
        """What the screen shows now, as a Picture of 320 x 240."""
        return pictures.from_xwd(self._tool(["xwd", "-root", "-silent"]))

    @staticmethod
    def _point_at(x, y):
        """xdotool steps that put the pointer at (x, y) for the game.

        An absolute move, as a touch screen or a tablet makes: the game keeps
        a visible (if transparent) cursor, so SDL reports the pointer where it
        really is rather than in relative steps."""
        return ["mousemove", str(x), str(y)]

    def click(self, x, y, button=1, repeat=1):
        """Puts the pointer at (x, y) and presses and releases a button there."""
        command = ["xdotool"] + self._point_at(x, y) + ["click"]
        if repeat > 1:
            command += ["--repeat", str(repeat), "--delay", "60"]
        self._tool(command + [str(button)])

    def press(self, x, y, button=1):
        self._tool(["xdotool"] + self._point_at(x, y) + ["mousedown", str(button)])

    def release(self, x, y, button=1):
        self._tool(["xdotool"] + self._point_at(x, y) + ["mouseup", str(button)])

    def windows_titled(self, title):
        """Ids of the windows whose title is exactly `title`."""
        env = dict(os.environ, DISPLAY=self.display)
        # Searching matches patterns without regard to case: compare exactly after.
        found = subprocess.run(["xdotool", "search", "--name", re.escape(title)], env=env,
                               stdin=subprocess.DEVNULL, capture_output=True, timeout=TOOL_TIMEOUT)
        windows = []
        for window in found.stdout.split():
            try:
                if self.window_title(window) == title:
                    windows.append(int(window))
            except XServerError:
                pass  # gone between the search and the question
        return windows

    def window_title(self, window):
        return self._tool(["xdotool", "getwindowname", str(int(window))]).decode().rstrip("\n")

    def window_geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        values = {}
        for line in self._tool(["xdotool", "getwindowgeometry", "--shell", str(window)]).split():
            key, _, value = line.decode().partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def window_icon_size(self, window):
        """The size of the first icon a window offers (_NET_WM_ICON), or None."""
        env = dict(os.environ, DISPLAY=self.display)
        found = subprocess.run(["xprop", "-id", str(window), "-f", "_NET_WM_ICON", "32c",
                                "=$0,$1", "_NET_WM_ICON"], env=env, stdin=subprocess.DEVNULL,
                               capture_output=True, timeout=TOOL_TIMEOUT)
        _, _, values = found.stdout.decode().partition("=")
        numbers = values.strip().split(",")
        if len(numbers) != 2 or not all(number.isdigit() for number in numbers):
            return None
        return int(numbers[0]), int(numbers[1])
