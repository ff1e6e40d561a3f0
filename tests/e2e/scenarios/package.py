"""The Debian package and its launcher.

package: cpack builds brenvik_<version>_<arch>.deb; its control fields, its
Depends (the libraries' packages and the font package), its contents (and no
font file of its own, only a relative link) are checked; lintian finds no error
or warning in it; apt accepts it (simulated); it is unpacked into a scratch
root, where its menu and software centre entries pass their validators and
its manual page renders without warnings, and the unpacked launcher starts
the game under a private X server for a player with a fresh home, through
both splashes to the main menu, and the game ends with status 0. The
player's game folder holds links to the installed data.

launcher: the launcher alone, in a made-up installation whose "game" only
reports where it was started: which folder it picks, the links it makes and
mends, what it leaves alone, its arguments and exit statuses.

reproducible: a second build folder, configured and built now from the same
sources, gives the same package byte for byte."""

import glob
import os
import re
import shutil
import subprocess

from brenvik_e2e import output, screens
from brenvik_e2e.pictures import read_png
from brenvik_e2e.scenario import require

SYSTEM_FONT = "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf"
VERSION = "0.2"
LAUNCHER = "usr/games/brenvik"
PROGRAM = "usr/lib/games/brenvik/brenvik"
DATA = "usr/share/games/brenvik"
APPSTREAM_ID = "invalid.tolvane.brenvik"
DESKTOP_ENTRY = "usr/share/applications/%s.desktop" % APPSTREAM_ID
METAINFO = "usr/share/metainfo/%s.metainfo.xml" % APPSTREAM_ID
MANUAL = "usr/share/man/man6/brenvik.6.gz"
DOCS = ("usr/share/doc/brenvik/copyright", "usr/share/doc/brenvik/changelog.gz")
ICON = "usr/share/icons/hicolor/64x64/apps/brenvik.png"
REQUIRED_PACKAGES = ("fonts-dancingscript", "libsdl-image1.2", "libsdl-ttf2.0-0", "libsdl-mixer1.2",
                     "libstdc++6", "libc6")
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))


def run(command, bound=600, **options):
    done = subprocess.run(command, capture_output=True, text=True, timeout=bound,
                          stdin=subprocess.DEVNULL, **options)
    require(done.returncode == 0, "%s failed (%d):\n%s%s" % (" ".join(command), done.returncode,
                                                             done.stdout, done.stderr))
    return done.stdout


def build_package(scenario):
    require(scenario.options.build_dir, "the package scenario needs --build-dir")
    out = os.path.join(scenario.scratch, "package")
    run([scenario.options.cpack, "--config",
         os.path.join(scenario.options.build_dir, "CPackConfig.cmake"), "-G", "DEB", "-B", out])
    packages = glob.glob(os.path.join(out, "*.deb"))
    require(len(packages) == 1, "cpack made %r, not one package" % packages)
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


def contents(package):
    """path -> (mode, owner, link target or None) from the package's file list."""
    entries = {}
    for line in run(["dpkg-deb", "-c", package]).splitlines():
        mode, owner, _size, _day, _time, rest = line.split(None, 5)
        path, _, target = rest.partition(" -> ")
        entries[os.path.normpath(path).lstrip("./").rstrip("/")] = (mode, owner, target or None)
    entries.pop("", None)
    return entries


