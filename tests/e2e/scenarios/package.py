"""The Debian package (its fields, files, lintian, apt, the validators of its menu entry, software
centre entry and manual page, and its launcher starting the game for a player with a fresh home);
the launcher alone in a made-up installation; a second build folder giving the same package."""

import glob
import os
import re
import shutil

from brenvik_e2e.scenario import require, run
from scenarios.play import choose, menu_at_rest

SYSTEM_FONT = "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf"
DATA = "usr/share/games/brenvik"
DESKTOP_ENTRY = "usr/share/applications/invalid.tolvane.brenvik.desktop"
SOURCE = os.path.abspath(os.path.join(__file__, "..", "..", "..", ".."))


def cpack(scenario, build, out):  # the one package there, named as Debian wants
    run([scenario.cpack, "--config", os.path.join(build, "CPackConfig.cmake"), "-B", out])
    debs = glob.glob(os.path.join(out, "*.deb"))
    name = "brenvik_0.2_%s.deb" % run(["dpkg", "--print-architecture"]).stdout.strip()
    require(debs == [os.path.join(out, name)], "cpack gave %r, not %s alone" % (debs, name))
    return debs[0]


def check_links(folder, data, names=("images", "sounds", "fonts")):
    for name in names:
        require(os.readlink(os.path.join(folder, name)) == os.path.join(data, name),
                "%s in %s does not link to the installed data" % (name, folder))


def play_package(scenario):
    package = cpack(scenario, scenario.build_dir, scenario.scratch + "/package")
    depends = run(["dpkg-deb", "-f", package, "Depends"]).stdout
    names = set(re.findall(r"(?:^|[,|]) *([^ ,|(]+)", depends))
    require(any(name.startswith("libsdl1.2") for name in names) and names >= {
        "fonts-dancingscript", "libsdl-image1.2", "libsdl-ttf2.0-0", "libsdl-mixer1.2",
        "libstdc++6", "libc6"}, "Depends: " + depends)
    # Its files, and its one link: the font is the system's.
    entries = {line.split(None, 5)[5][2:] for line in
               run(["dpkg-deb", "-c", package]).stdout.splitlines() if line[0] != "d"}
    font = "%s/fonts/artbrush.ttf -> %s" % (DATA, os.path.relpath(SYSTEM_FONT, "/%s/fonts" % DATA))
    expected = {"usr/games/brenvik", "usr/lib/games/brenvik/brenvik", DESKTOP_ENTRY, font,
                "usr/share/icons/hicolor/64x64/apps/brenvik.png", "usr/share/man/man6/brenvik.6.gz",
                "usr/share/metainfo/invalid.tolvane.brenvik.metainfo.xml",
                "usr/share/doc/brenvik/copyright", "usr/share/doc/brenvik/changelog.gz",
                *(DATA + "/" + name for pattern in ("*/*.png", "*/*.bmp", "*/*.wav")
                  for name in glob.glob(pattern, root_dir=scenario.game_dir))}
    require(entries == expected, "the package holds %r" % sorted(entries))
    run(["lintian", "--fail-on", "error,warning", package])
    run(["apt-get", "install", "--simulate", "--no-install-recommends", package])

    root, home = scenario.scratch + "/root", scenario.scratch + "/home"
    run(["dpkg", "-x", package, root])
    lines = set(open(os.path.join(root, DESKTOP_ENTRY)).read().splitlines())
    require(lines >= {"Type=Application", "Name=Brenvik", "Exec=brenvik", "Icon=brenvik",
                      "Terminal=false", "Categories=Game;ActionGame;"}, "menu entry: %r" % lines)
    run(["desktop-file-validate", os.path.join(root, DESKTOP_ENTRY)])
    run(["appstreamcli", "validate-tree", "--no-net", root])
    manual = run(["man", "--warnings", "-l", os.path.join(root, "usr/share/man/man6/brenvik.6.gz")])
    require(manual.stderr == "" and all(fact in manual.stdout for fact in ("--help", "button 4",
            "button 6", "XDG_DATA_HOME", "high.dat", "EXIT STATUS")), manual.stdout + manual.stderr)

    # The root stands in for a system with the font package the game depends on.
    os.makedirs(os.path.dirname(root + SYSTEM_FONT))
    os.symlink(SYSTEM_FONT, root + SYSTEM_FONT)
    os.makedirs(home)
    watch = scenario.start([root + "/usr/games/brenvik"], home)
    watch.until("the main menu at rest", menu_at_rest)
    choose(watch, "exit")
    folder = home + "/.local/share/brenvik"
    check_links(folder, os.path.join(root, DATA))
    require(os.path.realpath(folder + "/fonts/artbrush.ttf") == os.path.realpath(SYSTEM_FONT),
            "the player's font is not the system's")


