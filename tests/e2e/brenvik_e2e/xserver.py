"""A private X server the size of the game's screen, with a real pointer.

Xvfb picks a free display number itself (-displayfd), so several scenarios can
run side by side. Screenshots come from xwd, pointer moves and clicks from
xdotool (XTEST), so the game sees the same events a player's mouse makes.
Children cannot outlive the test run: each is sent SIGTERM when the runner
dies, however it dies (a test driver's time-out kills it without cleanup)."""

import ctypes
import os
import re
import select
import signal
import subprocess
import time

from . import pictures

WIDTH = 320
HEIGHT = 240
TOOL_TIMEOUT = 20.0


def spawn(command, **options):
    """subprocess.Popen of a child that dies with this process."""

    def stop_with_parent():
        ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG

    return subprocess.Popen(command, preexec_fn=stop_with_parent, **options)


def stop(process, grace=5.0):
    """Ends a child: a polite SIGTERM first, SIGKILL if it does not listen."""
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class XServerError(RuntimeError):
    pass


class VirtualScreen:
    def __init__(self, log_path, start_timeout=20.0):
        self.log_path = log_path
        self.start_timeout = start_timeout
        self.process = None
        self.display = None

    def start(self):
        read_end, write_end = os.pipe()
        with open(self.log_path, "wb") as log:
            self.process = spawn(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 "%dx%dx24" % (WIDTH, HEIGHT), "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        os.close(write_end)
        try:
            deadline = time.monotonic() + self.start_timeout
            text = b""
            while not text.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or self.process.poll() is not None:
                    self.stop()
                    raise XServerError("Xvfb did not start (see %s)" % self.log_path)
                if select.select([read_end], [], [], left)[0]:
                    text += os.read(read_end, 64)
        finally:
            os.close(read_end)
        self.display = ":%d" % int(text.strip())

    def stop(self):
        stop(self.process)

    def _run(self, command):
        return subprocess.run(command, env=dict(os.environ, DISPLAY=self.display),
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=TOOL_TIMEOUT)

    def _tool(self, command):
        try:
            done = self._run(command)
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

    def click(self, x, y, button=1):
        """Puts the pointer at (x, y) and presses and releases a button there.

        An absolute move, as a touch screen or a tablet makes: the game keeps
        a visible (if transparent) cursor, so SDL reports the pointer where it
        really is rather than in relative steps."""
        self._tool(["xdotool", "mousemove", str(x), str(y), "click", str(button)])

    def windows_titled(self, title):
        """The windows whose title is exactly `title` (xdotool's search ignores
        case), each as its place and size (x, y, w, h) and the size of the
        first icon it offers (_NET_WM_ICON) as text, "32,32" say."""
        found = []
        for window in self._run(["xdotool", "search", "--name", re.escape(title)]).stdout.split():
            window = window.decode()
            try:
                if self._tool(["xdotool", "getwindowname", window]).decode() != title + "\n":
                    continue
                shell = dict(line.decode().partition("=")[::2] for line in self._tool(
                    ["xdotool", "getwindowgeometry", "--shell", window]).split())
                icon = self._run(["xprop", "-id", window, "-f", "_NET_WM_ICON", "32c", "=$0,$1",
                                  "_NET_WM_ICON"]).stdout.decode().partition("=")[2].strip()
                found.append((tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")), icon))
            except XServerError:
                pass  # gone since the search: SDL replaces its window as it sets the video mode
        return found
