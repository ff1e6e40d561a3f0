"""A free game for two players over one round: from the main menu to the
setup screen, down to one round (two players is the first choice), start;
find each player's target in the screenshots and hit player 2's; the winner
screen shows player 2's cell; a press goes back to the main menu, and its
exit button ends the game with status 0."""

from brenvik_e2e import play_screens, screens
from brenvik_e2e.scenario import require
from brenvik_e2e.setup_screen import SetupScreen

# Hit a target once its hit circle is big enough to aim at reliably.
AIMING_SIZE = 20


def play_free_game(scenario):
    screen = scenario.screen()
    folder = scenario.game_folder("free-game")
    watch = scenario.start(screen, folder)
    screens.reach_main_menu(watch, folder)
    screens.choose(watch, "play")
    setup = SetupScreen(folder)
    watch.until("the setup screen at rest", setup.resting)
    setup.choose(watch, players=2, rounds=1)
    setup.start(watch)

    found = watch.until("a target in each player's cell",
                        play_screens.targets_of_players(2, min_size=AIMING_SIZE))
    screen.click(*found[1][0].centre)
    winner = watch.until("the winner screen", play_screens.round_winner(2))
    require(winner == 2, "player %d won the round, not player 2 whose target was hit" % winner)
    play_screens.press_on(watch, "the main menu again", screens.menu_buttons_resting)
    screens.choose(watch, "exit")
    watch.exit_status()


SCENARIOS = {"free-game": play_free_game}
