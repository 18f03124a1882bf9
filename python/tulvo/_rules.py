"""The rules of the game: which lines win, found on the whole board at once.

Each colour's stones become the bits of one integer, cell (x, y) at bit
y * (size + 1) + x: every row is followed by a bit that is always clear, so a line
that runs off one edge meets it instead of going on in the next row. A line of five
along a direction is then a stone whose next four along it are stones too: the
stones shifted by 0, 1, 2, 3 and 4 steps, and-ed together.
"""

from __future__ import annotations

from typing import Any, List, Optional, Set, Tuple

import numpy

from ._arguments import board_codes, rule_name

# One translation table per colour: of the cell codes 0 to 3, its own becomes the
# digit 1, every other the digit 0.
_DIGITS = {1: bytes.maketrans(b"\0\1\2\3", b"0100"), 2: bytes.maketrans(b"\0\1\2\3", b"0010")}


def _bits(codes: bytes, size: int, code: int) -> int:
    digits = codes.translate(_DIGITS[code])
    rows = b"0".join(digits[y * size:(y + 1) * size] for y in range(size))
    return int(rows[::-1], 2)


def _steps(size: int) -> Tuple[int, int, int, int]:
    """The bit distance to the next cell across, down-left, down and down-right."""
    return 1, size, size + 1, size + 2


def _line_starts(bits: int, step: int, exact: bool) -> int:
    """The stones that begin a winning line in the direction of step."""
    starts = bits & bits >> step & bits >> 2 * step & bits >> 3 * step & bits >> 4 * step
    if exact:  # neither the cell before the five nor the one after it holds a stone of its colour
        starts &= ~(bits << step) & ~(bits >> 5 * step)
    return starts


def holds_five(codes: bytes, size: int, code: int, rule: str) -> bool:
    """Whether the stones of code (1 X, 2 O) make a winning line under rule."""
    bits = _bits(codes, size, code)
    return any(_line_starts(bits, step, rule == "exact") for step in _steps(size))


def five_cells(codes: bytes, size: int, code: int, rule: str) -> Set[Tuple[int, int]]:
    """The cells (x, y) of code's stones that lie in a winning line under rule."""
    bits = _bits(codes, size, code)
    cells = 0
    for step in _steps(size):
        starts = _line_starts(bits, step, rule == "exact")
        for k in range(5):
            cells |= starts << k * step
    return {(i % (size + 1), i // (size + 1)) for i in range(cells.bit_length()) if cells >> i & 1}


def batch_fives(cells: numpy.ndarray, rule: str) -> List[int]:
    """For each board of cells (n, size, size): 0 when no side has a winning line under
    rule, else 1 for X's, 2 for O's, 3 for both. The bits of all boards are made at once."""
    count, size = cells.shape[0], cells.shape[-1]
    found = [0] * count
    stones = numpy.zeros((count, size, size + 1), bool)
    for code in (1, 2):
        stones[:, :, :size] = cells == code
        packed = numpy.packbits(stones.reshape(count, -1), axis=1, bitorder="little")
        for i in range(count):
            bits = int.from_bytes(packed[i].tobytes(), "little")
            if any(_line_starts(bits, step, rule == "exact") for step in _steps(size)):
                found[i] |= code
    return found


def winner_code(codes: bytes, size: int, rule: str) -> Optional[int]:
    """1 or 2 for the colour with a winning line, None for neither; ValueError for both."""
    x, o = holds_five(codes, size, 1, rule), holds_five(codes, size, 2, rule)
    if x and o:
        raise ValueError("the board holds fives of both x and o; no game reaches it")
    return 1 if x else 2 if o else None


def winner(board: Any, rule: str = "free") -> Optional[str]:
    """"x" or "o" for the side with a winning line on board, None when neither has one.

    rule "free": five or more in a row win; "exact": exactly five (a line of six or
    more does not). Looks at the lines only, not at whether a game reaches the board,
    except that fives of both sides raise ValueError.
    """
    codes, size = board_codes(board)
    code = winner_code(codes, size, rule_name(rule))
    return None if code is None else "xo"[code - 1]


def legal_moves(board: Any) -> numpy.ndarray:
    """A boolean array of shape (size, size), indexed [y][x], true on the empty cells."""
    codes, size = board_codes(board)
    return numpy.frombuffer(codes, numpy.uint8).reshape(size, size) == 0
