"""Starting the real game: a fresh game folder for each run, the process with
its standard output and error kept in files, and the ways a run ends."""

import os
import shutil
import signal
import subprocess
import time

from .processes import spawn, stop

# What the game reads from its folder. Anything else there ("high.dat" from an
# earlier game, say) stays behind, so every run starts from a clean folder.
DATA_FOLDERS = ("images", "fonts", "sounds")


def fresh_game_folder(source, destination):
    """Copies the game's data into a new folder and returns its path."""
    os.makedirs(destination)
    for folder in DATA_FOLDERS:
        shutil.copytree(os.path.join(source, folder), os.path.join(destination, folder))
    return destination


def describe_status(status):
    if status is None:
        return "still running"
    if status < 0:
        return "killed by signal %s" % signal.Signals(-status).name
    return "exit status %d" % status


class GameEndedEarly(AssertionError):
    pass


class GameRun:
    """One start of a program (the game, or the packaged launcher) on a screen.

    The environment is built from scratch: only what the run names reaches the
    game, so nothing of the machine's own desktop settings leaks in."""

    def __init__(self, command, folder, screen, output_dir, name="game", audio="dummy",
                 extra_env=None):
        self.command = command
        self.name = name
        self.folder = folder
        self.screen = screen
        self.stdout_path = os.path.join(output_dir, name + ".stdout.txt")
        self.stderr_path = os.path.join(output_dir, name + ".stderr.txt")
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": folder,
            "LANG": "C.UTF-8",
        }
        if screen is not None:
            self.env.update(screen.environment())
        if audio is not None:
            self.env["SDL_AUDIODRIVER"] = audio
        self.env.update(extra_env or {})
        self.process = None
        self.started_at = None

    def start(self):
        with open(self.stdout_path, "wb") as out, open(self.stderr_path, "wb") as err:
            self.process = spawn(self.command, cwd=self.folder, env=self.env,
                                 stdin=subprocess.DEVNULL, stdout=out, stderr=err)
        self.started_at = time.monotonic()
        return self

    def status(self):
        """The exit status once the program has ended, else None."""
        return self.process.poll()

    def seconds(self):
        return time.monotonic() - self.started_at

    def request_quit(self):
        """The desktop's polite quit request: SDL turns SIGTERM into a quit event."""
        self.process.send_signal(signal.SIGTERM)

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the game was still running %.0f s after it was asked to end"
                                 % timeout) from None

    def stop(self):
        stop(self.process)

    def stdout(self):
        return _read_text(self.stdout_path)

    def stderr(self):
        return _read_text(self.stderr_path)


def _read_text(path):
    with open(path, "rb") as source:
        return source.read().decode("utf-8", errors="replace")
