"""Running one scenario: its scratch folders, screens and games, and the
evidence kept when it fails. Exit status: 0 passed, 1 failed."""

import argparse
import os
import shutil
import sys
import tempfile
import time
import traceback

from .game import GameRun, Watcher, fresh_game_folder
from .xserver import VirtualScreen


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
            watcher.game.stop()
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
