"""Tests of the end-to-end helpers themselves, on pictures made here or taken
from the built game folder (BRENVIK_GAME_DIR), without an X server: what the
scenarios see on screen must be recognised, and what they must not see must
not be."""

import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from brenvik_e2e import colours, output, pictures, play_screens, screens, targets
from brenvik_e2e.features import Features
from brenvik_e2e.highscores import read_high_dat, write_high_dat
from brenvik_e2e.keyboard import DELETE, END, OnScreenKeyboard, key_code
from brenvik_e2e.pictures import Picture
from brenvik_e2e.setup_screen import SetupScreen

GAME_DIR = os.environ.get("BRENVIK_GAME_DIR", "")


def game_picture(name):
    return pictures.read_png(os.path.join(GAME_DIR, "images", name))


def black_screen():
    return Picture(320, 240)


def paste(shot, picture, left, top, transform=lambda colour: colour):
    for x, y, colour in picture.pixels():
        if colour != screens.CYAN and 0 <= left + x < shot.width and 0 <= top + y < shot.height:
            shot.set_pixel(left + x, top + y, transform(colour))


def as_16_bit(colour):
    """What the game's 16-bit screen makes of a colour, widened back to 8 bits."""
    r, g, b = colour
    return ((r >> 3) << 3 | r >> 5, (g >> 2) << 2 | g >> 6, (b >> 3) << 3 | b >> 5)


