"""tulvo, the Gomoku (five in a row) move generator, from Python.

The engine is libtulvo's C interface, reached through ctypes. Every call gives the
move and the scores the file program gives for the same position, side, level and
seed. Calls may come from several threads at once: the library runs one decision at
a time, and the interpreter's lock is released while it does.

A board is any of:
  * a sequence of row strings as plocha.dat holds them: '-' empty, 'x' and 'o'
    stones (either letter case), '#' a blocked cell;
  * a list of lists of cell codes, 0 empty, 1 X, 2 O, 3 blocked;
  * a two-dimensional NumPy array of those codes.
All are indexed [y][x] (rows down, columns across) and must be square, 1 to 20 cells
a side. A side is "x" or "o", or 1 (X) or 2 (O).
"""

from __future__ import annotations

import ctypes
import ctypes.util
import datetime
import os
from typing import Any, List, NamedTuple, Optional, Sequence, Tuple, Union

__all__ = ["Analysis", "Cell", "analyze", "choose_move", "clock_seed", "read_board", "seed_of_time", "__version__"]

Board = Union[Sequence[str], Sequence[Sequence[int]], Any]  # Any: a NumPy array
Side = Union[str, int]
Move = Tuple[int, int]

_MAX_SIZE = 20
_MAX_CELLS = 400
_CODES = {"-": 0, "x": 1, "X": 1, "o": 2, "O": 2, "#": 3}
# The statuses left once the arguments are checked here (TULVO_E_... in tulvo.h).
_STATUS = {-6: "more cells were evaluated than there was room for", -8: "the engine ran out of memory"}


class _Move(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int)]


class _Cell(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int) for name in ("x", "y", "base_score", "cell_score", "tier")]


def _library_path() -> str:
    """TULVO_LIBRARY if set, else the copy installed with this package, else the system's."""
    if os.environ.get("TULVO_LIBRARY"):
        return os.environ["TULVO_LIBRARY"]
    beside = os.path.join(os.path.dirname(os.path.abspath(__file__)), "libtulvo.so.3")
    if os.path.exists(beside):
        return beside
    return ctypes.util.find_library("tulvo") or "libtulvo.so.3"


def _load() -> ctypes.CDLL:
    library = ctypes.CDLL(_library_path())
    cells = ctypes.POINTER(ctypes.c_ubyte)
    library.tulvo_choose_move.argtypes = [cells, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                          ctypes.POINTER(_Move)]
    library.tulvo_analyze.argtypes = [cells, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                      ctypes.POINTER(_Move), ctypes.POINTER(_Cell), ctypes.c_int]
    library.tulvo_read_board.argtypes = [ctypes.c_char_p, ctypes.c_size_t, cells, ctypes.POINTER(ctypes.c_int),
                                         ctypes.c_char_p, ctypes.c_size_t]
    library.tulvo_tier_text.argtypes = [ctypes.c_int, ctypes.c_int]
    library.tulvo_tier_text.restype = ctypes.c_char_p
    library.tulvo_seed_of_time.argtypes = [ctypes.c_int] * 4
    library.tulvo_seed_of_time.restype = ctypes.c_uint
    library.tulvo_version.argtypes = []
    library.tulvo_version.restype = ctypes.c_char_p
    return library


_library = _load()
__version__: str = _library.tulvo_version().decode()


class Cell(NamedTuple):
    """One evaluated cell: where, its scores, and the rule or threat row that decided it."""

    x: int
    y: int
    base_score: int
    cell_score: int
    tier: str


class Analysis(NamedTuple):
    """The move (None when there is none) and every evaluated cell in scan order."""

    move: Optional[Move]
    cells: List[Cell]


def _rows(board: Board) -> List[Any]:
    if hasattr(board, "tolist") and not isinstance(board, (str, bytes)):
        board = board.tolist()  # a NumPy array
    if isinstance(board, (str, bytes)):
        raise ValueError("the board is a sequence of rows, not one string: use read_board for plocha.dat text")
    return list(board)