def check_package(scenario, package):
    architecture = run(["dpkg", "--print-architecture"]).strip()
    name = "brenvik_%s_%s.deb" % (VERSION, architecture)
    require(os.path.basename(package) == name, "the package is not named %s" % name)

    fields = control_fields(package)
    for key, value in (("Package", "brenvik"), ("Version", VERSION),
                       ("Architecture", architecture), ("Section", "games")):
        require(fields.get(key) == value, "%s is %r, not %r" % (key, fields.get(key), value))
    # The package names of Depends, alternatives included.
    depends = {alternative.split("(")[0].strip().split(":")[0]
               for clause in fields.get("Depends", "").split(",") for alternative in clause.split("|")}
    missing = [name for name in REQUIRED_PACKAGES if name not in depends]
    require(not missing and any(name.startswith("libsdl1.2") for name in depends),
            "Depends: %s lacks %s and SDL 1.2" % (fields.get("Depends"), ", ".join(missing)))
    print("Depends: %s" % fields["Depends"])

    entries = contents(package)
    files = {path: entry[0] for path, entry in entries.items() if entry[0].startswith("-")}
    data = sorted(os.path.relpath(path, scenario.game_dir)
                  for pattern in ("images/*.png", "images/*.bmp", "sounds/*.wav")
                  for path in glob.glob(os.path.join(scenario.game_dir, pattern)))
    expected = {LAUNCHER: "-rwxr-xr-x", PROGRAM: "-rwxr-xr-x",
                **{path: "-rw-r--r--" for path in (DESKTOP_ENTRY, ICON, METAINFO, MANUAL, *DOCS)},
                **{DATA + "/" + name: "-rw-r--r--" for name in data}}
    require(files == expected, "the package's files differ from the game's:\n  extra %r\n  missing %r"
            % (sorted(set(files) - set(expected)), sorted(set(expected) - set(files))))
    font = entries.get(DATA + "/fonts/artbrush.ttf")
    relative = os.path.relpath(SYSTEM_FONT, "/%s/fonts" % DATA)
    require(font is not None and font[0][0] == "l" and font[2] == relative,
            "fonts/artbrush.ttf is %r, not a link to %s" % (font, relative))
    require(all(owner == "root/root" for _, owner, _ in entries.values()),
            "some of the package's files do not belong to root")
    print(run(["lintian", "--fail-on", "error,warning", package]), end="")
    simulated = run(["apt-get", "install", "--simulate", "--no-install-recommends", package])
    require("Inst brenvik" in simulated, "apt would not install the package:\n" + simulated)


def check_unpacked(root):
    require("not stripped" not in run(["file", "-L", os.path.join(root, PROGRAM)]),
            "the packaged game keeps its debugging symbols")
    icon = read_png(os.path.join(root, ICON))
    require((icon.width, icon.height) == (64, 64), "the menu icon is not 64 x 64")
    with open(os.path.join(root, DESKTOP_ENTRY)) as desktop:
        entry = dict(line.rstrip("\n").partition("=")[::2] for line in desktop)
    for key, value in (("Type", "Application"), ("Name", "Brenvik"), ("Exec", "brenvik"),
                       ("Icon", "brenvik"), ("Terminal", "false")):
        require(entry.get(key) == value,
                "the menu entry's %s is %r, not %r" % (key, entry.get(key), value))
    require("Game" in entry.get("Categories", "").split(";"),
            "the menu entry is not in the Game category")
    run(["desktop-file-validate", os.path.join(root, DESKTOP_ENTRY)])
    print(run(["appstreamcli", "validate-tree", "--no-net", root]), end="")
    manual = subprocess.run(["man", "--warnings", "-l", os.path.join(root, MANUAL)],
                            capture_output=True, text=True, timeout=60)
    require(manual.returncode == 0 and manual.stderr == ""
            and all(fact in manual.stdout for fact in ("--help", "button 4", "button 6",
                                                       "XDG_DATA_HOME", "high.dat", "EXIT STATUS")),
            "the manual page:\n%s%s" % (manual.stdout, manual.stderr))


def check_links(folder, data):
    for name in ("images", "sounds", "fonts"):
        require(os.readlink(os.path.join(folder, name)) == os.path.join(data, name),
                "%s in %s does not link to the installed data" % (name, folder))


def play_package(scenario):
    package = build_package(scenario)
    check_package(scenario, package)
    root = os.path.join(scenario.scratch, "root")
    run(["dpkg", "-x", package, root])
    check_unpacked(root)
    # The root stands in for a system with the font package the game depends on.
    os.makedirs(os.path.dirname(root + SYSTEM_FONT))
    os.symlink(SYSTEM_FONT, root + SYSTEM_FONT)

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
    folder = os.path.join(home, ".local", "share", "brenvik")
    require(sorted(os.listdir(folder)) == ["fonts", "images", "sounds"],
            "the player's folder holds %r" % os.listdir(folder))
    check_links(folder, data)
    require(os.path.realpath(os.path.join(folder, "fonts", "artbrush.ttf"))
            == os.path.realpath(SYSTEM_FONT), "the player's font is not the system's script font")


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
        self.program = os.path.join(self.prefix, "lib", "games", "brenvik", "brenvik")
        with open(self.program, "w") as stub:
            stub.write(STUB_GAME)
        os.chmod(self.program, 0o755)

    def start(self, env, *arguments, command=None, status=0, stdout=None, stderr_has=None):
        """Runs the launcher and checks its status and output."""
        done = subprocess.run(command or [self.launcher, *arguments],
                              env={"PATH": os.environ["PATH"], **env}, cwd="/",
                              capture_output=True, text=True, timeout=60, stdin=subprocess.DEVNULL)
        require(done.returncode == status and (stdout is None or done.stdout == stdout)
                and (stderr_has is None or stderr_has in done.stderr),
                "the launcher gave status %d, output %r, errors %r"
                % (done.returncode, done.stdout, done.stderr))
        return done


