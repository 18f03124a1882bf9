"""A game environment for learning agents: the agent plays one side, tulvo at a fixed
level the other, with the reset/step interface of Gymnasium (which it does not need).

The observation is a uint8 array (3, size, size): the agent's stones, the opponent's
and the empty cells, each indexed [y][x]. An action is y * size + x. The reward is +1
when the agent's move wins, -1 when the opponent's does, 0 otherwise; a five or a full
board ends the game. info["action_mask"] holds the legal actions as int8 (all 0 once
the game is over, when info["winner"] is "x", "o" or None for a full board).
"""

from __future__ import annotations

from typing import Any, Dict, Optional, Tuple

import numpy

from ._arguments import integer, level_number, rule_name, side_code
from ._game import GameBoard, board_size, opening_stones as opening_stone_count, place_opening, random_opening


class Discrete:
    """The action space: the integers 0 to n - 1."""

    def __init__(self, n: int) -> None:
        self.n = n
        self.shape: Tuple[int, ...] = ()
        self.dtype = numpy.dtype(numpy.int64)
        self.np_random = numpy.random.default_rng()

    def seed(self, seed: Optional[int] = None) -> None:
        self.np_random = numpy.random.default_rng(seed)

    def sample(self, mask: Optional[numpy.ndarray] = None) -> int:
        """A random action; with mask (such as info["action_mask"]), one where mask is 1."""
        if mask is None:
            return int(self.np_random.integers(self.n))
        return int(self.np_random.choice(numpy.flatnonzero(mask)))

    def contains(self, action: Any) -> bool:
        number = integer(action)
        return number is not None and 0 <= number < self.n


class Box:
    """The observation space: arrays of shape and dtype with every value low to high."""

    def __init__(self, low: int, high: int, shape: Tuple[int, ...], dtype: Any) -> None:
        self.low, self.high, self.shape, self.dtype = low, high, shape, numpy.dtype(dtype)

    def contains(self, value: Any) -> bool:
        return (isinstance(value, numpy.ndarray) and value.shape == self.shape and value.dtype == self.dtype
                and bool(((value >= self.low) & (value <= self.high)).all()))


class GomokuEnv:
    """One game at a time against tulvo at opponent_level (0 to 6).

    agent is the side the agent plays, "x" (moves first) or "o" (tulvo opens). rule
    "free": five or more in a row win; "exact": exactly five. opening_stones (0 to 8)
    random stones start each game, as the arena's random openings place them. Every
    random choice, the opponent's seeds included, comes from the generator that
    reset(seed=...) seeds, so one seed and one list of actions give one game.
    """

    metadata = {"render_modes": ["ansi"]}
    render_mode = "ansi"

    def __init__(self, size: int = 15, opponent_level: int = 3, agent: str = "x", rule: str = "free",
                 opening_stones: int = 0) -> None:
        self.size = board_size(size)
        self.opponent_level = level_number(opponent_level, "opponent level")
        if not isinstance(agent, str):
            raise ValueError(f'the agent is {agent!r}; it must be "x" or "o"')
        self.agent = "xo"[side_code(agent) - 1]
        self.rule = rule_name(rule)
        self.opening_stones = opening_stone_count(opening_stones)
        self.observation_space = Box(0, 1, (3, self.size, self.size), numpy.uint8)
        self.action_space = Discrete(self.size * self.size)
        self.np_random = numpy.random.default_rng()
        self._board: Optional[GameBoard] = None
        self._over = False
        self._winner: Optional[str] = None

    def reset(self, seed: Optional[int] = None,
              options: Optional[Dict[str, Any]] = None) -> Tuple[numpy.ndarray, Dict[str, Any]]:
        """A new game: the opening, then the opponent's move when it is its turn.

        seed reseeds the environment's generator; None goes on with the one it has.
        options may hold "opening": moves x, y to play first (X first) instead of
        opening_stones random ones.
        """
        if seed is not None:
            if integer(seed) is None or integer(seed) < 0:
                raise ValueError(f"the seed is {seed!r}; it must be an integer, 0 or more, or None")
            self.np_random = numpy.random.default_rng(integer(seed))
        self._board = GameBoard(self.size, self.rule)
        self._over, self._winner = False, None
        opening = (options or {}).get("opening")
        if opening is None:
            opening = random_opening(lambda n: int(self.np_random.integers(n)), self.size, self.opening_stones)
        place_opening(self._board, opening)
        info: Dict[str, Any] = {}
        if self._board.to_move() != self._agent_code():
            self._opponent_moves(info)
        return self._observation(), self._info(info)

    def step(self, action: Any) -> Tuple[numpy.ndarray, float, bool, bool, Dict[str, Any]]:
        """Plays the agent's action, then the opponent's answer unless the game ended.

        An action off the board or on a stone raises ValueError naming it, and changes
        nothing; so does a step before reset or after the game ended.
        """
        board = self._board
        if board is None or self._over:
            raise ValueError("the game is over; reset starts a new one" if board else "reset starts the game first")
        number = integer(action)
        if number is None or not 0 <= number < self.size * self.size:
            raise ValueError(f"the action is {action!r}; it must be an integer y * {self.size} + x, "
                             f"0 to {self.size * self.size - 1}")
        x, y = number % self.size, number // self.size
        if board.cells[number]:
            raise ValueError(f"action {number} is cell {x},{y}, which already holds "
                             f"{'xo'[board.cells[number] - 1]}")
        info: Dict[str, Any] = {}
        reward = 0.0
        if board.place((x, y)):
            self._over, self._winner, reward = True, self.agent, 1.0
        elif board.full():
            self._over = True
        elif self._opponent_moves(info):
            reward = -1.0
        return self._observation(), reward, self._over, False, self._info(info)

    def render(self) -> str:
        """The board as rows of '-', 'x' and 'o', [y][x], each ended by a newline."""
        return self._board.rows() if self._board else ""

    def close(self) -> None:
        """Nothing to release: here for the interface."""

    def _agent_code(self) -> int:
        return side_code(self.agent)

    def _opponent_moves(self, info: Dict[str, Any]) -> bool:
        """tulvo's move with a seed from the generator; true when it wins."""
        board = self._board
        seed = int(self.np_random.integers(2**32))
        move = board.engine_move(self.opponent_level, seed)
        info["opponent_move"], info["opponent_seed"] = move, seed
        wins = move is not None and board.place(move)
        self._over = wins or board.full()
        if wins:
            self._winner = "xo"[2 - self._agent_code()]
        return wins

    def _observation(self) -> numpy.ndarray:
        cells = numpy.frombuffer(self._board.codes(), numpy.uint8).reshape(self.size, self.size)
        agent = self._agent_code()
        return numpy.stack([cells == agent, cells == 3 - agent, cells == 0]).astype(numpy.uint8)

    def _info(self, info: Dict[str, Any]) -> Dict[str, Any]:
        empty = numpy.frombuffer(self._board.codes(), numpy.uint8) == 0
        info["action_mask"] = (empty & (not self._over)).astype(numpy.int8)
        if self._over:
            info["winner"] = self._winner
        return info
