"""Getting from a fresh start to the main menu, and choosing on it."""

from . import screens
from .xserver import XServerError

WINDOW_TITLE = "Brenvik by Tolvane"


def game_window(screen):
    """A check: the game's window, by its exact title, covers the whole screen
    and carries the game's 32 x 32 icon."""

    def check(_shot):
        for window in screen.windows_titled(WINDOW_TITLE):
            try:
                if (screen.window_geometry(window) == (0, 0, 320, 240)
                        and screen.window_icon_size(window) == (32, 32)):
                    return window
            except XServerError:
                pass  # a window SDL replaced while it set the video mode
        return None

    return check


def reach_main_menu(scenario, watch, folder):
    """Waits through both splashes to the resting main menu; with the stand-in
    menu of an unfinished game, to the black screen it shows."""
    start_up = screens.StartUp(folder)
    for index in (0, 1):
        check = start_up.splash_shown(index)
        watch.until(check.description, check)
    if scenario.features.has("main menu"):
        watch.until("the four main menu buttons at rest", screens.menu_buttons_resting)
    else:
        watch.until("the black screen of the stand-in main menu", screens.mostly_black)


def choose(watch, name):
    """Clicks a main menu button (play, challenge, high or exit) and, but for
    exit, waits until the buttons have left their places; the caller then
    waits for the screen it expects next."""
    watch.screen.click(*screens.menu_button_centre(name))
    if name != "exit":
        watch.until("the main menu buttons leaving",
                    lambda shot: not screens.menu_buttons_resting(shot))
