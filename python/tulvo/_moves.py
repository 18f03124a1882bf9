"""The engine's decisions: one board, a board with every evaluated cell, and batches."""

from __future__ import annotations

import ctypes
import datetime
import os
from typing import Any, List, NamedTuple, Optional, Sequence, Tuple, Union

import numpy

from . import _native
from ._arguments import array_cells, board_codes, integer, level_number, seed_number, side_code
from ._native import MAX_CELLS, MAX_LEVEL, library
from ._rules import batch_fives, winner_code

Board = Union[Sequence[str], Sequence[Sequence[int]], Any]  # Any: a NumPy array
Side = Union[str, int]
Move = Tuple[int, int]


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


def _unfinished(codes: bytes, size: int, finished_ok: bool) -> None:
    if finished_ok:
        return
    try:
        winner = winner_code(codes, size, "free")
    except ValueError:
        raise ValueError("the board already holds fives of x and o") from None
    if winner is not None:
        raise ValueError(f"the board already holds a five of {'xo'[winner - 1]}")


def _unfinished_batch(cells: numpy.ndarray) -> None:
    for i, found in enumerate(batch_fives(cells, "free")):
        if found:
            raise ValueError(f"board {i} already holds {('a five of x', 'a five of o', 'fives of x and o')[found - 1]}")


def seed_of_time(hour: int, minute: int, second: int, millisecond: int) -> int:
    """The seed the file program takes from a UTC time of day: milliseconds since midnight."""
    return int(library.tulvo_seed_of_time(hour, minute, second, millisecond))


