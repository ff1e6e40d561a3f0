"""Starting and leaving the game.

start: the banner and start-up lines, the window, both splashes, the main
menu; the exit button ends the game with status 0; the output is exactly the
start-up lines and one empty line on each stream; "high.dat" is not touched.

start-no-audio: no audio driver chosen at all, as on a player's machine; the
audio lines are logged as the machine's sound allows, the game goes on to the
main menu, and a quit request (SIGTERM) there ends it with status 0."""

import glob

from brenvik_e2e import output, screens
from brenvik_e2e.scenario import require

# Scores from an earlier session, so that the table has no complaint to make.
EARLIER_SCORES = [(4, 161, "Ada"), (2, 57, "Bo"), (0, 0, "worst player ever")]


def play_start(scenario):
    screen = scenario.screen()
    folder = scenario.game_folder("start")
    output.write_high_dat(folder, EARLIER_SCORES)
    watch = scenario.start(screen, folder)
    watch.until("the window 'Brenvik by Tolvane' with its icon, covering the screen",
                screens.game_window(screen))
    screens.reach_main_menu(watch, folder)
    screens.choose(watch, "exit")
    watch.exit_status()
    output.expect_lines(output.lines(watch.game.stderr()),
                        [output.BANNER, output.LOGGING_DISABLED, ""], "standard error")
    output.expect_mode_list(output.lines(watch.game.stdout()))
    require(output.read_high_dat(folder) == EARLIER_SCORES,
            "high.dat changed although no challenge was played")


def play_start_without_audio_driver(scenario):
    screen = scenario.screen()
    folder = scenario.game_folder("no-audio")
    watch = scenario.start(screen, folder, audio=None)
    screens.reach_main_menu(watch, folder)
    watch.game.request_quit()
    watch.exit_status()
    stderr = output.without_library_noise(output.lines(watch.game.stderr()))
    audio_lines = [line for line in stderr if line in (output.AUDIO_FAILED, output.MIXER_FAILED)]
    require(glob.glob("/dev/snd/pcmC*") or output.MIXER_FAILED in audio_lines,
            "no sound card here, yet the game did not report the mixer:\n  " + "\n  ".join(stderr))
    output.expect_lines(stderr, [output.BANNER, output.LOGGING_DISABLED] + audio_lines
                        + [output.NO_HIGH_SCORES, ""], "standard error (less ALSA's own lines)")
    output.expect_mode_list(output.lines(watch.game.stdout()))


SCENARIOS = {"start": play_start, "start-no-audio": play_start_without_audio_driver}
