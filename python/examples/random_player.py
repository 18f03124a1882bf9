"""A random player against each of tulvo's levels on 15 x 15: ten games per level,
colours alternating: the random player's score (a win 1, a draw 1/2) and how many
moves the games lasted."""

import random

import tulvo

SIZE = 15


def makes_five(board, x, y):
    """Whether the stone just placed at x, y is in a row of five or more."""
    stone = board[y][x]
    for dx, dy in ((1, 0), (0, 1), (1, 1), (1, -1)):
        run = 1
        for sign in (1, -1):
            i, j = x + sign * dx, y + sign * dy
            while 0 <= i < SIZE and 0 <= j < SIZE and board[j][i] == stone:
                run, i, j = run + 1, i + sign * dx, j + sign * dy
        if run >= 5:
            return True
    return False


def play(level, tulvo_is_x, rng):
    """The random player's score and the number of moves played."""
    board = [[0] * SIZE for _ in range(SIZE)]
    for turn in range(SIZE * SIZE):
        side = 1 if turn % 2 == 0 else 2
        if (side == 1) == tulvo_is_x:
            move = tulvo.choose_move(board, side, level, seed=rng.randrange(2**32))
        else:
            move = rng.choice([(x, y) for y in range(SIZE) for x in range(SIZE) if board[y][x] == 0])
        if move is None:
            return 0.5, turn
        x, y = move
        board[y][x] = side
        if makes_five(board, x, y):
            return (0.0 if (side == 1) == tulvo_is_x else 1.0), turn + 1
    return 0.5, SIZE * SIZE


rng = random.Random(2026)
for level in range(7):
    games = [play(level, game % 2 == 0, rng) for game in range(10)]
    score, moves = sum(g[0] for g in games), sum(g[1] for g in games)
    print(f"level {level}: random player {score:g} / 10, {moves / 10:.1f} moves a game")