def play_launcher(scenario):
    scratch = os.path.realpath(scenario.scratch) + "/"
    data, launcher, program = (scratch + "prefix/" + name for name in (
        "share/games/brenvik", "games/brenvik", "lib/games/brenvik/brenvik"))
    home, earlier, path, xdg, foreign, scores = (scratch + name for name in (
        "home", "earlier", "bin", "xdg/data", "foreign", "foreign-scores"))
    default = home + "/.local/share/brenvik"
    for folder in (data + "/images", data + "/sounds", data + "/fonts", os.path.dirname(launcher),
                   os.path.dirname(program), earlier, path, default + "/sounds",
                   foreign + "/brenvik", scores + "/brenvik"):
        os.makedirs(folder)
    shutil.copy(os.path.join(SOURCE, "packaging/brenvik"), launcher)
    os.symlink(launcher, path + "/brenvik")
    # The game tells where it was started and ends as asked: by a status or a signal.
    open(program, "w").write('#!/bin/sh\npwd -P\nkill -"${SIGNAL:-0}" $$\nexit "${STATUS:-0}"\n')
    os.chmod(program, 0o755)
    # An earlier installation's links, one of them broken, beside the player's
    # own sounds folder and high scores.
    os.chmod(default, 0o750)
    os.symlink(earlier, default + "/images")
    os.symlink("/nonexistent/fonts", default + "/fonts")
    open(default + "/high.dat", "w").write("1\n42\nme\n")
    # A game folder of another account, and one holding another account's high
    # scores (handed over to "nobody"; only root may do that).
    open(scores + "/brenvik/high.dat", "w").write("1\n42\nthem\n")
    os.chown(foreign + "/brenvik", 65534, 65534)
    os.chown(scores + "/brenvik/high.dat", 65534, 65534)

    player = {"PATH": os.environ["PATH"], "HOME": home}
    for env, command, status, out, err in (  # out begins the output; "" means none at all
            ({**player, "XDG_DATA_HOME": foreign}, [launcher], 1, "", "does not belong to you"),
            ({**player, "XDG_DATA_HOME": scores}, [launcher], 1, "", "not using it"),
            (player, [launcher], 0, default + "\n", ""),
            ({**player, "XDG_DATA_HOME": ""}, [launcher], 0, default + "\n", ""),
            ({**player, "XDG_DATA_HOME": "relative/data"}, [launcher], 0, default + "\n", ""),
            ({**player, "XDG_DATA_HOME": xdg}, [launcher], 0, xdg + "/brenvik\n", ""),
            ({**player, "STATUS": "255"}, [launcher], 255, default + "\n", ""),
            # The game takes the launcher's place: a signal that ends it ends the launcher.
            ({**player, "SIGNAL": "TERM"}, [launcher], -15, default + "\n", ""),
            ({**player, "PATH": path + ":" + player["PATH"]}, ["brenvik"], 0, default + "\n", ""),
            (player, [launcher, "--help"], 0, "usage: brenvik\n", ""),
            (player, [launcher, "extra"], 2, "", "takes no arguments"),
            ({"PATH": player["PATH"]}, [launcher], 1, "", "HOME")):
        done = run(command, status, env=env, cwd=scratch)
        require(done.stdout.startswith(out) and (out or not done.stdout) and err in done.stderr,
                "%r %r gave %r, %r" % ({**env, "PATH": "..."}, command, done.stdout, done.stderr))
    check_links(xdg + "/brenvik", data)
    modes = [os.stat(folder).st_mode & 0o777 for folder in (xdg, xdg + "/brenvik", default)]
    require(modes == [0o700, 0o700, 0o750], "made private, the player's own kept: %r" % modes)
    require(os.listdir(foreign + "/brenvik") == [] and os.listdir(
        scores + "/brenvik") == ["high.dat"], "the launcher changed a foreign folder")
    check_links(default, data, ("images", "fonts"))
    sounds = default + "/sounds"
    require(open(default + "/high.dat").read() == "1\n42\nme\n" and not os.path.islink(sounds)
            and os.listdir(sounds) == [], "the launcher changed the player's own things")
    os.remove(program)
    done = run([launcher], 1, env=player, cwd=scratch)
    require("not installed completely" in done.stderr, done.stderr)


def play_reproducible(scenario):
    first = cpack(scenario, scenario.build_dir, scenario.scratch + "/package")
    second = scenario.scratch + "/second-build"
    cache = open(os.path.join(scenario.build_dir, "CMakeCache.txt")).read()
    build_type = re.search(r"^CMAKE_BUILD_TYPE:\w+=(.*)$", cache, re.M)[1]
    cmake = os.path.join(os.path.dirname(scenario.cpack), "cmake")
    run([cmake, "-S", SOURCE, "-B", second, "-DCMAKE_BUILD_TYPE=" + build_type,
         "-DBRENVIK_TESTS=OFF", "-DBRENVIK_BENCHMARKS=OFF"])
    run([cmake, "--build", second, "-j2"])
    with open(first, "rb") as one, open(cpack(scenario, second, second), "rb") as two:
        require(one.read() == two.read(), "a second build folder gives a different package")


SCENARIOS = {"package": play_package, "launcher": play_launcher, "reproducible": play_reproducible}
