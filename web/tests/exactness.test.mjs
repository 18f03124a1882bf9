// The WebAssembly engine against the native programs: the same move and the same
// evaluated cells for the same position, level and seed, and the reader's messages.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, readdirSync, readFileSync } from "node:fs";
import path from "node:path";
import { describe, test } from "node:test";

import { generator, inScratch, loadModule, nativeBin, randomBoard, repository } from "./support.mjs";

const { analyze, chooseMove } = await loadModule();
const skip = nativeBin ? false : "TULVO_NATIVE_BIN names no folder of native programs";
const program = (name) => path.join(nativeBin, name);
// libfaketime preloaded directly: the faketime wrapper's named semaphores can clash with
// ones that other runs left behind.
const libfaketime = ["/usr/lib", ...(existsSync("/usr/lib") ? readdirSync("/usr/lib").map((d) => path.join("/usr/lib", d)) : [])]
  .map((folder) => path.join(folder, "faketime/libfaketime.so.1")).find((file) => existsSync(file));
// Runs the preloaded program and then removes the files the library leaves in /dev/shm for it.
const frozenClock = path.join(repository, "scripts/frozen-clock.sh");

// The positions: every board size from 5 to 20, few and many stones, both sides.
function positions() {
  const next = generator(16);
  const list = [];
  for (let size = 5; size <= 20; size++) {
    for (const stones of [0, 1, 2, 3 + next(10), 10 + next(Math.min(size * size - 10, 120))]) {
      const board = randomBoard(next, size, stones);
      // Some boards with CR LF line ends and a skipped byte before each line, as an editor may leave them.
      const edited = board.replaceAll(/^(?=.)/gm, " ").replaceAll("\n", "\r\n");
      const text = next(3) === 0 && edited.length <= 447 ? edited : board;
      list.push({ board: text, side: next(2) ? "x" : "o", seed: next(0x7fffffff) * 2 + next(2) });
    }
  }
  return list;
}

function tsvOf(analysis) {
  const rows = analysis.cells.map((c) => `${c.x}\t${c.y}\t${c.base}\t${c.score}\n`);
  return rows.join("") + `move\t${analysis.move ?? "none"}\n`;
}

describe("exactness against the native programs", { skip }, () => {
  test("analyze equals tulvo-analyze --format tsv at every level", () => {
    inScratch((folder, write) => {
      for (const { board, side, seed } of positions()) {
        write("plocha.dat", board);
        for (let level = 0; level <= 6; level++) {
          const expected = execFileSync(program("tulvo-analyze"), ["--format", "tsv", "--side", side, "--level", String(level),
                                        "--seed", String(seed), path.join(folder, "plocha.dat")], { encoding: "utf8" });
          const analysis = analyze(board, side, level, seed);
          assert.equal(tsvOf(analysis), expected, `level ${level}, side ${side}, seed ${seed}, board\n${board}`);
          assert.equal(chooseMove(board, side, level, seed), analysis.move);
        }
      }
    });
  });

  test("chooseMove equals the file program under a frozen clock", { skip: !libfaketime && "libfaketime is not installed" }, () => {
    const times = [["00:00:00", 0], ["12:34:56", 45296000], ["23:59:59", 86399000]];
    inScratch((folder, write) => {
      positions().filter((_, i) => i % 4 === 0).forEach(({ board, side }, i) => {
        const [clock, seed] = times[i % times.length];
        write("plocha.dat", board);
        for (let level = 0; level <= 6; level++) {
          write("tah.dat", side);
          execFileSync("/bin/sh", [frozenClock, libfaketime, `2026-03-01 ${clock}`, program("tulvo"), `/${level}`],
            { cwd: folder });
          const written = readFileSync(path.join(folder, "tah.dat"), "latin1");
          const move = chooseMove(board, side, level, seed);
          assert.equal(move ?? side, written, `level ${level}, side ${side}, clock ${clock}, board\n${board}`);
        }
      });
    });
  });

  test("a malformed board throws the message the file program prints", () => {
    const row = "-".repeat(15) + "\n";
    const boards = {
      "empty": "",
      "448 bytes": "-".repeat(448),
      "a 21st character on a line": "-".repeat(21) + "\n",
      "a blank after twenty characters": "-".repeat(20) + " \n",
      "a 21st line": (("-".repeat(20) + "\n").repeat(20)) + "-\n",
      "far too long for any board": row.repeat(100),
    };
    inScratch((folder, write) => {
      for (const [what, board] of Object.entries(boards)) {
        write("plocha.dat", board);
        write("tah.dat", "x");
        const printed = execFileSync(program("tulvo"), ["/6"], { cwd: folder, encoding: "latin1" }).replace(/\r\n$/, "");
        assert.match(printed, /plocha\.dat/, what);
        assert.throws(() => chooseMove(board, "x", 6, 0), { message: printed }, what);
        assert.throws(() => analyze(board, "o", 3, 0), { message: printed }, what);
      }
    });
  });
});

test("arguments outside the API are refused", () => {
  const board = "-".repeat(10).concat("\n").repeat(10);
  assert.throws(() => chooseMove(board, "X", 6, 0), TypeError);
  assert.throws(() => chooseMove(board, "x", 7, 0), RangeError);
  assert.throws(() => chooseMove(board, "x", 6, -1), RangeError);
  assert.throws(() => chooseMove(board, "x", 6, 2 ** 32), RangeError);
});
