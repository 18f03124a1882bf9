"""The arguments the module's functions take, checked and converted: boards into the
C interface's cell codes, sides, levels, seeds and rules. Every fault is a ValueError
that says what was given and what is wanted."""

from __future__ import annotations

import operator
import random
from typing import Any, Optional, Tuple

import numpy

from ._native import MAX_LEVEL, MAX_SIZE

_CODES = {"-": 0, "x": 1, "X": 1, "o": 2, "O": 2, "#": 3}
_ROW_TABLE = bytes.maketrans(b"-xXoO#", bytes([0, 1, 1, 2, 2, 3]))
_CELL_CODES = "a cell code is 0 (empty), 1 (X), 2 (O) or 3 (blocked)"
RULES = ("free", "exact")
_SYSTEM_RANDOM = random.SystemRandom()


def integer(value: Any) -> Optional[int]:
    """value as an int when it is an integer (NumPy's scalars included, bool not), else None."""
    if isinstance(value, (bool, numpy.bool_)):
        return None
    try:
        return operator.index(value)
    except TypeError:
        return None


def array_cells(array: numpy.ndarray, batch: bool = False) -> numpy.ndarray:
    """A board (or with batch, boards along a first axis) as a C-contiguous uint8 array."""
    if array.ndim != 2 + batch:
        wanted = "the boards need three dimensions (board, row, cell)" if batch else \
            "the board needs two dimensions, rows of cells"
        raise ValueError(f"{wanted}; this array has {array.ndim} (shape {array.shape})")
    if array.dtype.kind not in "iu":
        raise ValueError(f"the board's dtype is {array.dtype}; it must be an integer dtype: {_CELL_CODES}")
    rows, cells = array.shape[-2:]
    _check_size(rows)
    if cells != rows:
        raise ValueError(f"row 0 has {cells} cells; the board is square, {rows} a side")
    bad = numpy.argwhere((array < 0) | (array > 3))
    if len(bad):
        where = f"board {bad[0][0]}: " if batch else ""
        y, x = bad[0][-2:]
        raise ValueError(f"{where}cell {x},{y} is {array[tuple(bad[0])].item()!r}; {_CELL_CODES}")
    return numpy.ascontiguousarray(array, dtype=numpy.uint8)


def _check_size(size: int) -> None:
    if not 1 <= size <= MAX_SIZE:
        raise ValueError(f"the board has {size} rows; it must be 1 to {MAX_SIZE} cells a side")


def _row_codes(row: Any, y: int, size: int) -> bytes:
    if isinstance(row, bytes) or not hasattr(row, "__len__"):
        raise ValueError(f"the board needs two dimensions, rows of cells; row {y} is {row!r}")
    if len(row) != size:
        raise ValueError(f"row {y} has {len(row)} cells; the board is square, {size} a side")
    if isinstance(row, str):
        for x, mark in enumerate(row):
            if mark not in _CODES:
                raise ValueError(f"cell {x},{y} is {mark!r}; a board row holds '-', 'x', 'o' and '#'")
        return row.encode("ascii").translate(_ROW_TABLE)
    codes = bytearray()
    for x, cell in enumerate(row):
        code = integer(cell)
        if code is None or not 0 <= code <= 3:
            raise ValueError(f"cell {x},{y} is {cell!r}; {_CELL_CODES}")
        codes.append(code)
    return bytes(codes)


def board_codes(board: Any) -> Tuple[bytes, int]:
    """The board as the C interface's size * size cell codes, [y * size + x], and its size."""
    if isinstance(board, numpy.ndarray) and board.dtype.kind not in "US":
        return array_cells(board).tobytes(), board.shape[0]
    if hasattr(board, "tolist"):
        board = board.tolist()
    if isinstance(board, (str, bytes)):
        raise ValueError("the board is a sequence of rows, not one string: use read_board for plocha.dat text")
    rows = list(board)
    if rows and all(integer(row) is not None for row in rows):
        raise ValueError(f"the board needs two dimensions, rows of cells; this one is flat, {len(rows)} cells")
    _check_size(len(rows))
    return b"".join(_row_codes(row, y, len(rows)) for y, row in enumerate(rows)), len(rows)


def side_code(side: Any) -> int:
    """1 for X, 2 for O."""
    if isinstance(side, str) and side.lower() in ("x", "o"):
        return 1 if side.lower() == "x" else 2
    if integer(side) in (1, 2):
        return integer(side)
    raise ValueError(f'the side is {side!r}; it must be "x" or "o", 1 or 2')


def level_number(level: Any, what: str = "level") -> int:
    number = integer(level)
    if number is None or not 0 <= number <= MAX_LEVEL:
        raise ValueError(f"the {what} is {level!r}; it must be 0 to {MAX_LEVEL}")
    return number


def fresh_seed() -> int:
    """32 bits from the system's random source: what seed=None stands for."""
    return _SYSTEM_RANDOM.getrandbits(32)


def seed_number(seed: Any) -> int:
    """seed as the engine's 32-bit seed; None draws a fresh one."""
    if seed is None:
        return fresh_seed()
    number = integer(seed)
    if number is None or not 0 <= number <= 0xFFFFFFFF:
        raise ValueError(f"the seed is {seed!r}; it must be an integer, 0 to 4294967295, or None")
    return number


def rule_name(rule: Any) -> str:
    if rule not in RULES:
        raise ValueError(f'the rule is {rule!r}; it must be "free" (five or more in a row win) '
                         f'or "exact" (exactly five)')
    return rule
