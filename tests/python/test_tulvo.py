"""The Python module against the native programs: the file program's moves (its clock
frozen at the seed's time) and tulvo-analyze's cells on random boards at every level
(boards that may hold fives, as the programs play on those too);
the three board forms alike; bad boards refused with the reader's message; threads.

Environment: TULVO_PROGRAM, TULVO_ANALYZE (the programs), TULVO_FAKETIME (the clock
library, empty when missing), TULVO_LIBRARY (libtulvo to load).
"""

import concurrent.futures
import os
import random
import subprocess
import tempfile
import unittest

import tulvo

try:
    import numpy
except ImportError:  # the array form is then not tested
    numpy = None

IN_CI = os.environ.get("CI") == "true"  # in CI what a test needs must be there: fail, not skip
PROGRAM = os.environ.get("TULVO_PROGRAM", "")
ANALYZE = os.environ.get("TULVO_ANALYZE", "")
FAKETIME = os.environ.get("TULVO_FAKETIME", "")
FROZEN_CLOCK = os.environ.get("TULVO_FROZEN_CLOCK",
                              os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "frozen-clock.sh"))


def random_board(rng, size, stones):
    """Row strings with stones of both colours on random cells."""
    cells = [["-"] * size for _ in range(size)]
    free = [(x, y) for y in range(size) for x in range(size)]
    for i, (x, y) in enumerate(rng.sample(free, min(stones, len(free)))):
        cells[y][x] = "x" if i % 2 == 0 else "o"
    return ["".join(row) for row in cells]


class NativeProgramsTest(unittest.TestCase):
    def setUp(self):
        if not (PROGRAM and ANALYZE and FAKETIME):
            missing = "TULVO_PROGRAM, TULVO_ANALYZE and TULVO_FAKETIME (libfaketime) are needed"
            (self.fail if IN_CI else self.skipTest)(missing)
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def write(self, board, side):
        with open(os.path.join(self.folder.name, "plocha.dat"), "w") as f:
            f.write("\n".join(board) + "\n")
        with open(os.path.join(self.folder.name, "tah.dat"), "w") as f:
            f.write(side)

    def file_program_move(self, board, side, level, hour, minute, second):
        self.write(board, side)
        # Through the frozen-clock script, which removes the clock library's files in /dev/shm.
        time = f"2026-01-01 {hour:02}:{minute:02}:{second:02}"
        subprocess.run([FROZEN_CLOCK, FAKETIME, time, PROGRAM, f"/{level}"], cwd=self.folder.name,
                       env=dict(os.environ, TZ="UTC"), check=True, capture_output=True)
        with open(os.path.join(self.folder.name, "tah.dat")) as f:
            text = f.read()
        return tuple(int(v) for v in text.split(",")) if "," in text else None

    def test_moves_are_the_file_programs_at_every_level(self):
        rng = random.Random(26)
        for size, stones in ((20, 100), (15, 1), (20, 0), (12, 40), (20, 220), (9, 20)):
            board = random_board(rng, size, stones)
            for level in range(7):
                side = rng.choice("xo")
                hour, minute, second = rng.randrange(24), rng.randrange(60), rng.randrange(60)
                expected = self.file_program_move(board, side, level, hour, minute, second)
                seed = tulvo.seed_of_time(hour, minute, second, 0)
                with self.subTest(size=size, stones=stones, level=level, seed=seed):
                    self.assertEqual(tulvo.choose_move(board, side, level, seed, finished_ok=True), expected)

    def test_analysis_is_tulvo_analyzes(self):
        rng = random.Random(6)
        board = random_board(rng, 18, 70)
        for level in range(7):
            self.write(board, "o")
            lines = subprocess.run([ANALYZE, "--level", str(level), "--seed", "777", "--format", "tsv",
                                    self.folder.name], check=True, capture_output=True, text=True).stdout.split("\n")
            expected = [tuple(int(v) for v in line.split("\t")) for line in lines if line and line[0].isdigit()]
            analysis = tulvo.analyze(board, 2, level, 777, finished_ok=True)
            with self.subTest(level=level):
                self.assertEqual([(c.x, c.y, c.base_score, c.cell_score) for c in analysis.cells], expected)
                self.assertEqual(f"move\t{analysis.move[0]},{analysis.move[1]}", lines[-2])
                self.assertTrue(all(c.tier for c in analysis.cells))


