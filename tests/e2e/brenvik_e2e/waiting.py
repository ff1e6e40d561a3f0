"""Waiting on what the screen shows, never for a fixed time.

Every wait has a bound. It is generous, because a loaded two-core machine can
be slow to start an X server and a game, and a wait ends as soon as its
condition holds, so a generous bound costs nothing when all goes well."""

import os
import re
import time

from .game import GameEndedEarly, describe_status

DEFAULT_BOUND = 25.0
POLL_INTERVAL = 0.05


class WaitTimeout(AssertionError):
    pass


class Watcher:
    """Takes screenshots of one screen while one game runs on it, and keeps
    the last one, which the scenario saves when it fails."""

    def __init__(self, screen, game=None, log=print, keep_dir=None, label="game"):
        self.screen = screen
        self.game = game
        self.log = log
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
                self._note("saw " + description)
                self._keep(description)
                return result
            status = self.game.status() if self.game is not None else None
            if status is not None:
                raise GameEndedEarly("the game ended (%s) while waiting for %s"
                                     % (describe_status(status), description))
            if time.monotonic() > deadline:
                raise WaitTimeout("gave up after %.0f s waiting for %s" % (bound, description))
            time.sleep(POLL_INTERVAL)

    def exit_status(self, bound=DEFAULT_BOUND):
        """Waits for the game to end and returns its exit status."""
        status = self.game.wait_exit(bound)
        self._note("the game ended with " + describe_status(status))
        return status

    def _keep(self, description):
        """Saves what each wait saw, when asked to, so a person can look."""
        if self.keep_dir is None:
            return
        self.kept += 1
        name = re.sub(r"[^a-z0-9]+", "-", description.lower()).strip("-")[:60]
        self.last_screenshot.save_png(os.path.join(
            self.keep_dir, "%s-%02d-%s.png" % (self.label, self.kept, name)))

    def _note(self, text):
        if self.game is not None and self.game.started_at is not None:
            self.log("  %5.1f s  %s" % (self.game.seconds(), text))
        else:
            self.log("  %s" % text)
