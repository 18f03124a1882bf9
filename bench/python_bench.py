"""Moves per second through the Python module on the 100-stone midgame at levels 0, 3
and 6, per second of CPU time (the machine's other work does not count), with the
board given as row strings (so the conversion is timed too).
Usage: python_bench.py BOARD_FILE   (tulvo-library-bench --board BOARD_FILE writes it)"""

import sys
import time

import tulvo

with open(sys.argv[1], "rb") as f:
    board = tulvo.read_board(f.read())
print("20x20/100 through Python, moves per second of CPU time")
for level in (0, 3, 6):
    moves, start = 0, time.process_time()
    while time.process_time() - start < 1.0:
        for _ in range(100):
            tulvo.choose_move(board, "x", level, seed=moves)
            moves += 1
    print(f"level {level}: {moves / (time.process_time() - start):.0f}")
