"""The Debian package and its launcher.

package: cpack builds brenvik_<version>_<arch>.deb; its control fields, its
Depends (the libraries' packages and the font package), its contents (and no
font file of its own) are checked; apt accepts it (simulated); it is unpacked
into a scratch root, and the unpacked launcher starts the game under a
private X server for a player with a fresh home, through both splashes to the
main menu, and the game ends with status 0. The player's game folder holds
links to the installed data.

launcher: the launcher alone, in a made-up installation whose "game" only
reports where it was started: which folder it picks, the links it makes and
mends, what it leaves alone, its arguments and exit statuses."""

import glob
import os
import shutil
import subprocess

from brenvik_e2e import output, screens
from brenvik_e2e.pictures import read_png

SYSTEM_FONT = "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf"
VERSION = "0.2"
LAUNCHER = "usr/games/brenvik"
PROGRAM = "usr/lib/games/brenvik/brenvik"
DATA = "usr/share/games/brenvik"
DESKTOP_ENTRY = "usr/share/applications/brenvik.desktop"
ICON = "usr/share/icons/hicolor/64x64/apps/brenvik.png"
REQUIRED_PACKAGES = ("fonts-dancingscript", "libsdl-image1.2", "libsdl-ttf2.0-0", "libsdl-mixer1.2",
                     "libstdc++6", "libc6")
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))


def run(command, bound=600, **options):
    done = subprocess.run(command, capture_output=True, text=True, timeout=bound,
                          stdin=subprocess.DEVNULL, **options)
    if done.returncode != 0:
        raise AssertionError("%s failed (%d):\n%s%s" % (" ".join(command), done.returncode,
                                                       done.stdout, done.stderr))
    return done.stdout


def build_package(scenario):
    if not scenario.options.build_dir:
        raise AssertionError("the package scenario needs --build-dir")
    out = os.path.join(scenario.scratch, "package")
    run([scenario.options.cpack, "--config",
         os.path.join(scenario.options.build_dir, "CPackConfig.cmake"), "-G", "DEB", "-B", out])
    packages = glob.glob(os.path.join(out, "*.deb"))
    if len(packages) != 1:
        raise AssertionError("cpack made %r, not one package" % packages)
    print("built %s" % packages[0])
    return packages[0]


def control_fields(package):
    fields = {}
    key = None
    for line in run(["dpkg-deb", "-f", package]).splitlines():
        if line.startswith(" ") and key:
            fields[key] += "\n" + line
        else:
            key, _, value = line.partition(":")
            fields[key] = value.strip()
    return fields


def depended_packages(depends):
    """The package names of a Depends field, alternatives included."""
    names = set()
    for clause in depends.split(","):
        for alternative in clause.split("|"):
            names.add(alternative.split("(")[0].strip().split(":")[0])
    return names


def contents(package):
    """path -> (mode, owner, link target or None) from the package's file list."""
    entries = {}
    for line in run(["dpkg-deb", "-c", package]).splitlines():
        mode, owner, _size, _day, _time, rest = line.split(None, 5)
        path, _, target = rest.partition(" -> ")
        entries[os.path.normpath(path).lstrip("./").rstrip("/")] = (mode, owner, target or None)
    entries.pop("", None)
    return entries


def expected_files(game_dir):
    data = sorted(os.path.relpath(path, game_dir)
                  for pattern in ("images/*.png", "images/*.bmp", "sounds/*.wav")
                  for path in glob.glob(os.path.join(game_dir, pattern)))
    files = {LAUNCHER: "-rwxr-xr-x", PROGRAM: "-rwxr-xr-x", DESKTOP_ENTRY: "-rw-r--r--",
             ICON: "-rw-r--r--"}
    files.update({DATA + "/" + name: "-rw-r--r--" for name in data})
    return files


