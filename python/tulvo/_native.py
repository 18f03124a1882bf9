"""libtulvo's C interface through ctypes: where the library is, its functions' types,
and its status codes as ValueError."""

from __future__ import annotations

import ctypes
import ctypes.util
import os

MAX_SIZE = 20
MAX_CELLS = 400
MAX_LEVEL = 6  # TULVO_MAX_LEVEL in tulvo.h


class Move(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int)]


class Cell(ctypes.Structure):
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
    # A CDLL call releases the interpreter's lock for as long as the C function runs.
    library = ctypes.CDLL(_library_path())
    cells = ctypes.POINTER(ctypes.c_ubyte)
    c_int, c_uint = ctypes.c_int, ctypes.c_uint
    library.tulvo_choose_move.argtypes = [cells, c_int, c_int, c_int, c_uint, ctypes.POINTER(Move)]
    library.tulvo_analyze.argtypes = [cells, c_int, c_int, c_int, c_uint, ctypes.POINTER(Move),
                                      ctypes.POINTER(Cell), c_int]
    library.tulvo_choose_moves.argtypes = [cells, c_int, c_int, ctypes.POINTER(c_int), c_int,
                                           ctypes.POINTER(c_uint), ctypes.POINTER(Move), c_int]
    library.tulvo_read_board.argtypes = [ctypes.c_char_p, ctypes.c_size_t, cells, ctypes.POINTER(c_int),
                                         ctypes.c_char_p, ctypes.c_size_t]
    library.tulvo_tier_text.argtypes = [c_int, c_int]
    library.tulvo_tier_text.restype = ctypes.c_char_p
    library.tulvo_status_text.argtypes = [c_int]
    library.tulvo_status_text.restype = ctypes.c_char_p
    library.tulvo_seed_of_time.argtypes = [c_int] * 4
    library.tulvo_seed_of_time.restype = c_uint
    library.tulvo_version.argtypes = []
    library.tulvo_version.restype = ctypes.c_char_p
    return library


library = _load()


def check(status: int) -> int:
    """The status when it is a result, else ValueError with the library's text for it."""
    if status < 0:
        raise ValueError(library.tulvo_status_text(status).decode())
    return status


def cell_buffer(codes: bytes) -> ctypes.Array:
    """The cell codes as the C interface's unsigned char array."""
    return (ctypes.c_ubyte * len(codes)).from_buffer_copy(codes)


def decide(codes: bytes, size: int, side: int, level: int, seed: int):
    """The engine's move (x, y) or None, for arguments already checked."""
    move = Move()
    moved = check(library.tulvo_choose_move(cell_buffer(codes), size, side, level, seed, ctypes.byref(move)))
    return (move.x, move.y) if moved else None