def clock_seed() -> int:
    """The seed the file program would take now, from the UTC time of day.

    Pass it as seed to play what the file program plays at this moment; seed=None
    draws a fresh seed instead, since calls in a tight loop share a millisecond.
    """
    now = datetime.datetime.now(datetime.timezone.utc)
    return seed_of_time(now.hour, now.minute, now.second, now.microsecond // 1000)


def choose_move(board: Board, side: Side, level: int = MAX_LEVEL, seed: Optional[int] = None, *,
                finished_ok: bool = False) -> Optional[Move]:
    """The move (x, y) tulvo plays on board with side to move, or None when there is none.

    level is 0 (weakest) to 6. seed feeds the random source that breaks ties and picks
    openings, so a fixed seed repeats a move exactly; None draws a fresh one from the
    system's random source. A board that already holds a five (of five or more in a
    row) raises ValueError unless finished_ok is true. Raises ValueError for a bad
    board, side, level or seed.
    """
    codes, size = board_codes(board)
    side, level, seed = side_code(side), level_number(level), seed_number(seed)
    _unfinished(codes, size, finished_ok)
    return _native.decide(codes, size, side, level, seed)


def analyze(board: Board, side: Side, level: int = MAX_LEVEL, seed: Optional[int] = None, *,
            finished_ok: bool = False) -> Analysis:
    """The move as choose_move gives it, and every cell the search evaluated.

    The cells come in scan order (x outer, y inner) with their base and cell scores and
    what decided them ("blocks five", "rule 9: own open four", ...). An opening move
    evaluates no cell.
    """
    codes, size = board_codes(board)
    side, level, seed = side_code(side), level_number(level), seed_number(seed)
    _unfinished(codes, size, finished_ok)
    move = _native.Move()
    out = (_native.Cell * MAX_CELLS)()
    count = _native.check(library.tulvo_analyze(_native.cell_buffer(codes), size, side, level, seed,
                                                ctypes.byref(move), out, MAX_CELLS))
    evaluated = [Cell(c.x, c.y, c.base_score, c.cell_score, library.tulvo_tier_text(level, c.tier).decode())
                 for c in out[:count]]
    return Analysis((move.x, move.y) if move.x >= 0 else None, evaluated)


def _batch_codes(boards: Any) -> numpy.ndarray:
    """The boards as one C-contiguous uint8 array of shape (n, size, size)."""
    if isinstance(boards, numpy.ndarray) and boards.dtype.kind not in "US":
        return array_cells(boards, batch=True)
    converted = [board_codes(board) for board in boards]
    sizes = {size for _, size in converted}
    if len(sizes) > 1:
        raise ValueError(f"the boards differ in size ({', '.join(map(str, sorted(sizes)))}); a batch has one size")
    size = sizes.pop() if sizes else 1
    return numpy.frombuffer(b"".join(codes for codes, _ in converted), numpy.uint8).reshape(-1, size, size)


def _batch_seeds(seeds: Any, count: int) -> numpy.ndarray:
    if seeds is None:
        return numpy.frombuffer(os.urandom(4 * count), numpy.uint32).copy()
    numbers = [seed_number(seed) if seed is not None else None for seed in seeds]
    if None in numbers or len(numbers) != count:
        raise ValueError(f"seeds holds {len(numbers)} seeds for {count} boards; give one integer seed a board, "
                         f"or None")
    return numpy.array(numbers, numpy.uint32)


def choose_moves(boards: Any, sides: Any, level: int = MAX_LEVEL, seeds: Any = None, threads: int = 0, *,
                 finished_ok: bool = False) -> numpy.ndarray:
    """The moves of a batch of boards, decided over threads threads (0: one per core).

    boards is a NumPy array of shape (n, size, size) of cell codes, or a sequence of
    boards of one size in any form choose_move takes. sides is one side for every
    board or a sequence of n. seeds is None (fresh seeds) or n seeds. Returns an int32
    array of shape (n, 2) holding x, y, or -1, -1 where a board has no move; each row
    is choose_move's for its board and seed. The interpreter's lock is released while
    the batch runs.
    """
    cells = _batch_codes(boards)
    count, size = cells.shape[0], cells.shape[-1]
    side_list = [side_code(sides)] * count if isinstance(sides, str) or integer(sides) is not None else [
        side_code(side) for side in sides]
    if len(side_list) != count:
        raise ValueError(f"sides holds {len(side_list)} sides for {count} boards; give one side, or one a board")
    level = level_number(level)
    seed_array = _batch_seeds(seeds, count)
    thread_count = integer(threads)
    if thread_count is None or thread_count < 0:
        raise ValueError(f"threads is {threads!r}; it must be an integer, 0 (one per core) or more")
    if not finished_ok:
        _unfinished_batch(cells)
    side_array = numpy.array(side_list, numpy.intc)
    moves = numpy.full((count, 2), -1, numpy.int32)
    _native.check(library.tulvo_choose_moves(
        cells.ctypes.data_as(ctypes.POINTER(ctypes.c_ubyte)), count, size,
        side_array.ctypes.data_as(ctypes.POINTER(ctypes.c_int)), level,
        seed_array.ctypes.data_as(ctypes.POINTER(ctypes.c_uint)),
        moves.ctypes.data_as(ctypes.POINTER(_native.Move)), thread_count))
    return moves


def read_board(text: Union[str, bytes]) -> List[str]:
    """Reads plocha.dat text as the file program does, into row strings of '-', 'x', 'o'.

    Raises ValueError with the reader's own message and what it means, e.g.
    "Spatna velikost plocha.dat!: the board file is empty or larger than 447 bytes".
    Of a board whose lines differ in width, the rows keep the square of the last
    line's width.
    """
    data = text.encode("latin-1") if isinstance(text, str) else bytes(text)
    cells = (ctypes.c_ubyte * MAX_CELLS)()
    size = ctypes.c_int()
    message = ctypes.create_string_buffer(256)
    if library.tulvo_read_board(data, len(data), cells, ctypes.byref(size), message, len(message)) != 0:
        raise ValueError(message.value.decode("latin-1"))
    n = size.value
    return ["".join("-xo#"[cells[y * n + x]] for x in range(n)) for y in range(n)]
