"""Running one scenario: its scratch folders, X servers and games, waits on
what the screen shows, and the evidence kept when it fails. No wait is for a
fixed time and every wait has a bound, generous because a loaded two-core
machine can be slow to start an X server and a game; a wait ends as soon as
its condition holds. Exit status of the runner: 0 passed, 1 failed."""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

from .xserver import VirtualScreen, spawn, stop

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

    def request_quit(self):
        """The desktop's polite quit request: SDL turns SIGTERM into a quit event."""
        self.process.send_signal(signal.SIGTERM)

    def stdout(self):
        return _read_text(self.stdout_path)

    def stderr(self):
        return _read_text(self.stderr_path)


def _read_text(path):
    with open(path, "rb") as source:
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
            status = self.game.process.poll()
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


def require(condition, message):
    if not condition:
        raise AssertionError(message)


class Scenario:
    def __init__(self, name, options):
        self.name = name
        self.options = options
        self.game_dir = os.path.abspath(options.game_dir)
        self.executable = os.path.join(self.game_dir, "brenvik")
        self.artifacts = os.path.join(os.path.abspath(options.artifacts), name)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts)
        self.scratch = tempfile.mkdtemp(prefix="brenvik-e2e-%s-" % name)
        self._screens = []
        self._watchers = []

    def screen(self):
        """A new X server of its own, stopped when the scenario ends."""
        screen = VirtualScreen(os.path.join(self.artifacts, "xvfb-%d.log" % len(self._screens)))
        self._screens.append(screen)
        screen.start()
        return screen

    def game_folder(self, label):
        """A fresh copy of the built game's data, with no "high.dat"."""
        return fresh_game_folder(self.game_dir, os.path.join(self.scratch, label))

    def start(self, screen, folder, label="game", command=None, audio="dummy", extra_env=None):
        """Starts the game (or another command) in folder on screen; returns a
        Watcher of that screen bound to the run."""
        game = GameRun(command or [self.executable], folder, screen, self.artifacts, name=label,
                       audio=audio, extra_env=extra_env)
        keep_dir = self.artifacts if self.options.keep_screenshots else None
        self._watchers.append(Watcher(screen, game, keep_dir=keep_dir, label=label))
        print("%s: started %s in %s" % (label, " ".join(game.command), folder))
        return self._watchers[-1]

    def report_failure(self, last_lines=40):
        for watcher in self._watchers:
            for stream, text in (("standard output", watcher.game.stdout()),
                                 ("standard error", watcher.game.stderr())):
                tail = text.splitlines()[-last_lines:]
                print("--- %s of %s (last %d lines) ---" % (stream, watcher.label, len(tail)))
                print("".join("    %s\n" % line for line in tail), end="")
            if watcher.last_screenshot is not None:
                path = os.path.join(self.artifacts, "%s-last-screen.png" % watcher.label)
                watcher.last_screenshot.save_png(path)
                print("last screenshot: %s" % path)
        print("game output and X server logs: %s" % self.artifacts)

    def close(self):
        for watcher in self._watchers:
            stop(watcher.game.process)
        for screen in self._screens:
            screen.stop()
        shutil.rmtree(self.scratch, ignore_errors=True)


def main(scenarios, argv=None):
    """Command line of the scenario runner: run_scenario.py [options] NAME."""
    parser = argparse.ArgumentParser(description="Plays one end-to-end scenario of Brenvik.")
    parser.add_argument("scenario", choices=sorted(scenarios))
    parser.add_argument("--game-dir", required=True, help="the built game folder")
    parser.add_argument("--build-dir", help="the CMake build folder (for the package)")
    parser.add_argument("--cpack", default="cpack", help="the cpack program")
    parser.add_argument("--artifacts", required=True, help="where failures leave evidence")
    parser.add_argument("--keep-screenshots", action="store_true",
                        help="save what every wait saw beside the failure evidence")
    options = parser.parse_args(argv)

    began = time.monotonic()
    scenario = Scenario(options.scenario, options)
    try:
        scenarios[options.scenario](scenario)
    except Exception:  # every failure, assertion or not, is reported the same way
        traceback.print_exc(file=sys.stdout)
        print("FAILED %s after %.1f s" % (options.scenario, time.monotonic() - began))
        scenario.report_failure()
        return 1
    finally:
        scenario.close()
    print("PASSED %s in %.1f s" % (options.scenario, time.monotonic() - began))
    return 0