def check_package(scenario, package):
    architecture = run(["dpkg", "--print-architecture"]).strip()
    expected_name = "brenvik_%s_%s.deb" % (VERSION, architecture)
    if os.path.basename(package) != expected_name:
        raise AssertionError("the package is named %s, not %s"
                             % (os.path.basename(package), expected_name))

    fields = control_fields(package)
    for key, value in (("Package", "brenvik"), ("Version", VERSION),
                       ("Architecture", architecture), ("Section", "games")):
        if fields.get(key) != value:
            raise AssertionError("%s is %r, not %r" % (key, fields.get(key), value))
    depends = depended_packages(fields.get("Depends", ""))
    missing = [name for name in REQUIRED_PACKAGES if name not in depends]
    if missing or not any(name.startswith("libsdl1.2") for name in depends):
        raise AssertionError("Depends: %s lacks %s and SDL 1.2"
                             % (fields.get("Depends"), ", ".join(missing)))
    print("Depends: %s" % fields["Depends"])

    entries = contents(package)
    files = {path: entry[0] for path, entry in entries.items() if entry[0].startswith("-")}
    if files != expected_files(scenario.game_dir):
        raise AssertionError("the package's files differ from the game's:\n  extra %r\n  missing %r"
                             % (sorted(set(files) - set(expected_files(scenario.game_dir))),
                                sorted(set(expected_files(scenario.game_dir)) - set(files))))
    font = entries.get(DATA + "/fonts/artbrush.ttf")
    if font is None or font[0][0] != "l" or font[2] != SYSTEM_FONT:
        raise AssertionError("fonts/artbrush.ttf is %r, not a link to %s" % (font, SYSTEM_FONT))
    if any(owner != "root/root" for _, owner, _ in entries.values()):
        raise AssertionError("some of the package's files do not belong to root")

    simulated = run(["apt-get", "install", "--simulate", "--no-install-recommends", package])
    if "Inst brenvik" not in simulated:
        raise AssertionError("apt would not install the package:\n" + simulated)


def check_unpacked(root):
    program = os.path.join(root, PROGRAM)
    if "not stripped" in run(["file", "-L", program]):
        raise AssertionError("the packaged game keeps its debugging symbols")
    icon = read_png(os.path.join(root, ICON))
    if (icon.width, icon.height) != (64, 64):
        raise AssertionError("the menu icon is %d x %d, not 64 x 64" % (icon.width, icon.height))
    entry = {}
    with open(os.path.join(root, DESKTOP_ENTRY)) as desktop:
        for line in desktop:
            key, _, value = line.rstrip("\n").partition("=")
            entry[key] = value
    for key, value in (("Type", "Application"), ("Name", "Brenvik"), ("Exec", "brenvik"),
                       ("Icon", "brenvik"), ("Terminal", "false")):
        if entry.get(key) != value:
            raise AssertionError("the menu entry's %s is %r, not %r" % (key, entry.get(key), value))
    if "Game" not in entry.get("Categories", "").split(";"):
        raise AssertionError("the menu entry is not in the Game category")
    if shutil.which("desktop-file-validate"):
        run(["desktop-file-validate", os.path.join(root, DESKTOP_ENTRY)])


def check_player_folder(folder, data):
    if sorted(os.listdir(folder)) != ["fonts", "images", "sounds"]:
        raise AssertionError("the player's folder holds %r" % os.listdir(folder))
    check_links(folder, data)
    if os.path.realpath(os.path.join(folder, "fonts", "artbrush.ttf")) != os.path.realpath(
            SYSTEM_FONT):
        raise AssertionError("the player's font is not the system's script font")


def play_package(scenario):
    package = build_package(scenario)
    check_package(scenario, package)
    root = os.path.join(scenario.scratch, "root")
    run(["dpkg", "-x", package, root])
    check_unpacked(root)

    home = os.path.join(scenario.scratch, "home")
    elsewhere = os.path.join(scenario.scratch, "elsewhere")
    os.makedirs(home)
    os.makedirs(elsewhere)
    screen = scenario.screen()
    watch = scenario.start(screen, elsewhere, label="launcher",
                           command=[os.path.join(root, LAUNCHER)], extra_env={"HOME": home})
    data = os.path.join(root, DATA)
    screens.reach_main_menu(watch, data)
    screens.choose(watch, "exit")
    watch.exit_status()
    # This player's first start: no high scores yet.
    output.expect_lines(output.lines(watch.game.stderr()),
                        [output.BANNER, output.LOGGING_DISABLED, output.NO_HIGH_SCORES, ""],
                        "standard error")
    check_player_folder(os.path.join(home, ".local", "share", "brenvik"), data)


# The launcher alone --------------------------------------------------------

STUB_GAME = """#!/bin/sh
# Stands in for the game: tells where it was started and ends as asked.
pwd -P
exit "${STUB_STATUS:-0}"
"""


class MadeUpInstallation:
    def __init__(self, scratch):
        self.prefix = os.path.join(scratch, "prefix")
        self.data = os.path.join(self.prefix, "share", "games", "brenvik")
        for name in ("images", "sounds", "fonts"):
            os.makedirs(os.path.join(self.data, name))
        os.makedirs(os.path.join(self.prefix, "games"))
        os.makedirs(os.path.join(self.prefix, "lib", "games", "brenvik"))
        self.launcher = os.path.join(self.prefix, "games", "brenvik")
        shutil.copy(os.path.join(SOURCE, "packaging", "brenvik"), self.launcher)
        program = os.path.join(self.prefix, "lib", "games", "brenvik", "brenvik")
        with open(program, "w") as stub:
            stub.write(STUB_GAME)
        os.chmod(program, 0o755)

    def start(self, env, *arguments, cwd="/"):
        return subprocess.run([self.launcher, *arguments], env=dict(PATH=os.environ["PATH"], **env),
                              cwd=cwd, capture_output=True, text=True, timeout=60,
                              stdin=subprocess.DEVNULL)


