"""The module's games: the rules on the shared fixtures, the environment, the batch
call against single calls, whole games, fresh seeds, and the argument types.

Environment: TULVO_LIBRARY (libtulvo to load), TULVO_FIXTURES (tests/fixtures).
"""

import os
import random
import unittest

import numpy

import tulvo
from tulvo import _native, _rules

FIXTURES = os.environ.get("TULVO_FIXTURES", os.path.join(os.path.dirname(__file__), "..", "fixtures"))


def fixture_boards():
    """(name, expected, rows) of five-boards.txt: each board after its line "= NAME: EXPECTED"."""
    boards = []
    with open(os.path.join(FIXTURES, "five-boards.txt")) as f:
        for line in f.read().splitlines():
            if line.startswith("= "):
                name, expected = line[2:].rsplit(": ", 1)
                boards.append((name, expected, []))
            elif line and not line.startswith("#"):
                boards[-1][2].append(line)
    return boards


def random_board(rng, size, stones, blocked=0):
    cells = numpy.zeros((size, size), numpy.uint8)
    free = [(x, y) for y in range(size) for x in range(size)]
    for i, (x, y) in enumerate(rng.sample(free, stones + blocked)):
        cells[y, x] = 3 if i >= stones else 1 + i % 2
    return cells


class RulesTest(unittest.TestCase):
    def test_the_fixtures_fives(self):
        boards = fixture_boards()
        self.assertGreaterEqual(len(boards), 8)
        for name, expected, rows in boards:
            codes, size = tulvo._arguments.board_codes(rows)
            upper = {(x, y) for y, row in enumerate(rows) for x, c in enumerate(row) if c.isupper()}
            overline = "overline" in expected
            with self.subTest(name):
                fives = [c for c in (1, 2) if _rules.five_cells(codes, size, c, "free")]
                found = set().union(*(_rules.five_cells(codes, size, c, "free") for c in (1, 2)))
                self.assertEqual(found, upper)
                exact = set().union(*(_rules.five_cells(codes, size, c, "exact") for c in (1, 2)))
                self.assertEqual(exact, set() if overline else upper)
                if len(fives) == 2:
                    self.assertRaisesRegex(ValueError, "fives of both x and o", tulvo.winner, rows)
                    continue
                # A refused board with one side's fives: that side's, as the uppercase stones say.
                letter = expected[0] if "wins" in expected else "xo"[fives[0] - 1] if fives else None
                self.assertEqual(tulvo.winner(rows), letter)
                self.assertEqual(tulvo.winner(rows, rule="exact"), None if overline else tulvo.winner(rows))
                self.assertTrue((tulvo.legal_moves(rows) == (numpy.array([list(r) for r in rows]) == "-")).all())

    def test_blocked_cells_break_lines_and_are_not_legal(self):
        board = ["xxxx#x", "------", "-#----", "------", "------", "------"]
        self.assertIsNone(tulvo.winner(board))
        mask = tulvo.legal_moves(board)
        self.assertEqual((mask.shape, mask.dtype, bool(mask[2, 1]), bool(mask[0, 4]), int(mask.sum())),
                         ((6, 6), numpy.bool_, False, False, 29))
        self.assertRaisesRegex(ValueError, "the rule is 'renju'", tulvo.winner, board, "renju")