def play_launcher(scenario):
    made_up = MadeUpInstallation(scenario.scratch)
    home = os.path.join(scenario.scratch, "home")
    default = os.path.realpath(os.path.join(home, ".local", "share", "brenvik"))

    # A first start makes the default folder with its links and starts there.
    made_up.start({"HOME": home}, stdout=default + "\n")
    check_links(default, made_up.data)
    # So does an XDG_DATA_HOME that is empty or not absolute.
    made_up.start({"HOME": home, "XDG_DATA_HOME": ""}, stdout=default + "\n")
    made_up.start({"HOME": home, "XDG_DATA_HOME": "relative/data"}, stdout=default + "\n")
    # An absolute XDG_DATA_HOME takes the folder, even when it does not exist yet.
    xdg = os.path.join(scenario.scratch, "xdg", "data")
    made_up.start({"HOME": home, "XDG_DATA_HOME": xdg}, stdout=os.path.join(xdg, "brenvik") + "\n")
    check_links(os.path.join(xdg, "brenvik"), made_up.data)

    # Links into an earlier installation are mended; the high scores and what
    # the player put in the place of a link are left as they were.
    earlier = os.path.join(scenario.scratch, "earlier", "images")
    os.makedirs(earlier)
    for name, target in (("images", earlier), ("fonts", "/nonexistent/fonts"), ("sounds", None)):
        os.remove(os.path.join(default, name))
        if target:
            os.symlink(target, os.path.join(default, name))
        else:
            os.makedirs(os.path.join(default, name))
    with open(os.path.join(default, "high.dat"), "w") as high:
        high.write("1\n42\nme\n")
    made_up.start({"HOME": home}, stdout=default + "\n")
    for name in ("images", "fonts"):
        require(os.readlink(os.path.join(default, name)) == os.path.join(made_up.data, name),
                "the stale %s link was not mended" % name)
    require(not os.path.islink(os.path.join(default, "sounds")),
            "the player's own sounds folder was replaced")
    with open(os.path.join(default, "high.dat")) as high:
        require(high.read() == "1\n42\nme\n", "the launcher changed high.dat")

    # The game's exit status is the launcher's (the launcher becomes the game).
    made_up.start({"HOME": home, "STUB_STATUS": "255"}, status=255, stdout=default + "\n")
    # Started through a link on the PATH, it still finds the installation.
    link = os.path.join(scenario.scratch, "bin", "brenvik")
    os.makedirs(os.path.dirname(link))
    os.symlink(made_up.launcher, link)
    made_up.start({"HOME": home, "PATH": os.path.dirname(link) + ":" + os.environ["PATH"]},
                  command=["brenvik"], stdout=default + "\n")

    done = made_up.start({"HOME": home}, "--help")
    require(done.stdout.startswith("usage: brenvik\n"), "brenvik --help gave %r" % done.stdout)
    made_up.start({"HOME": home}, "extra", status=2, stdout="", stderr_has="takes no arguments")
    made_up.start({}, status=1, stdout="", stderr_has="HOME")
    os.remove(made_up.program)
    made_up.start({"HOME": home}, status=1, stdout="", stderr_has="not installed completely")


def play_reproducible(scenario):
    first = build_package(scenario)
    with open(os.path.join(scenario.options.build_dir, "CMakeCache.txt")) as cache:
        build_type = re.search(r"^CMAKE_BUILD_TYPE:\w+=(.*)$", cache.read(), re.M).group(1)
    cmake = os.path.join(os.path.dirname(scenario.options.cpack), "cmake")
    second = os.path.join(scenario.scratch, "second-build")
    run([cmake, "-S", SOURCE, "-B", second, "-DCMAKE_BUILD_TYPE=" + build_type,
         "-DBRENVIK_TESTS=OFF", "-DBRENVIK_BENCHMARKS=OFF"])
    run([cmake, "--build", second, "-j2"])
    run([scenario.options.cpack, "--config", os.path.join(second, "CPackConfig.cmake"),
         "-B", second])
    with open(first, "rb") as one, open(os.path.join(second, os.path.basename(first)), "rb") as two:
        require(one.read() == two.read(), "a second build folder gives a different package")


SCENARIOS = {"package": play_package, "launcher": play_launcher, "reproducible": play_reproducible}