def expect(done, status, stdout=None, stderr_has=None):
    if (done.returncode != status or (stdout is not None and done.stdout != stdout)
            or (stderr_has is not None and stderr_has not in done.stderr)):
        raise AssertionError("the launcher gave status %d, output %r, errors %r"
                             % (done.returncode, done.stdout, done.stderr))


def play_launcher(scenario):
    made_up = MadeUpInstallation(scenario.scratch)
    home = os.path.join(scenario.scratch, "home")
    default_folder = os.path.realpath(os.path.join(home, ".local", "share", "brenvik"))

    # A first start makes the default folder with its links and starts there.
    expect(made_up.start({"HOME": home}), 0, default_folder + "\n")
    check_links(default_folder, made_up.data)
    # So does an XDG_DATA_HOME that is empty or not absolute.
    expect(made_up.start({"HOME": home, "XDG_DATA_HOME": ""}), 0, default_folder + "\n")
    expect(made_up.start({"HOME": home, "XDG_DATA_HOME": "relative/data"}), 0,
           default_folder + "\n")
    # An absolute XDG_DATA_HOME takes the folder, even when it does not exist yet.
    xdg = os.path.join(scenario.scratch, "xdg", "data")
    expect(made_up.start({"HOME": home, "XDG_DATA_HOME": xdg}), 0,
           os.path.join(xdg, "brenvik") + "\n")
    check_links(os.path.join(xdg, "brenvik"), made_up.data)

    # Links into an earlier installation are mended; the high scores and what
    # the player put in the place of a link are left as they were.
    earlier = os.path.join(scenario.scratch, "earlier", "images")
    os.makedirs(earlier)
    os.remove(os.path.join(default_folder, "images"))
    os.symlink(earlier, os.path.join(default_folder, "images"))
    os.remove(os.path.join(default_folder, "fonts"))
    os.symlink("/nonexistent/fonts", os.path.join(default_folder, "fonts"))
    os.remove(os.path.join(default_folder, "sounds"))
    os.makedirs(os.path.join(default_folder, "sounds"))
    with open(os.path.join(default_folder, "high.dat"), "w") as high:
        high.write("1\n42\nme\n")
    expect(made_up.start({"HOME": home}), 0, default_folder + "\n")
    for name in ("images", "fonts"):
        if os.readlink(os.path.join(default_folder, name)) != os.path.join(made_up.data, name):
            raise AssertionError("the stale %s link was not mended" % name)
    if os.path.islink(os.path.join(default_folder, "sounds")):
        raise AssertionError("the player's own sounds folder was replaced")
    with open(os.path.join(default_folder, "high.dat")) as high:
        if high.read() != "1\n42\nme\n":
            raise AssertionError("the launcher changed high.dat")

    # The game's exit status is the launcher's (the launcher becomes the game).
    expect(made_up.start({"HOME": home, "STUB_STATUS": "255"}), 255, default_folder + "\n")
    # Started through a link on the PATH, it still finds the installation.
    link = os.path.join(scenario.scratch, "bin", "brenvik")
    os.makedirs(os.path.dirname(link))
    os.symlink(made_up.launcher, link)
    path = os.path.dirname(link) + ":" + os.environ["PATH"]
    done = subprocess.run(["brenvik"], env={"PATH": path, "HOME": home},
                          capture_output=True, text=True, timeout=60, stdin=subprocess.DEVNULL)
    expect(done, 0, default_folder + "\n")

    done = made_up.start({"HOME": home}, "--help")
    if done.returncode != 0 or not done.stdout.startswith("usage: brenvik\n"):
        raise AssertionError("brenvik --help gave %d and %r" % (done.returncode, done.stdout))
    expect(made_up.start({"HOME": home}, "extra"), 2, "", "takes no arguments")
    expect(made_up.start({}), 1, "", "HOME")
    os.remove(os.path.join(made_up.prefix, "lib", "games", "brenvik", "brenvik"))
    expect(made_up.start({"HOME": home}), 1, "", "not installed completely")


def check_links(folder, data):
    for name in ("images", "sounds", "fonts"):
        if os.readlink(os.path.join(folder, name)) != os.path.join(data, name):
            raise AssertionError("%s in %s does not link to the installed data" % (name, folder))


SCENARIOS = {"package": play_package, "launcher": play_launcher}
