"""Starting the real game in a fresh folder, and waiting on what the screen
shows, never for a fixed time. Every wait has a bound, generous because a
loaded two-core machine can be slow to start an X server and a game; a wait
ends as soon as its condition holds, so the bound costs nothing when all is well."""

import os
import re
import shutil
import signal
import subprocess
import time

from .xserver import spawn, stop

DEFAULT_BOUND = 25.0


def fresh_game_folder(source, destination):
    """A copy of the game's data alone: "high.dat" from an earlier game stays behind."""
    os.makedirs(destination)
    for folder in ("images", "fonts", "sounds"):
        shutil.copytree(os.path.join(source, folder), os.path.join(destination, folder))
    return destination


def describe_status(status):
    if status is None:
        return "still running"
    if status < 0:
        return "killed by signal %s" % signal.Signals(-status).name
    return "exit status %d" % status


class WaitTimeout(AssertionError):
    pass


class GameRun:
    """One start of a program (the game, or the packaged launcher) on a screen,
    its output kept in files. Only what the run names reaches its environment,
    so nothing of the machine's own desktop settings leaks in."""

    def __init__(self, command, folder, screen, output_dir, name="game", audio="dummy",
                 extra_env=None):
        self.command = command
        self.name = name
        self.folder = folder
        self.stdout_path = os.path.join(output_dir, name + ".stdout.txt")
        self.stderr_path = os.path.join(output_dir, name + ".stderr.txt")
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": folder,
                    "LANG": "C.UTF-8", "DISPLAY": screen.display}
        if audio is not None:
            self.env["SDL_AUDIODRIVER"] = audio
        self.env.update(extra_env or {})
        with open(self.stdout_path, "wb") as out, open(self.stderr_path, "wb") as err:
            self.process = spawn(self.command, cwd=self.folder, env=self.env,
                                 stdin=subprocess.DEVNULL, stdout=out, stderr=err)
        self.started_at = time.monotonic()

    def status(self):
        """The exit status once the program has ended, else None."""
        return self.process.poll()

    def request_quit(self):
        """The desktop's polite quit request: SDL turns SIGTERM into a quit event."""
        self.process.send_signal(signal.SIGTERM)

    def stop(self):
        stop(self.process)

    def stdout(self):
        with open(self.stdout_path, "rb") as source:
            return source.read().decode("utf-8", errors="replace")

    def stderr(self):
        with open(self.stderr_path, "rb") as source:
            return source.read().decode("utf-8", errors="replace")


class Watcher:
    """Takes screenshots of one screen while one game runs on it, and keeps
    the last one, which the scenario saves when it fails; with keep_dir, every
    wait's, for a person to look at."""

    def __init__(self, screen, game, keep_dir=None, label="game"):
        self.screen = screen
        self.game = game
        self.label = label
        self.keep_dir = keep_dir
        self.kept = 0
        self.last_screenshot = None

    def look(self):
        self.last_screenshot = self.screen.screenshot()
        return self.last_screenshot

    def until(self, description, check, bound=DEFAULT_BOUND):
        """Looks at the screen until check(screenshot) gives something true, and
        returns that. Fails when the game ends meanwhile or the bound runs out."""
        deadline = time.monotonic() + bound
        while True:
            result = check(self.look())
            if result:
                print("  %5.1f s  saw %s" % (time.monotonic() - self.game.started_at, description))
                if self.keep_dir is not None:
                    self.kept += 1
                    name = re.sub(r"[^a-z0-9]+", "-", description.lower()).strip("-")[:60]
                    self.last_screenshot.save_png(os.path.join(
                        self.keep_dir, "%s-%02d-%s.png" % (self.label, self.kept, name)))
                return result
            status = self.game.status()
            if status is not None:
                raise AssertionError("the game ended (%s) while waiting for %s"
                                     % (describe_status(status), description))
            if time.monotonic() > deadline:
                raise WaitTimeout("gave up after %.0f s waiting for %s" % (bound, description))
            time.sleep(0.05)

    def exit_status(self, bound=DEFAULT_BOUND):
        """Waits for the game to end and checks it ended with status 0."""
        try:
            status = self.game.process.wait(timeout=bound)
        except subprocess.TimeoutExpired:
            raise AssertionError("the game was still running %.0f s after it was asked to end"
                                 % bound) from None
        if status != 0:
            raise AssertionError("the game ended with %s, not status 0" % describe_status(status))
