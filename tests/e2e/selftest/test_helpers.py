"""The end-to-end helpers' own tests, without an X server, on pictures made
here from the built game's artwork (BRENVIK_GAME_DIR). Only what would let a
scenario pass without seeing what it waits for: every check that a scenario
waits on must refuse a screen that does not show it, and the readers of the
game's output must refuse what is out of shape."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from brenvik_e2e import output, play_screens, screens  # noqa: E402
from brenvik_e2e.pictures import Picture, read_png  # noqa: E402

GAME_DIR = os.environ.get("BRENVIK_GAME_DIR", "")


def screen_with(*placed):
    """A black screen with game pictures pasted on it: (file, left, top) each,
    in the colours the 16-bit screen gives them back."""
    shot = Picture(320, 240)
    for name, left, top in placed:
        picture = read_png(os.path.join(GAME_DIR, "images", name))
        for x, y, (r, g, b) in picture.pixels():
            if (r, g, b) != screens.CYAN and 0 <= left + x < 320 and 0 <= top + y < 240:
                shot.set_pixel(left + x, top + y,
                               ((r >> 3) << 3 | r >> 5, (g >> 2) << 2 | g >> 6, (b >> 3) << 3 | b >> 5))
    return shot


def fill(shot, rect, colour):
    x0, y0, w, h = rect
    for x in range(x0, x0 + w):
        for y in range(y0, y0 + h):
            shot.set_pixel(x, y, colour)
    return shot


class ChecksRefuseOtherScreens(unittest.TestCase):
    def test_a_splash_is_not_the_other_one_nor_off_centre_nor_black(self):
        first, second = screens.splash_shown(GAME_DIR, 0), screens.splash_shown(GAME_DIR, 1)
        self.assertTrue(first(screen_with(("splash-brenvik.png", 10, 20))))
        self.assertFalse(second(screen_with(("splash-brenvik.png", 10, 20))))
        self.assertFalse(first(screen_with(("splash-brenvik.png", 12, 20))))
        self.assertFalse(first(Picture(320, 240)))

    def test_the_main_menu_needs_its_four_buttons_in_their_places(self):
        places = [(24, 18), (184, 18), (24, 138), (184, 138)]
        files = ["playbutton.png", "challengebutton.png", "highscoresbutton.png", "exitbutton.png"]
        self.assertTrue(screens.menu_buttons_resting(screen_with(*(
            (name, x, y) for name, (x, y) in zip(files, places)))))
        swapped = [files[1], files[0]] + files[2:]
        self.assertFalse(screens.menu_buttons_resting(screen_with(*(
            (name, x, y) for name, (x, y) in zip(swapped, places)))))
        self.assertFalse(screens.menu_buttons_resting(Picture(320, 240)))

    def test_targets_must_be_in_every_cell_and_full_grown(self):
        one = screen_with(("target.png", 20, 20))
        self.assertIsNone(play_screens.targets_of_players(2)(one))
        self.assertIsNone(play_screens.full_grown_target(fill(Picture(320, 240), (40, 40, 40, 40),
                                                                 (222, 24, 32))))
        self.assertEqual(play_screens.full_grown_target(one).centre, (50, 50))

    def test_messages_headings_and_winners_need_what_they_show(self):
        black = Picture(320, 240)
        self.assertIsNone(play_screens.round_winner(2)(black))
        self.assertFalse(play_screens.level_heading(black))
        self.assertFalse(play_screens.message_screen(black))
        text = fill(Picture(320, 240), (100, 55, 120, 10), (255, 255, 255))
        self.assertTrue(play_screens.message_screen(text))
        self.assertFalse(play_screens.message_screen(screen_with(("target.png", 130, 120))))
        sliver = fill(Picture(320, 240), (5, 5, 1, 1), (255, 255, 255))
        self.assertFalse(play_screens.changed(black, sliver))

    def test_the_high_score_list_needs_ten_lines_and_no_menu(self):
        shot = Picture(320, 240)
        for line in range(9):
            fill(shot, (30, 13 + line * 23, 8, 15), (255, 255, 255))
            fill(shot, (146, 13 + line * 23, 100, 15), (255, 255, 255))
        self.assertFalse(play_screens.high_score_list(shot))
        fill(shot, (30, 13 + 9 * 23, 8, 15), (255, 255, 255))
        fill(shot, (146, 13 + 9 * 23, 40, 15), (255, 255, 255))
        self.assertTrue(play_screens.high_score_list(shot))
        self.assertEqual(play_screens.name_width(shot, play_screens.high_score_rows(shot)[9]), 40)
        self.assertFalse(play_screens.high_score_list(screen_with(("exitbutton.png", 184, 138))))


class ReadersRefuseWhatIsOutOfShape(unittest.TestCase):
    def test_high_scores_read_back_as_written_and_nothing_else(self):
        records = [(3, 57, "ann"), (0, -4, "worst player ever"), (1, 2, "")]
        for text in (None, "3\n57\nann", "3\n57\nann\n4\n", "x\n57\nann\n"):
            with tempfile.TemporaryDirectory() as folder:
                if text is None:
                    output.write_high_dat(folder, records)
                    self.assertEqual(output.read_high_dat(folder), records)
                    continue
                with open(os.path.join(folder, "high.dat"), "w") as out:
                    out.write(text)
                with self.assertRaises(AssertionError):
                    output.read_high_dat(folder)

    def test_output_must_end_its_last_line_and_list_the_screen_mode(self):
        self.assertEqual(output.lines("a\nb\n\n"), ["a", "b", ""])
        with self.assertRaises(AssertionError):
            output.lines("a\nb")
        output.expect_mode_list(["Available Modes", "\t640 x 480", "\t320 x 240", ""])
        for wrong in (["Available Modes", "\t640 x 480", ""], ["Available Modes", "\t320 x 240"],
                      ["All resolutions available.", "\t320 x 240", ""]):
            with self.assertRaises(AssertionError):
                output.expect_mode_list(wrong)
        self.assertEqual(output.without_library_noise(["x", "ALSA lib pcm.c: Unknown PCM", "y"]),
                         ["x", "y"])


if __name__ == "__main__":
    unittest.main()
