"""tulvo, the Gomoku (five in a row) move generator, from Python.

The engine is libtulvo's C interface, reached through ctypes. Every call gives the
move and the scores the file program gives for the same position, side, level and
seed. Calls may come from several threads at once, and the interpreter's lock is
released while the engine works.

A board is any of:
  * a sequence of row strings as plocha.dat holds them: '-' empty, 'x' and 'o'
    stones (either letter case), '#' a blocked cell;
  * a list of lists of cell codes, 0 empty, 1 X, 2 O, 3 blocked;
  * a two-dimensional NumPy array of those codes, of an integer dtype.
All are indexed [y][x] (rows down, columns across) and must be square, 1 to 20 cells
a side. A side is "x" or "o", or 1 (X) or 2 (O); sides, levels and seeds may be any
integer type, NumPy's included. Every bad argument raises ValueError.

Beyond single moves: winner and legal_moves (the rules of the game), choose_moves (a
batch over threads), play_game (tulvo against itself) and GomokuEnv (a game
environment for learning agents, in tulvo.env).
"""

from ._arguments import fresh_seed
from ._game import Game, play_game
from ._moves import Analysis, Cell, analyze, choose_move, choose_moves, clock_seed, read_board, seed_of_time
from ._native import MAX_LEVEL, library as _library
from ._rules import legal_moves, winner
from .env import GomokuEnv

__all__ = ["MAX_LEVEL", "Analysis", "Cell", "Game", "GomokuEnv", "analyze", "choose_move", "choose_moves",
           "clock_seed", "fresh_seed", "legal_moves", "play_game", "read_board", "seed_of_time", "winner",
           "__version__"]

__version__: str = _library.tulvo_version().decode()

try:  # Gymnasium's registry, when Gymnasium is there: gymnasium.make("tulvo/Gomoku-v0")
    import gymnasium as _gymnasium
except ImportError:
    _gymnasium = None
if _gymnasium is not None:
    _gymnasium.register(id="tulvo/Gomoku-v0", entry_point="tulvo.env:GomokuEnv", disable_env_checker=True)