def _cells(board: Board) -> Tuple[Any, int]:
    """The board as the C interface's size * size bytes, cells[y * size + x]."""
    rows = _rows(board)
    size = len(rows)
    if not 1 <= size <= _MAX_SIZE:
        raise ValueError(f"the board has {size} rows; it must be 1 to 20 cells a side")
    codes = bytearray()
    for y, row in enumerate(rows):
        if len(row) != size:
            raise ValueError(f"row {y} has {len(row)} cells; the board is square, {size} a side")
        if isinstance(row, str):
            for x, mark in enumerate(row):
                if mark not in _CODES:
                    raise ValueError(f"cell {x},{y} is {mark!r}; a board row holds '-', 'x', 'o' and '#'")
                codes.append(_CODES[mark])
        else:
            for x, code in enumerate(row):
                if not (isinstance(code, int) and 0 <= code <= 3):
                    raise ValueError(f"cell {x},{y} is {code!r}; a cell code is 0 (empty), 1 (X), 2 (O) or 3 (blocked)")
                codes.append(code)
    return (ctypes.c_ubyte * len(codes)).from_buffer(codes), size


def _side(side: Side) -> int:
    if isinstance(side, str) and side.lower() in ("x", "o"):
        return 1 if side.lower() == "x" else 2
    if isinstance(side, int) and not isinstance(side, bool) and side in (1, 2):
        return side
    raise ValueError(f'the side is {side!r}; it must be "x" or "o", 1 or 2')


def _level(level: int) -> int:
    if isinstance(level, int) and not isinstance(level, bool) and 0 <= level <= 6:
        return level
    raise ValueError(f"the level is {level!r}; it must be 0 to 6")


def _seed(seed: Optional[int]) -> int:
    if seed is None:
        return clock_seed()
    if not 0 <= seed <= 0xFFFFFFFF:
        raise ValueError(f"the seed is {seed}; it must be 0 to 4294967295")
    return seed


def _check(status: int) -> int:
    if status < 0:
        raise ValueError(_STATUS.get(status, f"status {status}"))
    return status


def seed_of_time(hour: int, minute: int, second: int, millisecond: int) -> int:
    """The seed the file program takes from a UTC time of day: milliseconds since midnight."""
    return int(_library.tulvo_seed_of_time(hour, minute, second, millisecond))


def clock_seed() -> int:
    """The seed the file program would take now, from the UTC time of day."""
    now = datetime.datetime.now(datetime.timezone.utc)
    return seed_of_time(now.hour, now.minute, now.second, now.microsecond // 1000)


def choose_move(board: Board, side: Side, level: int = 6, seed: Optional[int] = None) -> Optional[Move]:
    """The move (x, y) tulvo plays on board with side to move, or None when there is none.

    level is 0 (weakest) to 6. seed feeds the random source that breaks ties and picks
    openings; None takes it from the clock as the file program does, so a fixed seed
    repeats a move exactly. Raises ValueError for a bad board, side, level or seed.
    """
    cells, size = _cells(board)
    move = _Move()
    moved = _check(_library.tulvo_choose_move(cells, size, _side(side), _level(level), _seed(seed),
                                                     ctypes.byref(move)))
    return (move.x, move.y) if moved else None


def analyze(board: Board, side: Side, level: int = 6, seed: Optional[int] = None) -> Analysis:
    """The move as choose_move gives it, and every cell the search evaluated.

    The cells come in scan order (x outer, y inner) with their base and cell scores and
    what decided them ("blocks five", "rule 9: own open four", ...). An opening move
    evaluates no cell.
    """
    cells, size = _cells(board)
    move = _Move()
    out = (_Cell * _MAX_CELLS)()
    count = _check(_library.tulvo_analyze(cells, size, _side(side), _level(level), _seed(seed), ctypes.byref(move),
                                          out, _MAX_CELLS))
    evaluated = [Cell(c.x, c.y, c.base_score, c.cell_score, _library.tulvo_tier_text(level, c.tier).decode())
                 for c in out[:count]]
    return Analysis((move.x, move.y) if move.x >= 0 else None, evaluated)


def read_board(text: Union[str, bytes]) -> List[str]:
    """Reads plocha.dat text as the file program does, into row strings of '-', 'x', 'o'.

    Raises ValueError with the reader's own message and what it means, e.g.
    "Spatna velikost plocha.dat!: the board file is empty or larger than 447 bytes".
    Of a board whose lines differ in width, the rows keep the square of the last
    line's width.
    """
    data = text.encode("latin-1") if isinstance(text, str) else bytes(text)
    cells = (ctypes.c_ubyte * _MAX_CELLS)()
    size = ctypes.c_int()
    message = ctypes.create_string_buffer(256)
    if _library.tulvo_read_board(data, len(data), cells, ctypes.byref(size), message, len(message)) != 0:
        raise ValueError(message.value.decode("latin-1"))
    n = size.value
    return ["".join("-xo#"[cells[y * n + x]] for x in range(n)) for y in range(n)]
