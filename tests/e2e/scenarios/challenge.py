"""A challenge and the high scores it leaves.

A first start (no "high.dat"): pass level 1 by hitting its target early, fail
level 2 on purpose by hitting only a full-grown target (1 point), go through
the failure and total screens, type a name on the on-screen keyboard by
clicking the keys the key map names, and check "high.dat": the new record
first (1 level, the level's points, the name), then the ten default ones.
The high score screen shows it; after a restart in the same folder the list
looks exactly the same."""

import os

from brenvik_e2e import mainmenu, output, play_screens, screens, targets
from brenvik_e2e.highscores import read_high_dat
from brenvik_e2e.keyboard import OnScreenKeyboard
from brenvik_e2e.pictures import read_png

NAME = "ADA 7"
DEFAULT_RECORD = (0, 0, "worst player ever")
# Aim early: level 1 is passed only before the target reaches full size.
AIMING_SIZE = 12


def keyboard_shown(folder):
    keyboard = OnScreenKeyboard(folder)
    picture = read_png(os.path.join(folder, "images", "keyboard.png"))
    return lambda shot: screens.shows_picture(shot, picture, keyboard.left, keyboard.top)


def play_challenge_and_enter_name(watch, folder):
    mainmenu.choose(watch, "challenge")
    watch.until("level 1's objective", play_screens.level_heading)
    play_screens.press_on(watch, "level 1's game", screens.mostly_black)
    level_one = watch.until("level 1's target",
                            lambda shot: targets.find_targets(shot, min_size=AIMING_SIZE))
    watch.screen.click(*level_one[0].centre)
    watch.until("level 1's result", play_screens.message_screen)
    # Level 1 passed: next comes level 2's objective, under its red heading.
    play_screens.press_on(watch, "level 2's objective", play_screens.level_heading)
    play_screens.press_on(watch, "level 2's game", screens.mostly_black)
    grown = watch.until("level 2's target at full size", targets.full_grown_target())
    watch.screen.click(*grown.centre)  # 1 point, short of the 15 the level asks for
    watch.until("level 2's result", play_screens.message_screen)
    failed = watch.last_screenshot
    play_screens.press_on(watch, "the total score", lambda shot: play_screens.message_screen(
        shot) and not play_screens.level_heading(shot) and play_screens.changed(failed, shot))
    play_screens.press_on(watch, "the on-screen keyboard", keyboard_shown(folder))
    OnScreenKeyboard(folder).type_name(watch, NAME)
    watch.until("the main menu again", screens.menu_buttons_resting)


def check_high_dat(folder):
    records = read_high_dat(folder)
    if len(records) != 11 or records[1:] != [DEFAULT_RECORD] * 10:
        raise AssertionError("high.dat should hold the new record and ten default ones: %r"
                             % records)
    level, score, name = records[0]
    if (level, name) != (1, NAME) or not 1 <= score <= 101:
        raise AssertionError("the new record is %r, not 1 level, the level's points and %r"
                             % (records[0], NAME))


def look_at_high_scores(watch):
    """Opens the high score list from the main menu; checks the new, shorter
    name heads nine alike default lines; goes back; gives what it saw."""
    mainmenu.choose(watch, "high")
    watch.until("the high score list", play_screens.high_score_list())
    shot = watch.last_screenshot
    widths = [play_screens.name_width(shot, row) for row in play_screens.high_score_rows(shot)]
    defaults = widths[1:]
    if not (0 < widths[0] < min(defaults) - 20 and max(defaults) - min(defaults) <= 2):
        raise AssertionError("the list does not show the new, shorter name above nine "
                             "default lines (name widths %r)" % widths)
    play_screens.press_on(watch, "the main menu again", screens.menu_buttons_resting)
    return shot


def leave(watch):
    mainmenu.choose(watch, "exit")
    status = watch.exit_status()
    if status != 0:
        raise AssertionError("the game ended with status %d, not 0" % status)


def play_challenge(scenario):
    scenario.requires("main menu", "game session", "challenge", "high score table", "name entry")
    screen = scenario.screen()
    folder = scenario.game_folder("challenge")
    watch = scenario.start(screen, folder, label="first-start")
    mainmenu.reach_main_menu(scenario, watch, folder)
    play_challenge_and_enter_name(watch, folder)
    check_high_dat(folder)
    before = look_at_high_scores(watch)
    leave(watch)

    watch = scenario.start(screen, folder, label="restart")
    mainmenu.reach_main_menu(scenario, watch, folder)
    if look_at_high_scores(watch).rgb != before.rgb:
        raise AssertionError("after a restart the high score list looks different")
    leave(watch)
    # The table was read from "high.dat" this time, without a complaint.
    output.expect_lines(output.lines(watch.game.stderr()),
                        [output.BANNER, output.LOGGING_DISABLED, ""], "standard error")


SCENARIOS = {"challenge": (play_challenge, None)}
