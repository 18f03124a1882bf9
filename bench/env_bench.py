"""Speed of the Python module's game calls (wall clock, with the machine's load average;
the environment's also per second of CPU time):
GomokuEnv steps per second for one environment and a random agent at opponent levels
3 and 6 (the resets between games count in the time, not as steps), and choose_moves
on 1,024 boards of 15 x 15 at level 6 with 1 and 2 threads, with and without the
check for a five on every board.
Usage: env_bench.py [SECONDS]   (time per figure, default 3)"""

import os
import sys
import time

import numpy

import tulvo

SECONDS = float(sys.argv[1]) if len(sys.argv) > 1 else 3.0


def env_steps_per_second(level):
    env = tulvo.GomokuEnv(opponent_level=level)
    env.action_space.seed(1)
    steps, games, start, cpu_start = 0, 0, time.perf_counter(), time.process_time()
    while time.perf_counter() - start < SECONDS:
        _, info = env.reset(seed=games)
        terminated = False
        while not terminated:
            _, _, terminated, _, info = env.step(env.action_space.sample(info["action_mask"]))
            steps += 1
        games += 1
    return steps / (time.perf_counter() - start), steps / (time.process_time() - cpu_start), steps / games


def batch_boards():
    """1,024 positions of games tulvo played itself, 10 to 70 stones and never a five."""
    boards, sides = numpy.zeros((1024, 15, 15), numpy.uint8), []
    for i in range(1024):
        game = tulvo.play_game(1, 2, 15, seed=i)
        moves = game.moves[:min(10 + i % 61, len(game.moves) - 1)]
        for k, (x, y) in enumerate(moves):
            boards[i, y, x] = 1 + k % 2
        sides.append(1 + len(moves) % 2)
    return boards, sides


def batch_moves_per_second(boards, sides, threads, finished_ok):
    seeds = list(range(len(boards)))
    decided, start = 0, time.perf_counter()
    while time.perf_counter() - start < SECONDS:
        tulvo.choose_moves(boards, sides, 6, seeds, threads, finished_ok=finished_ok)
        decided += len(boards)
    return decided / (time.perf_counter() - start)


print("load average before: " + " ".join(f"{v:.2f}" for v in os.getloadavg()))
for level in (3, 6):
    rate, cpu_rate, length = env_steps_per_second(level)
    print(f"GomokuEnv, random agent against level {level}: {rate:.0f} steps per second, {cpu_rate:.0f} per CPU "
          f"second ({length:.1f} steps a game)")
boards, sides = batch_boards()
for finished_ok in (True, False):
    rates = [batch_moves_per_second(boards, sides, threads, finished_ok) for threads in (1, 2)]
    checked = "no five check" if finished_ok else "five check on every board"
    print(f"choose_moves, 1024 boards at level 6, {checked}: {rates[0]:.0f} moves per second with 1 thread, "
          f"{rates[1]:.0f} with 2 ({rates[1] / rates[0]:.2f}x)")
print("load average after: " + " ".join(f"{v:.2f}" for v in os.getloadavg()))