def scaled(picture, size):
    """The picture scaled to size x size, nearest pixel."""
    out = Picture(size, size)
    for y in range(size):
        for x in range(size):
            source = picture.pixel(x * picture.width // size, y * picture.height // size)
            out.set_pixel(x, y, source)
    return out


def xwd_dump(width, height, pixel_bytes, masks, byte_order, values):
    header = struct.pack(">25I", 100, 7, 2, 24, width, height, 0, byte_order, 32, 0, 32,
                         pixel_bytes * 8, width * pixel_bytes, 4, *masks, 8, 0, 0, width, height,
                         0, 0, 0)
    order = "little" if byte_order == 0 else "big"
    return header + b"".join(v.to_bytes(pixel_bytes, order) for v in values)


class PictureFilesTest(unittest.TestCase):
    def test_an_x_dump_with_a_byte_per_channel_reads_in_either_byte_order(self):
        for byte_order in (0, 1):
            dump = xwd_dump(2, 2, 4, (0xFF0000, 0xFF00, 0xFF), byte_order,
                            [0x102030, 0xFF0000, 0x00FF00, 0x0000FF])
            shot = pictures.from_xwd(dump)
            self.assertEqual([shot.pixel(x, y) for y in (0, 1) for x in (0, 1)],
                             [(16, 32, 48), (255, 0, 0), (0, 255, 0), (0, 0, 255)])

    def test_an_x_dump_with_ten_bit_channels_is_scaled_to_eight(self):
        dump = xwd_dump(1, 1, 4, (0x3FF00000, 0xFFC00, 0x3FF), 0, [0x3FF << 20 | 0x200 << 10])
        self.assertEqual(pictures.from_xwd(dump).pixel(0, 0), (255, 127, 0))

    def test_a_cut_short_x_dump_is_refused(self):
        dump = xwd_dump(2, 2, 4, (0xFF0000, 0xFF00, 0xFF), 0, [0, 0, 0, 0])
        with self.assertRaises(ValueError):
            pictures.from_xwd(dump[:-4])

    def test_a_saved_screenshot_reads_back_the_same(self):
        shot = black_screen()
        shot.set_pixel(3, 4, (200, 100, 50))
        again = pictures.decode_png(pictures.encode_png(shot))
        self.assertEqual(again.rgb, shot.rgb)

    def test_the_generated_target_picture_decodes_ring_by_ring(self):
        target = game_picture("target.png")
        self.assertEqual((target.width, target.height), (60, 60))
        self.assertEqual(target.pixel(0, 0), screens.CYAN)
        red, white = (222, 24, 32), (250, 248, 244)
        self.assertTrue(colours.close(target.pixel(30 + 24, 30), red, 2))
        self.assertTrue(colours.close(target.pixel(30, 30 + 19), white, 2))
        self.assertTrue(colours.close(target.pixel(30 + 14, 30), red, 2))

    def test_the_key_map_is_a_32_bit_picture_as_big_as_the_keyboard(self):
        width, height, values = pictures.read_bmp32(os.path.join(GAME_DIR, "images",
                                                                 "keyboardmap.bmp"))
        self.assertEqual((width, height, len(values)), (320, 122, 320 * 122))


class StartUpAndMenuTest(unittest.TestCase):
    def setUp(self):
        self.start_up = screens.StartUp(GAME_DIR)

    def splash_screen(self, index, dx=0, transform=as_16_bit):
        shot = black_screen()
        picture = self.start_up.splashes[index][1]
        paste(shot, picture, 10 + dx, 20, transform)
        return shot

    def test_each_splash_is_told_from_the_other_and_from_black(self):
        first, second = self.start_up.splash_shown(0), self.start_up.splash_shown(1)
        self.assertTrue(first(self.splash_screen(0)))
        self.assertFalse(second(self.splash_screen(0)))
        self.assertTrue(second(self.splash_screen(1)))
        self.assertFalse(first(black_screen()))

    def test_a_splash_off_centre_or_still_fading_is_not_taken_for_the_splash(self):
        first = self.start_up.splash_shown(0)
        self.assertFalse(first(self.splash_screen(0, dx=2)))
        dimmed = self.splash_screen(0, transform=lambda c: tuple(v * 3 // 4 for v in c))
        self.assertFalse(first(dimmed))

    def test_black_means_nearly_nothing_lit(self):
        shot = black_screen()
        self.assertTrue(screens.mostly_black(shot))
        paste(shot, game_picture("target.png"), 0, 0)
        self.assertFalse(screens.mostly_black(shot))

    def menu(self, names=("play", "challenge", "high", "exit")):
        shot = black_screen()
        files = {"play": "playbutton.png", "challenge": "challengebutton.png",
                 "high": "highscoresbutton.png", "exit": "exitbutton.png"}
        for place, name in zip(("play", "challenge", "high", "exit"), names):
            x, y, _, _ = screens.menu_button_rect(place)
            paste(shot, game_picture(files[name]), x, y, as_16_bit)
        return shot

    def test_the_four_buttons_at_rest_are_the_main_menu(self):
        self.assertEqual(screens.menu_button_rect("exit"), (184, 138, 112, 84))
        self.assertTrue(screens.menu_buttons_resting(self.menu()))

    def test_buttons_in_the_wrong_places_or_none_are_not_the_main_menu(self):
        self.assertFalse(screens.menu_buttons_resting(self.menu(("challenge", "play", "high",
                                                                 "exit"))))
        self.assertFalse(screens.menu_buttons_resting(black_screen()))


class TargetFinderTest(unittest.TestCase):
    def test_targets_of_any_size_are_found_with_their_centres(self):
        target = game_picture("target.png")
        shot = black_screen()
        placed = [(60, 50, 60), (230, 190, 31), (120, 200, 9)]
        for cx, cy, size in placed:
            paste(shot, scaled(target, size), cx - size // 2, cy - size // 2, as_16_bit)
        found = targets.find_targets(shot)
        self.assertEqual(len(found), 3)
        for (cx, cy, size), spot in zip(sorted(placed), found):
            self.assertLessEqual(abs(spot.centre[0] - cx), 1)
            self.assertLessEqual(abs(spot.centre[1] - cy), 1)
            self.assertLessEqual(abs(spot.size - size), 1)

    def test_a_target_against_the_grid_line_belongs_to_its_cell(self):
        shot = black_screen()
        for y in range(240):
            shot.set_pixel(160, y, (255, 255, 255))
        paste(shot, game_picture("target.png"), 100, 90, as_16_bit)  # right edge at x = 159
        paste(shot, game_picture("target.png"), 161, 10, as_16_bit)
        per_player = targets.targets_of_players(2)(shot)
        self.assertEqual([[t.centre for t in cell] for cell in per_player], [[(130, 120)],
                                                                             [(191, 40)]])

    def test_a_cell_without_a_target_fails_the_wait(self):
        shot = black_screen()
        paste(shot, game_picture("target.png"), 20, 20, as_16_bit)
        self.assertIsNone(targets.targets_of_players(2)(shot))

    def test_only_a_full_grown_target_counts_as_full_grown(self):
        shot = black_screen()
        paste(shot, scaled(game_picture("target.png"), 40), 10, 10, as_16_bit)
        self.assertIsNone(targets.full_grown_target()(shot))
        paste(shot, game_picture("target.png"), 200, 100, as_16_bit)
        self.assertEqual(targets.full_grown_target()(shot).centre, (230, 130))

    def test_red_that_is_not_round_is_no_target(self):
        shot = black_screen()
        for x in range(40, 140):
            for y in range(40, 50):
                shot.set_pixel(x, y, (222, 24, 32))
        self.assertEqual(targets.find_targets(shot), [])

    def test_the_cells_follow_the_number_of_players(self):
        self.assertEqual(targets.player_cells(3), [(0, 0, 106, 240), (106, 0, 106, 240),
                                                   (213, 0, 106, 240)])
        self.assertEqual(targets.player_cells(4)[3], (160, 120, 160, 120))


class KeyboardTest(unittest.TestCase):
    ROWS = ["1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM", "-.!"]
    INDENTS = [0, 0, 16, 48, 0]

    def setUp(self):
        self.keyboard = OnScreenKeyboard(GAME_DIR)

    def test_the_keyboard_sits_centred_on_the_bottom_edge(self):
        self.assertEqual(self.keyboard.rect, (0, 118, 320, 122))

    def test_every_key_is_found_in_the_middle_of_its_box(self):
        # Keys are 30 x 22 on a pitch of 32 x 24, rows staggered like a real keyboard.
        for row, (characters, indent) in enumerate(zip(self.ROWS, self.INDENTS)):
            for column, character in enumerate(characters):
                x, y = self.keyboard.key_centre(ord(character))
                self.assertLessEqual(abs(x - (indent + 1 + column * 32 + 15)), 1, character)
                self.assertLessEqual(abs(y - (118 + 2 + row * 24 + 11)), 1, character)
                self.assertEqual(self.keyboard.code_at(x, y), ord(character))

    def test_space_delete_and_end_are_keys_too(self):
        for code in (ord(" "), DELETE, END):
            self.assertEqual(self.keyboard.code_at(*self.keyboard.key_centre(code)), code)

    def test_a_name_is_its_keys_then_the_end_key(self):
        clicks = self.keyboard.clicks_for("AB")
        self.assertEqual([self.keyboard.code_at(*point) for point in clicks], [65, 66, END])
        with self.assertRaises(KeyError):
            self.keyboard.key_centre(ord("a"))

    def test_the_code_is_the_lowest_byte_that_is_not_zero(self):
        self.assertEqual([key_code(v) for v in (65, 65 << 16, 0, 0xFFFFFFFF)], [65, 65, 0, 255])

    def test_above_the_keyboard_there_is_no_key(self):
        self.assertEqual(self.keyboard.code_at(160, 50), 0)


class OtherScreensTest(unittest.TestCase):
    def test_the_winner_is_the_player_whose_cell_is_white(self):
        shot = black_screen()
        for x in range(160, 320):
            for y in range(240):
                shot.set_pixel(x, y, (255, 255, 255))
        self.assertEqual(play_screens.round_winner(2)(shot), 2)
        self.assertIsNone(play_screens.round_winner(2)(black_screen()))

    def test_a_message_is_white_text_and_no_target(self):
        shot = black_screen()
        for x in range(100, 220):
            for y in range(55, 65):
                shot.set_pixel(x, y, (255, 255, 255) if x % 3 else (0, 0, 0))
        self.assertTrue(play_screens.message_screen(shot))
        paste(shot, game_picture("target.png"), 130, 120, as_16_bit)
        self.assertFalse(play_screens.message_screen(shot))
        self.assertFalse(play_screens.message_screen(black_screen()))

    def test_a_red_heading_marks_a_level_objective(self):
        shot = black_screen()
        for x in range(130, 190):
            for y in range(12, 28):
                shot.set_pixel(x, y, (255, 0, 0) if x % 2 else (255, 255, 255))
        self.assertTrue(play_screens.level_heading(shot))
        self.assertFalse(play_screens.level_heading(black_screen()))

    def high_score_screen(self, name_lengths, pitch=23):
        shot = black_screen()
        for line, length in enumerate(name_lengths):
            top = 13 + line * pitch
            for y in range(top, top + 15):
                for x in list(range(30, 38)) + list(range(146, 146 + length)):
                    shot.set_pixel(x, y, (255, 255, 255))
        return shot

    def test_the_high_score_list_is_read_line_by_line(self):
        shot = self.high_score_screen([48] + [112] * 9)
        rows = play_screens.high_score_rows(shot)
        self.assertEqual(rows[:2], [(13, 27), (36, 50)])
        self.assertEqual([play_screens.name_width(shot, row) for row in rows], [48] + [112] * 9)
        self.assertTrue(play_screens.high_score_list()(shot))

    def test_a_short_list_or_the_menu_is_not_the_full_high_score_list(self):
        self.assertFalse(play_screens.high_score_list()(self.high_score_screen([112] * 9)))
        shot = self.high_score_screen([112] * 10)
        paste(shot, game_picture("exitbutton.png"), 184, 138)
        self.assertFalse(play_screens.high_score_list()(shot))

    def test_change_means_more_than_a_sliver_of_the_screen(self):
        shot = black_screen()
        other = black_screen()
        other.set_pixel(5, 5, (255, 255, 255))
        self.assertFalse(play_screens.changed(shot, other))
        for x in range(320):
            for y in range(10):
                other.set_pixel(x, y, (255, 255, 255))
        self.assertTrue(play_screens.changed(shot, other))

    def test_the_setup_screen_buttons_rest_where_their_sizes_put_them(self):
        setup = SetupScreen(GAME_DIR)
        self.assertEqual(setup.centre("plminus"), (25, 60))
        self.assertEqual(setup.centre("rplus"), (177, 144))
        self.assertEqual(setup.centre("start"), (264, 198))
        shot = black_screen()
        for name, (x, y, _, _) in setup.places.items():
            file = "playbutton.png" if name == "start" else (
                "minus.png" if name.endswith("minus") else "plus.png")
            paste(shot, game_picture(file), x, y, as_16_bit)
        self.assertTrue(setup.resting(shot))
        self.assertFalse(setup.resting(black_screen()))


class FilesAndOutputTest(unittest.TestCase):
    def test_high_scores_read_back_as_written(self):
        with tempfile.TemporaryDirectory() as folder:
            records = [(3, 57, "ann"), (0, -4, "worst player ever"), (1, 2, "")]
            write_high_dat(folder, records)
            self.assertEqual(read_high_dat(folder), records)

    def test_a_high_score_file_out_of_shape_is_refused(self):
        for text in ("3\n57\nann", "3\n57\nann\n4\n", "x\n57\nann\n"):
            with tempfile.TemporaryDirectory() as folder:
                with open(os.path.join(folder, "high.dat"), "w") as out:
                    out.write(text)
                with self.assertRaises(AssertionError):
                    read_high_dat(folder)

    def test_output_must_end_its_last_line(self):
        self.assertEqual(output.lines("a\nb\n\n"), ["a", "b", ""])
        with self.assertRaises(AssertionError):
            output.lines("a\nb")

    def test_the_mode_list_needs_the_screen_size_and_the_closing_empty_line(self):
        output.expect_mode_list(["Available Modes", "\t640 x 480", "\t320 x 240", ""])
        for wrong in (["Available Modes", "\t640 x 480", ""], ["Available Modes", "\t320 x 240"],
                      ["All resolutions available.", "\t320 x 240", ""]):
            with self.assertRaises(AssertionError):
                output.expect_mode_list(wrong)

    def test_alsa_complaints_are_not_the_games_lines(self):
        self.assertEqual(output.without_library_noise(
            ["x", "ALSA lib pcm.c:2666:(snd_pcm_open_noupdate) Unknown PCM default", "y"]),
            ["x", "y"])

    def test_screens_are_known_by_what_the_executable_names(self):
        with tempfile.NamedTemporaryFile("wb") as program:
            program.write(b"\0images/exitbutton.png\0high.dat\0")
            program.flush()
            features = Features(program.name)
        self.assertTrue(features.has("main menu"))
        self.assertTrue(features.has("high score table"))
        self.assertEqual(features.missing(["main menu", "game session", "challenge"]),
                         ["game session", "challenge"])


if __name__ == "__main__":
    unittest.main()