class BoardFormsTest(unittest.TestCase):
    def test_the_forms_give_one_move(self):
        rng = random.Random(3)
        codes = {"-": 0, "x": 1, "o": 2}
        for size, stones in ((20, 90), (15, 30), (10, 2)):
            rows = random_board(rng, size, stones)
            lists = [[codes[c] for c in row] for row in rows]
            forms = [rows, lists, tuple(tuple(row) for row in lists)]
            if numpy is not None:
                forms.append(numpy.array(lists, dtype=numpy.uint8))
            for level in (0, 4, 6):
                moves = {tulvo.choose_move(form, side, level, seed=42, finished_ok=True) for form in forms
                         for side in ("x", 1)}
                self.assertEqual(len(moves), 1, f"{size} x {size}, level {level}: {moves}")

    def test_numpy_form(self):
        if numpy is None:
            (self.fail if IN_CI else self.skipTest)("NumPy is not installed (Debian: python3-numpy)")
        board = numpy.zeros((15, 15), dtype=numpy.int64)
        board[7, 7:11] = 1  # X has four in a row along y = 7
        board[6, 3:6] = 2
        self.assertIn(tulvo.choose_move(board, "x", 6, seed=1), [(6, 7), (11, 7)])

    def test_read_board_gives_rows_the_engine_reads_alike(self):
        text = "-----\r\n-xo--\r\n--x--\r\n-----\r\n---o-\r\n"
        rows = tulvo.read_board(text)
        self.assertEqual(rows, ["-----", "-xo--", "--x--", "-----", "---o-"])
        self.assertEqual(tulvo.read_board(text.encode()), rows)

    def test_bad_boards_raise_value_error_with_the_message(self):
        cases = [
            (lambda: tulvo.read_board(""), "Spatna velikost plocha.dat!: the board file is empty"),
            (lambda: tulvo.read_board("-" * 21 + "\n"), "moc dlouhej radek!: a line of the board holds more than 20"),
            (lambda: tulvo.read_board("-\n" * 21), "more than 20 lines"),
            (lambda: tulvo.choose_move(["--", "-"], "x"), "row 1 has 1 cells"),
            (lambda: tulvo.choose_move(["-a", "--"], "x"), "cell 1,0 is 'a'"),
            (lambda: tulvo.choose_move([[0, 4], [0, 0]], "x"), "cell 1,0 is 4"),
            (lambda: tulvo.choose_move([], "x"), "0 rows"),
            (lambda: tulvo.choose_move(["-" * 21] * 21, "x"), "1 to 20 cells"),
            (lambda: tulvo.choose_move("-x-", "x"), "not one string"),
            (lambda: tulvo.choose_move(["-"], "z"), "the side is 'z'"),
            (lambda: tulvo.choose_move(["-"], 3), "the side is 3"),
            (lambda: tulvo.choose_move(["-"], "x", level=7), "the level is 7; it must be 0 to 6"),
            (lambda: tulvo.analyze(["-"], "x", level="6"), "the level is '6'"),
            (lambda: tulvo.analyze(["-"], "x", seed=-1), "the seed is -1"),
        ]
        for call, message in cases:
            with self.subTest(message=message):
                with self.assertRaises(ValueError) as raised:
                    call()
                self.assertIn(message, str(raised.exception))

    def test_full_board_has_no_move_and_clock_seed_is_a_time_of_day(self):
        self.assertIsNone(tulvo.choose_move(["xo", "ox"], "x", seed=0))
        self.assertEqual(tulvo.analyze(["xo", "ox"], "o", seed=0).move, None)
        self.assertLess(tulvo.clock_seed(), 86400000)
        self.assertEqual(tulvo.seed_of_time(1, 2, 3, 4), 3723004)


class ThreadsTest(unittest.TestCase):
    def test_eight_threads_get_what_one_gets(self):
        rng = random.Random(8)
        jobs = [(random_board(rng, 20, rng.randrange(3, 200)), rng.choice("xo"), level, rng.randrange(10**6))
                for level in range(7) for _ in range(6)]
        expected = [tulvo.analyze(*job, finished_ok=True) for job in jobs]
        with concurrent.futures.ThreadPoolExecutor(max_workers=8) as pool:
            for _ in range(3):
                self.assertEqual(list(pool.map(lambda job: tulvo.analyze(*job, finished_ok=True), jobs)), expected)


if __name__ == "__main__":
    unittest.main()
