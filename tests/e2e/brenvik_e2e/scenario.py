"""Running one scenario: its scratch folders, screens and games, the evidence
kept when it fails, and the exit status the test driver reads.

Exit status: 0 passed, 1 failed, 77 skipped (a scenario still pending, or one
that needs screens the game does not have yet)."""

import argparse
import os
import shutil
import sys
import tempfile
import time
import traceback

from .features import Features
from .game import GameRun, fresh_game_folder
from .waiting import Watcher
from .xserver import VirtualScreen

SKIPPED = 77


class Pending(Exception):
    """The scenario cannot run yet; the message says why."""


class Scenario:
    def __init__(self, name, options):
        self.name = name
        self.options = options
        self.game_dir = os.path.abspath(options.game_dir)
        self.executable = os.path.join(self.game_dir, "brenvik")
        self.features = Features(self.executable)
        self.artifacts = os.path.join(os.path.abspath(options.artifacts), name)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts)
        self.scratch = tempfile.mkdtemp(prefix="brenvik-e2e-%s-" % name)
        self._screens = []
        self._games = []
        self._watchers = []

    def requires(self, *screens):
        missing = self.features.missing(screens)
        if missing:
            raise Pending("the game has no %s yet" % " and no ".join(missing))

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
        self._games.append(game)
        game.start()
        keep_dir = self.artifacts if self.options.keep_screenshots else None
        watcher = Watcher(screen, game, keep_dir=keep_dir, label=label)
        self._watchers.append(watcher)
        print("%s: started %s in %s" % (label, " ".join(game.command), folder))
        return watcher

    def show_outputs(self, last_lines=40):
        for game in self._games:
            for stream, text in (("standard output", game.stdout()),
                                 ("standard error", game.stderr())):
                tail = text.splitlines()[-last_lines:]
                print("--- %s of %s (last %d lines) ---" % (stream, game.name, len(tail)))
                for line in tail:
                    print("    " + line)

    def save_evidence(self):
        saved = []
        for watcher in self._watchers:
            if watcher.last_screenshot is not None:
                path = os.path.join(self.artifacts, "%s-last-screen.png" % watcher.label)
                watcher.last_screenshot.save_png(path)
                saved.append(path)
        return saved

    def close(self):
        for game in self._games:
            game.stop()
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
    parser.add_argument("--run-pending", action="store_true",
                        help="also run a scenario that is still marked pending")
    options = parser.parse_args(argv)

    play, pending_reason = scenarios[options.scenario]
    began = time.monotonic()
    scenario = Scenario(options.scenario, options)
    try:
        if pending_reason and not options.run_pending:
            raise Pending(pending_reason)
        play(scenario)
    except Pending as reason:
        print("SKIPPED %s (pending): %s" % (options.scenario, reason))
        return SKIPPED
    except Exception:  # every failure, assertion or not, is reported the same way
        traceback.print_exc(file=sys.stdout)
        scenario.show_outputs()
        print("FAILED %s after %.1f s" % (options.scenario, time.monotonic() - began))
        for path in scenario.save_evidence():
            print("last screenshot: %s" % path)
        print("game output and X server logs: %s" % scenario.artifacts)
        return 1
    finally:
        scenario.close()
    print("PASSED %s in %.1f s" % (options.scenario, time.monotonic() - began))
    return 0
