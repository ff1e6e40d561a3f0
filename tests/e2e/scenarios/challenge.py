"""A challenge and the high scores it leaves.

A first start (no "high.dat"): pass level 1 by hitting its target early, fail
level 2 on purpose by hitting only a full-grown target (1 point), go through
the failure and total screens, type a name on the on-screen keyboard by
clicking the keys the key map names, and check "high.dat": the new record
first (1 level, the level's points, the name), then the ten default ones.
The high score screen shows it; after a restart in the same folder the list
looks exactly the same."""

from brenvik_e2e import output, play_screens, screens
from brenvik_e2e.keyboard import OnScreenKeyboard
from brenvik_e2e.scenario import require

NAME = "ADA 7"
DEFAULT_RECORD = (0, 0, "worst player ever")
# Aim early: level 1 is passed only before the target reaches full size.
AIMING_SIZE = 12


def play_challenge_and_enter_name(watch, folder):
    screens.choose(watch, "challenge")
    watch.until("level 1's objective", play_screens.level_heading)
    play_screens.press_on(watch, "level 1's game", screens.mostly_black)
    level_one = watch.until("level 1's target",
                            lambda shot: play_screens.find_targets(shot, min_size=AIMING_SIZE))
    watch.screen.click(*level_one[0].centre)
    watch.until("level 1's result", play_screens.message_screen)
    # Level 1 passed: next comes level 2's objective, under its red heading.
    play_screens.press_on(watch, "level 2's objective", play_screens.level_heading)
    play_screens.press_on(watch, "level 2's game", screens.mostly_black)
    grown = watch.until("level 2's target at full size", play_screens.full_grown_target)
    watch.screen.click(*grown.centre)  # 1 point, short of the 15 the level asks for
    watch.until("level 2's result", play_screens.message_screen)
    failed = watch.last_screenshot
    play_screens.press_on(watch, "the total score", lambda shot: play_screens.message_screen(
        shot) and not play_screens.level_heading(shot) and play_screens.changed(failed, shot))
    keyboard = OnScreenKeyboard(folder)
    play_screens.press_on(watch, "the on-screen keyboard", keyboard.shown)
    keyboard.type_name(watch, NAME)
    watch.until("the main menu again", screens.menu_buttons_resting)


def look_at_high_scores(watch):
    """Opens the high score list from the main menu; checks the new, shorter
    name heads nine alike default lines; goes back; gives what it saw."""
    screens.choose(watch, "high")
    watch.until("the high score list", play_screens.high_score_list)
    shot = watch.last_screenshot
    widths = [play_screens.name_width(shot, row) for row in play_screens.high_score_rows(shot)]
    defaults = widths[1:]
    require(0 < widths[0] < min(defaults) - 20 and max(defaults) - min(defaults) <= 2,
            "the list does not show the new, shorter name above nine default lines (name "
            "widths %r)" % widths)
    play_screens.press_on(watch, "the main menu again", screens.menu_buttons_resting)
    return shot


def play_challenge(scenario):
    screen = scenario.screen()
    folder = scenario.game_folder("challenge")
    watch = scenario.start(screen, folder, label="first-start")
    screens.reach_main_menu(watch, folder)
    play_challenge_and_enter_name(watch, folder)
    records = output.read_high_dat(folder)
    level, score, name = records[0]
    require(records[1:] == [DEFAULT_RECORD] * 10 and (level, name) == (1, NAME)
            and 1 <= score <= 101, "high.dat should hold 1 level, the level's points and %r, "
            "then ten default records: %r" % (NAME, records))
    before = look_at_high_scores(watch)
    screens.choose(watch, "exit")
    watch.exit_status()

    watch = scenario.start(screen, folder, label="restart")
    screens.reach_main_menu(watch, folder)
    require(look_at_high_scores(watch).rgb == before.rgb,
            "after a restart the high score list looks different")
    screens.choose(watch, "exit")
    watch.exit_status()
    # The table was read from "high.dat" this time, without a complaint.
    output.expect_lines(output.lines(watch.game.stderr()),
                        [output.BANNER, output.LOGGING_DISABLED, ""], "standard error")


SCENARIOS = {"challenge": play_challenge}