class EnvironmentTest(unittest.TestCase):
    """One table of cases: each gets a fresh environment made with its arguments."""

    # X four on row 0 and O stones apart: X to move wins at 4,0.
    X_FOUR = [(0, 0), (0, 5), (1, 0), (2, 5), (2, 0), (4, 5), (3, 0), (6, 5)]
    # O four on row 5 open at both ends, X to move: O wins next.
    O_FOUR = [(0, 9), (5, 5), (14, 14), (6, 5), (0, 14), (7, 5), (14, 0), (8, 5)]
    # A 5 x 5 board with no five, 4,4 empty, X to move.
    FULL = "xxoox ooxxo xxoox ooxxo xxoo-".split()
    # X: 0..2 and 4..5 on row 0, X to move: 3,0 makes six.
    SIX = [(0, 0), (0, 5), (1, 0), (2, 5), (2, 0), (4, 5), (4, 0), (6, 5), (5, 0), (8, 9)]

    @staticmethod
    def full_opening():
        rows = EnvironmentTest.FULL
        stones = {c: [(x, y) for y in range(5) for x in range(5) if rows[y][x] == c] for c in "xo"}
        return [move for pair in zip(stones["x"], stones["o"]) for move in pair]

    def play_first_legal(self, env, seed, options=None):
        """The observations and infos of a game of the first legal action each step."""
        obs, info = env.reset(seed=seed, options=options)
        seen = [(obs, info)]
        while info["action_mask"].any():
            obs, _, _, _, info = env.step(int(numpy.flatnonzero(info["action_mask"])[0]))
            seen.append((obs, info))
        return seen

    def check_shapes(self, env):
        obs, info = env.reset(seed=1)
        self.assertEqual((obs.shape, obs.dtype), ((3, 15, 15), numpy.uint8))
        self.assertTrue(env.observation_space.contains(obs))
        self.assertEqual((info["action_mask"].shape, info["action_mask"].dtype), ((225,), numpy.int8))
        self.assertEqual((env.action_space.n, env.observation_space.shape), (225, (3, 15, 15)))
        result = env.step(112)
        self.assertEqual(len(result), 5)
        obs, reward, terminated, truncated, info = result
        self.assertEqual((obs.shape, type(reward), terminated, truncated), ((3, 15, 15), float, False, False))
        self.assertEqual(obs[0, 7, 7], 1)

    def check_mask(self, env):
        obs, info = env.reset(seed=2)
        terminated = False
        while not terminated:
            self.assertTrue(((obs[0] + obs[1] + obs[2]) == 1).all())
            self.assertTrue((info["action_mask"] == obs[2].ravel()).all())
            rows = env.render().split()
            self.assertTrue((obs[0] == (numpy.array([list(r) for r in rows]) == "x")).all())
            self.assertTrue((obs[1] == (numpy.array([list(r) for r in rows]) == "o")).all())
            obs, _, terminated, _, info = env.step(env.action_space.sample(info["action_mask"]))
        self.assertFalse(info["action_mask"].any())

    def check_illegal_actions(self, env):
        obs, info = env.reset(seed=3)
        obs, _, _, _, info = env.step(0)
        board = env.render()
        for action, message in ((0, "action 0 is cell 0,0, which already holds x"), (-1, "the action is -1"),
                                (225, "the action is 225"), (1.5, "the action is 1.5"), ("3", "the action is '3'")):
            with self.subTest(action=action):
                self.assertRaisesRegex(ValueError, message, env.step, action)
                self.assertEqual(env.render(), board)
        self.assertEqual(len(env.step(int(numpy.flatnonzero(info["action_mask"])[0]))), 5)

    def check_win(self, env):
        env.reset(seed=4, options={"opening": self.X_FOUR})
        _, reward, terminated, _, info = env.step(4)
        self.assertEqual((reward, terminated, info["winner"], int(info["action_mask"].sum())), (1.0, True, "x", 0))
        self.assertRaisesRegex(ValueError, "the game is over", env.step, 5)

    def check_loss(self, env):
        env.reset(seed=5, options={"opening": self.O_FOUR})
        _, reward, terminated, _, info = env.step(7 * 15)
        self.assertEqual((reward, terminated, info["winner"]), (-1.0, True, "o"))
        self.assertIn(info["opponent_move"], [(4, 5), (9, 5)])

    def check_full_board(self, env):
        env.reset(seed=6, options={"opening": self.full_opening()})
        _, reward, terminated, _, info = env.step(24)
        self.assertEqual((reward, terminated, info["winner"]), (0.0, True, None))

    def check_exact_five(self, env):
        env.reset(seed=7, options={"opening": self.SIX})
        _, reward, terminated, _, info = env.step(3)
        self.assertEqual((reward, terminated), (0.0, False) if env.rule == "exact" else (1.0, True))

    def check_same_seed_same_game(self, env):
        first, again = self.play_first_legal(env, 8), self.play_first_legal(env, 8)
        self.assertEqual(len(first), len(again))
        for (obs, info), (obs2, info2) in zip(first, again):
            self.assertTrue((obs == obs2).all())
            self.assertEqual(info.get("opponent_seed"), info2.get("opponent_seed"))
        openings = {self.play_first_legal(env, seed)[0][0].tobytes() for seed in range(9, 15)}
        self.assertGreater(len(openings), 1)

    def check_opponent_is_choose_move(self, env):
        obs, info = env.reset(seed=9)
        agent, opponent = ("x", "o") if env.agent == "x" else ("o", "x")
        while info["action_mask"].any():
            action = env.action_space.sample(info["action_mask"])
            before = env.render().split()
            obs, _, _, _, info = env.step(action)
            if "opponent_move" not in info:
                break
            row = list(before[action // 15])
            row[action % 15] = agent
            before[action // 15] = "".join(row)
            expected = tulvo.choose_move(before, opponent, env.opponent_level, seed=info["opponent_seed"])
            self.assertEqual(info["opponent_move"], expected)

    def check_agent_o(self, env):
        obs, info = env.reset(seed=10)
        self.assertEqual((int(obs[0].sum()), int(obs[1].sum())), (0, 1))
        self.assertEqual(info["opponent_move"],
                         tulvo.choose_move(["-" * 15] * 15, "x", env.opponent_level, seed=info["opponent_seed"]))
        self.assertEqual(obs[1, info["opponent_move"][1], info["opponent_move"][0]], 1)

    def check_opening_stones(self, env):
        for seed in range(5):
            obs, info = env.reset(seed=seed)
            stones = numpy.argwhere(obs[0] + obs[1])
            self.assertEqual(len(stones), 4 if env.agent == "x" else 5)
            self.assertTrue(((stones >= 4) & (stones <= 10)).all() or "opponent_move" in info)

    CASES = [
        ("reset and step: values, shapes, dtypes", {}, check_shapes),
        ("the mask and the render against the observation", {"opponent_level": 0}, check_mask),
        ("illegal actions change nothing", {}, check_illegal_actions),
        ("a won game", {"opponent_level": 6}, check_win),
        ("a lost game", {"opponent_level": 0}, check_loss),
        ("a full board", {"size": 5}, check_full_board),
        ("six in a row wins under free", {}, check_exact_five),
        ("six in a row is no win under exact", {"rule": "exact"}, check_exact_five),
        ("one seed, one game", {"opening_stones": 3, "opponent_level": 2}, check_same_seed_same_game),
        ("the opponent is choose_move", {"opponent_level": 5, "opening_stones": 2}, check_opponent_is_choose_move),
        ("the opponent is choose_move, playing x", {"agent": "o", "opponent_level": 1}, check_opponent_is_choose_move),
        ('agent "o": tulvo opens', {"agent": "o", "opponent_level": 4}, check_agent_o),
        ("opening stones", {"opening_stones": 4}, check_opening_stones),
    ]

    def test_cases(self):
        for name, arguments, check in self.CASES:
            with self.subTest(name):
                check(self, tulvo.GomokuEnv(**arguments))

    def test_bad_arguments(self):
        for arguments, message in (({"size": 4}, "the size is 4"), ({"opponent_level": 7}, "opponent level is 7"),
                                   ({"agent": 1}, "the agent is 1"), ({"rule": "renju"}, "the rule is 'renju'"),
                                   ({"opening_stones": 9}, "the opening is 9 stones")):
            with self.subTest(arguments):
                self.assertRaisesRegex(ValueError, message, tulvo.GomokuEnv, **arguments)
        self.assertRaisesRegex(ValueError, "reset starts the game", tulvo.GomokuEnv().step, 0)


class BatchTest(unittest.TestCase):
    def test_the_batch_is_the_single_calls(self):
        rng = random.Random(34)
        for size, count in ((15, 24), (20, 9)):
            boards = numpy.stack([random_board(rng, size, rng.randrange(0, size * size // 2), rng.randrange(0, 9))
                                  for _ in range(count - 1)] + [numpy.tile([[1, 2], [2, 1]], (size, size))[
                                      :size, :size].astype(numpy.uint8)])
            sides = [rng.choice("xo") for _ in range(count)]
            seeds = [rng.randrange(2**32) for _ in range(count)]
            for level in range(tulvo.MAX_LEVEL + 1):
                expected = [tulvo.choose_move(b, s, level, seed, finished_ok=True) or (-1, -1)
                            for b, s, seed in zip(boards, sides, seeds)]
                for threads in (1, 2, 8):
                    with self.subTest(size=size, level=level, threads=threads):
                        moves = tulvo.choose_moves(boards, sides, level, seeds, threads, finished_ok=True)
                        self.assertEqual((moves.dtype, moves.shape), (numpy.int32, (count, 2)))
                        self.assertEqual([tuple(m) for m in moves.tolist()], expected)

    def test_forms_and_faults(self):
        boards = [["-----", "-x---", "-----", "-----", "-----"]] * 3
        moves = tulvo.choose_moves(boards, "o", 3, [1, 2, 3])
        self.assertEqual([tuple(m) for m in moves.tolist()],
                         [tulvo.choose_move(boards[0], "o", 3, s) for s in (1, 2, 3)])
        self.assertEqual(tulvo.choose_moves(boards, numpy.array([2, 2, 2]), 3, [1, 2, 3]).tolist(), moves.tolist())
        fives = numpy.zeros((2, 9, 9), numpy.int64)
        fives[1, 4, 2:7] = 2
        for call, message in ((lambda: tulvo.choose_moves(numpy.zeros((3, 81), int), "x"), "three dimensions"),
                              (lambda: tulvo.choose_moves(numpy.zeros((2, 9, 9)), "x"), "dtype is float64"),
                              (lambda: tulvo.choose_moves(fives, "x"), "board 1 already holds a five of o"),
                              (lambda: tulvo.choose_moves(fives, ["x"]), "1 sides for 2 boards"),
                              (lambda: tulvo.choose_moves(fives, "x", seeds=[1]), "1 seeds for 2 boards"),
                              (lambda: tulvo.choose_moves(fives, "x", threads=-1), "threads is -1"),
                              (lambda: tulvo.choose_moves(fives + 4, "x"), "board 0: cell 0,0 is 4")):
            with self.subTest(message):
                self.assertRaisesRegex(ValueError, message, call)


class WholeGameTest(unittest.TestCase):
    def test_games_follow_the_rules_and_repeat(self):
        for x_level, o_level, size, opening, rule in ((6, 0, 15, None, "free"), (2, 3, 10, 4, "exact"),
                                                      (4, 4, 15, [(7, 7), (8, 8)], "free")):
            with self.subTest(levels=(x_level, o_level), size=size, opening=opening):
                game = tulvo.play_game(x_level, o_level, size, seed=77, opening=opening, rule=rule)
                self.assertEqual(game, tulvo.play_game(x_level, o_level, size, seed=77, opening=opening, rule=rule))
                board = [[0] * size for _ in range(size)]
                for i, (x, y) in enumerate(game.moves):
                    self.assertIsNone(tulvo.winner(board, rule), f"the game went on after a five, move {i}")
                    self.assertEqual(board[y][x], 0)
                    board[y][x] = 1 + i % 2
                self.assertEqual(tulvo.winner(board, rule), game.winner)
                self.assertTrue(game.winner is not None or len(game.moves) == size * size)
                if isinstance(opening, list):
                    self.assertEqual((game.moves[:2], game.opening), (opening, 2))

    def test_bad_openings(self):
        for opening, message in (([(7, 7), (7, 7)], "opening move 1 is 7,7, which already holds"),
                                 ([(15, 0)], "it must be a cell"), ([7], "a move is a pair"), (9, "0 to 8"),
                                 ([(0, 0), (0, 1), (1, 0), (1, 1), (2, 0), (2, 1), (3, 0), (3, 1), (4, 0)],
                                  "opening move 8 at 4,0 makes a five")):
            with self.subTest(opening=opening):
                self.assertRaisesRegex(ValueError, message, tulvo.play_game, 1, 1, 15, 1, opening)


class SeedsAndTypesTest(unittest.TestCase):
    def test_seed_none_is_fresh_on_every_call(self):
        seeds = []

        class Recording:
            def __getattr__(self, name):
                return getattr(library, name)

            def tulvo_choose_move(self, *arguments):
                seeds.append(arguments[4])
                return library.tulvo_choose_move(*arguments)

        library = _native.library
        _native.library = Recording()
        try:
            for _ in range(2000):
                tulvo.choose_move(["---", "-x-", "---"], "o")
        finally:
            _native.library = library
        self.assertEqual(len(seeds), 2000)
        self.assertGreaterEqual(len(set(seeds)), 1990)

    def test_integer_scalars_of_any_type(self):
        board = random_board(random.Random(5), 15, 40)
        expected = tulvo.choose_move(board, 2, 3, 99)
        for side, level, seed in ((numpy.int64(2), numpy.int64(3), numpy.uint32(99)), ("O", numpy.int8(3), 99),
                                  (numpy.uint8(2), 3, numpy.int64(99))):
            with self.subTest(side=side, level=level, seed=seed):
                self.assertEqual(tulvo.choose_move(board, side, level, seed), expected)
        for dtype in (numpy.int8, numpy.uint16, numpy.int64):
            self.assertEqual(tulvo.choose_move(board.astype(dtype), 2, 3, 99), expected)
        self.assertEqual(tulvo.choose_move(board.tolist(), 2, 3, 99), expected)

    def test_refused_types(self):
        board = numpy.zeros((15, 15), numpy.int64)
        for call, message in (
                (lambda: tulvo.choose_move(numpy.zeros((15, 15)), "x"), "the board's dtype is float64"),
                (lambda: tulvo.choose_move(board.astype(bool), "x"), "the board's dtype is bool"),
                (lambda: tulvo.choose_move(board.ravel(), "x"), r"two dimensions, rows of cells; this array has 1"),
                (lambda: tulvo.choose_move([0] * 225, "x"), "two dimensions, rows of cells; this one is flat"),
                (lambda: tulvo.choose_move(board[None], "x"), "this array has 3"),
                (lambda: tulvo.choose_move(board, "x", seed=1.5), "the seed is 1.5"),
                (lambda: tulvo.choose_move(board, "x", seed="5"), "the seed is '5'"),
                (lambda: tulvo.choose_move(board, "x", seed=True), "the seed is True"),
                (lambda: tulvo.choose_move(board, "x", seed=numpy.float64(2)), "the seed is 2.0"),
                (lambda: tulvo.choose_move(board, "x", seed=2**32), "the seed is 4294967296"),
                (lambda: tulvo.choose_move(board, numpy.int64(3)), "the side is 3"),
                (lambda: tulvo.choose_move(board, True), "the side is True"),
                (lambda: tulvo.choose_move(board, "x", level=numpy.float32(3)), "the level is 3.0"),
                (lambda: tulvo.analyze(board, "x", level=numpy.int64(7)), "the level is 7")):
            with self.subTest(message):
                self.assertRaisesRegex(ValueError, message, call)

    def test_max_level_is_the_librarys(self):
        move, cells = _native.Move(), _native.cell_buffer(bytes(9))
        statuses = [_native.library.tulvo_choose_move(cells, 3, 1, level, 0, move) for level in (tulvo.MAX_LEVEL,
                                                                                               tulvo.MAX_LEVEL + 1)]
        self.assertEqual(statuses, [1, -5])
        self.assertEqual(_native.library.tulvo_status_text(-5).decode(), f"the level is outside 0..{tulvo.MAX_LEVEL}")

    def test_side_letters_and_codes(self):
        board = ["-" * 10] * 2 + ["---oooo---"] + ["-" * 10] * 4 + ["---xxxx---"] + ["-" * 10] * 2
        for level in range(tulvo.MAX_LEVEL + 1):
            x_moves = {tulvo.choose_move(board, side, level, seed=1) for side in ("X", "x", 1)}
            o_moves = {tulvo.choose_move(board, side, level, seed=1) for side in ("O", "o", 2)}
            with self.subTest(level=level):
                self.assertEqual(len(x_moves), 1)
                self.assertLessEqual(x_moves, {(2, 7), (7, 7)})
                self.assertEqual(len(o_moves), 1)
                self.assertLessEqual(o_moves, {(2, 2), (7, 2)})

    def test_a_finished_board(self):
        board = ["xxxxx", "o-o-o", "-o---", "-----", "-----"]
        self.assertRaisesRegex(ValueError, "the board already holds a five of x", tulvo.choose_move, board, "o")
        self.assertRaisesRegex(ValueError, "the board already holds a five of x", tulvo.analyze, board, "o")
        self.assertIsNotNone(tulvo.choose_move(board, "o", seed=1, finished_ok=True))
        self.assertIsNotNone(tulvo.analyze(board, "o", seed=1, finished_ok=True).move)
        both = ["xxxxx", "ooooo", "-----", "-----", "-----"]
        self.assertRaisesRegex(ValueError, "fives of x and o", tulvo.choose_move, both, "x")

    def test_blocked_cells_are_never_chosen(self):
        rng = random.Random(9)
        for trial in range(8):
            board = random_board(rng, 15, 10 + 12 * trial, 60)
            rows = ["".join("-xo#"[c] for c in row) for row in board]
            for level in range(tulvo.MAX_LEVEL + 1):
                move = tulvo.choose_move(rows, "xo"[trial % 2], level, seed=trial, finished_ok=True)
                self.assertEqual(rows[move[1]][move[0]], "-", f"trial {trial}, level {level}: {move}")


if __name__ == "__main__":
    unittest.main()
