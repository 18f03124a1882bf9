"""Games from the first stone to the last: the board as it fills, random openings as
the arena draws them, and tulvo playing itself."""

from __future__ import annotations

import random
from typing import Any, Callable, List, NamedTuple, Optional, Sequence, Tuple, Union

from . import _native
from ._arguments import integer, level_number, rule_name, seed_number
from ._native import MAX_SIZE
from ._rules import holds_five

Move = Tuple[int, int]
MAX_OPENING_STONES = 8


class GameBoard:
    """A board that a game fills, X first: cell codes [y * size + x] and the stones placed."""

    def __init__(self, size: int, rule: str) -> None:
        self.size = size
        self.rule = rule
        self.cells = bytearray(size * size)
        self.moves: List[Move] = []

    def to_move(self) -> int:
        """1 (X) after an even number of stones, else 2 (O)."""
        return 1 if len(self.moves) % 2 == 0 else 2

    def full(self) -> bool:
        return len(self.moves) == self.size * self.size

    def codes(self) -> bytes:
        return bytes(self.cells)

    def place(self, move: Move) -> bool:
        """Places the side to move's stone on an empty cell; true when it makes a winning line."""
        code = self.to_move()
        self.cells[move[1] * self.size + move[0]] = code
        self.moves.append(move)
        return holds_five(self.codes(), self.size, code, self.rule)

    def engine_move(self, level: int, seed: int) -> Optional[Move]:
        return _native.decide(self.codes(), self.size, self.to_move(), level, seed)

    def rows(self) -> str:
        return "".join("-xo#"[code] + ("\n" if i % self.size == self.size - 1 else "")
                       for i, code in enumerate(self.cells))


def _starts_threat(board: GameBoard, move: Move) -> bool:
    """Whether the stone at move has two more of its colour in some five-cell window of a line through it."""
    x, y = move
    own = board.cells[y * board.size + x]
    for dx, dy in ((1, 0), (1, 1), (0, 1), (-1, 1)):
        for start in range(-4, 1):
            count = sum(1 for k in range(start, start + 5)
                        if 0 <= x + k * dx < board.size and 0 <= y + k * dy < board.size
                        and board.cells[(y + k * dy) * board.size + x + k * dx] == own)
            if count >= 3:
                return True
    return False


def random_opening(below: Callable[[int], int], size: int, stones: int) -> List[Move]:
    """stones moves, X and O in turn, within three cells of the centre, none of them
    making three of its colour within five cells of a line; drawn again from the first
    stone whenever one would. below(n) gives a random number 0 to n - 1."""
    low, high = max(0, size // 2 - 3), min(size - 1, size // 2 + 3)
    while True:
        board = GameBoard(size, "free")
        while len(board.moves) < stones:
            move = (low + below(high - low + 1), low + below(high - low + 1))
            if board.cells[move[1] * size + move[0]] != 0:
                continue
            board.place(move)
            if _starts_threat(board, move):
                break
        else:
            return board.moves


def opening_stones(count: Any) -> int:
    number = integer(count)
    if number is None or not 0 <= number <= MAX_OPENING_STONES:
        raise ValueError(f"the opening is {count!r} stones; it must be 0 to {MAX_OPENING_STONES}")
    return number


def place_opening(board: GameBoard, moves: Sequence[Any]) -> None:
    """Plays the given moves, X first; ValueError for a move off the board, on a stone, or making a five."""
    for i, move in enumerate(moves):
        try:
            x, y = (integer(v) for v in move)
        except (TypeError, ValueError):
            raise ValueError(f"opening move {i} is {move!r}; a move is a pair x, y") from None
        if x is None or y is None or not (0 <= x < board.size and 0 <= y < board.size):
            raise ValueError(f"opening move {i} is {move!r}; it must be a cell of the "
                             f"{board.size} x {board.size} board")
        if board.cells[y * board.size + x] != 0:
            raise ValueError(f"opening move {i} is {x},{y}, which already holds a stone")
        if board.place((x, y)):
            raise ValueError(f"opening move {i} at {x},{y} makes a five; an opening leaves the game open")


class Game(NamedTuple):
    """A whole game: its moves in order (the opening's first) and the winner."""

    moves: List[Move]
    winner: Optional[str]  # "x", "o", or None for a full board
    opening: int  # how many of the moves were the opening


def board_size(size: Any) -> int:
    number = integer(size)
    if number is None or not 5 <= number <= MAX_SIZE:
        raise ValueError(f"the size is {size!r}; it must be an integer, 5 to {MAX_SIZE}")
    return number


def play_game(x_level: int, o_level: int, size: int = 15, seed: Optional[int] = None,
              opening: Union[None, int, Sequence[Move]] = None, rule: str = "free") -> Game:
    """tulvo at x_level against tulvo at o_level, from the opening to a five or a full board.

    seed (None: a fresh one) seeds the generator that draws each move's seed and a
    random opening, so one seed gives one game. opening is None, a count of random
    stones (0 to 8) placed as the arena's random openings place them, or moves x, y
    played first, X first. rule "free": five or more in a row win; "exact": exactly five.
    """
    levels = (level_number(x_level, "x level"), level_number(o_level, "o level"))
    board = GameBoard(board_size(size), rule_name(rule))
    generator = random.Random(seed_number(seed))
    if opening is None or integer(opening) is not None:
        stones = opening_stones(opening or 0)
        place_opening(board, random_opening(generator.randrange, board.size, stones))
    else:
        place_opening(board, opening)
    opened = len(board.moves)
    while not board.full():
        move = board.engine_move(levels[board.to_move() - 1], generator.getrandbits(32))
        if move is None:
            break
        if board.place(move):
            return Game(board.moves, "xo"[board.cells[move[1] * board.size + move[0]] - 1], opened)
    return Game(board.moves, None, opened)
