"""A free game for two players over one round.

From the main menu to the setup screen, down to one round (two players is
the first choice), start; find each player's target in the screenshots and
hit player 2's; the winner screen shows player 2's cell; a press goes back
to the main menu, and its exit button ends the game with status 0."""

from brenvik_e2e import mainmenu, play_screens, screens, targets
from brenvik_e2e.setup_screen import SetupScreen

# Hit a target once its hit circle is big enough to aim at reliably.
AIMING_SIZE = 20


def play_free_game(scenario):
    scenario.requires("main menu", "setup screen", "game session")
    screen = scenario.screen()
    folder = scenario.game_folder("free-game")
    watch = scenario.start(screen, folder)
    mainmenu.reach_main_menu(scenario, watch, folder)

    mainmenu.choose(watch, "play")
    setup = SetupScreen(folder)
    watch.until("the setup screen at rest", setup.resting)
    setup.choose(watch, players=2, rounds=1)
    setup.start(watch)

    found = watch.until("a target in each player's cell",
                        targets.targets_of_players(2, min_size=AIMING_SIZE))
    screen.click(*found[1][0].centre)
    winner = watch.until("the winner screen", play_screens.round_winner(2))
    if winner != 2:
        raise AssertionError("player %d won the round, not player 2 whose target was hit" % winner)

    play_screens.press_on(watch, "the main menu again", screens.menu_buttons_resting)
    mainmenu.choose(watch, "exit")
    status = watch.exit_status()
    if status != 0:
        raise AssertionError("the game ended with status %d, not 0" % status)


SCENARIOS = {"free-game": (play_free_game, None)}
