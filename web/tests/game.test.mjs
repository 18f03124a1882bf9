// The page's game rules, record text and overlay shading, without a browser.
import assert from "node:assert/strict";
import { test } from "node:test";

import { readFileSync } from "node:fs";
import path from "node:path";

import { Game, cellName, formatRecord, parseBoard, parseRecord } from "../page/game.js";
import { kDefaultLevel, kDifficulties } from "../page/levels.js";
import { shadeAnalysis } from "../page/overlay.js";
import { fiveBoards, fixture, repository } from "./support.mjs";

// Plays the moves, X first, given as [x, y] pairs.
function played(size, moves) {
  const game = new Game(size);
  for (const [x, y] of moves) game.play(x, y);
  return game;
}

test("five or more in a row through the last stone wins, on every axis", () => {
  const lines = {
    across: [[3, 5], [4, 5], [5, 5], [6, 5], [7, 5]],
    down: [[2, 0], [2, 1], [2, 2], [2, 3], [2, 4]],
    diagonal: [[0, 0], [1, 1], [2, 2], [3, 3], [4, 4]],
    "anti-diagonal": [[9, 0], [8, 1], [7, 2], [6, 3], [5, 4]],
  };
  for (const [name, line] of Object.entries(lines)) {
    // O answers far away on the last row; X's last stone lands in the middle of the line.
    const order = [line[0], line[1], line[3], line[4], line[2]];
    const game = played(10, order.flatMap((cell, i) => [cell, [i, 9]]).slice(0, 9));
    assert.equal(game.result?.winner, "x", name);
    assert.deepEqual(new Set(game.result.line.map((p) => `${p.x},${p.y}`)), new Set(line.map(([x, y]) => `${x},${y}`)), name);
    assert.throws(() => game.play(9, 8), /over/);
  }
  const four = played(10, [[0, 0], [0, 9], [1, 0], [1, 9], [2, 0], [2, 9], [3, 0]]);
  assert.equal(four.result, null);
  const six = played(10, [[0, 0], [0, 9], [1, 0], [1, 9], [2, 0], [2, 9], [4, 0], [3, 9], [5, 0], [8, 9], [3, 0]]);
  assert.equal(six.result.line.length, 6);
});

test("a full board without five is a draw", () => {
  // Pairs of columns alternate colour and every row shifts the pattern, so no line reaches five.
  const size = 10, moves = { x: [], o: [] };
  for (let y = 0; y < size; y++) for (let x = 0; x < size; x++) moves[(Math.floor(x / 2) + y) % 2 ? "o" : "x"].push([x, y]);
  const game = new Game(size);
  moves.x.forEach((cell, i) => { game.play(...cell); game.play(...moves.o[i]); });
  assert.deepEqual(game.result, { winner: null, line: [] });
  assert.equal(game.resultText(), "1/2-1/2 (full board)");
});

test("refusals, undo and the board text", () => {
  const game = played(10, [[4, 4], [5, 5]]);
  assert.match(game.refusal(4, 4), /already taken/);
  assert.match(game.refusal(10, 0), /off the 10x10 board/);
  assert.equal(game.boardText().split("\n")[4], "----x-----");
  game.undo();
  assert.equal(game.at(5, 5), "-");
  assert.equal(game.sideToMove, "o");
  assert.throws(() => new Game(9), /10 to 20/);
});

test("a record survives formatting and reading", () => {
  const game = played(12, [[6, 6], [7, 7], [6, 7]]);
  game.names = { x: "you", o: "tulvo level 6" };
  const text = formatRecord(game);
  assert.match(text, /^# board 12x12\n# x you\n# o tulvo level 6\n# result \*\n# opening 0\n6,6,0\n/);
  const read = parseRecord(text);
  assert.deepEqual(read.moves.map(({ x, y }) => [x, y]), [[6, 6], [7, 7], [6, 7]]);
  assert.deepEqual(read.names, game.names);
  assert.equal(parseRecord("# board 10x10\r\n1,2,5\r\n").at(1, 2), "x");
});

test("a malformed record or board is refused with what is wrong", () => {
  const faults = [
    ["7,7\n", /no "# board NxN" line/],
    ["# board 15x14\n", /square size/],
    ["# board 15x15\n7,7\nseven\n", /Line 3 is not a move/],
    ["# board 15x15\n7,7\n7,7\n", /Line 3: 7,7 is already taken/],
    ["# board 15x15\n15,0\n", /off the 15x15 board/],
    ["# board 30x30\n", /10 to 20/],
    ["-x-\n---\n---\n", /must be square, 10 to 20 rows/],
    [("x".repeat(10) + "\n") + ("-".repeat(10) + "\n").repeat(9), /X has 10 stones and O 0/],
  ];
  for (const [text, message] of faults) assert.throws(() => (text.startsWith("#") || /^\d/.test(text) ? parseRecord : parseBoard)(text), message, text);
  const board = parseBoard(("-".repeat(10) + "\n").repeat(4) + "----xo----\n" + ("-".repeat(10) + "\n").repeat(5));
  assert.equal(board.moves.length, 2);
  assert.equal(board.sideToMove, "x");
});

test("the overlay ranks like the analysis tool: ten listed, then quarters, ties share a rank", () => {
  const cells = Array.from({ length: 30 }, (_, i) => ({ x: i % 20, y: Math.floor(i / 20), base: i, score: 100 - Math.floor(i / 2) }));
  const shades = shadeAnalysis({ move: "1,0", cells });
  assert.deepEqual(shades.get("1,0"), { band: 0, rank: 1, base: 1, score: 100, chosen: true });
  assert.equal(shades.get("0,0").rank, 1);
  assert.equal(shades.get("9,0").band, 0);
  assert.equal(shades.get("10,0").band, 2);  // rank 11 of 30: (11 - 1) * 4 / 30 falls in the second quarter
  assert.equal(shades.get("9,1").band, 4);   // rank 29
  assert.equal([...shades.values()].filter((s) => s.chosen).length, 1);
});

test("undoing a winning move clears the result and the line, and the cell can be played again", () => {
  const game = played(10, [[0, 0], [0, 9], [1, 0], [1, 9], [2, 0], [2, 9], [3, 0], [3, 9], [4, 0]]);
  assert.equal(game.result.winner, "x");
  game.undo();
  assert.equal(game.result, null);
  assert.equal(game.over, false);
  assert.equal(game.refusal(4, 0), "");
  game.play(4, 0);
  assert.equal(game.result.winner, "x");
  assert.equal(game.result.line.length, 5);
});

// The shared fixtures: the arena's tests read the same files.
const cellSet = (line) => new Set(line.map((p) => `${p.x},${p.y}`));

test("the fixture boards: a five loads as the game it ended, whichever stone is last in row order", () => {
  const boards = fiveBoards();
  assert.ok(boards.length >= 6);
  for (const { name, expected, text, upper } of boards) {
    if (expected === "refused") {
      assert.throws(() => parseBoard(text), /five/, name);
      continue;
    }
    const game = parseBoard(text);
    const winner = /^([xo]) wins/.exec(expected)?.[1] ?? null;
    assert.equal(game.result?.winner ?? null, winner, name);
    assert.deepEqual(winner ? cellSet(game.result.line) : new Set(), upper, name);
    assert.equal(game.boardText(), text.toLowerCase(), name);
    assert.equal(game.moves.filter((m) => m.side === "x").length - game.moves.filter((m) => m.side === "o").length,
                 game.lastMove?.side === "o" ? 0 : 1, name);
  }
});

test("boards no game reaches are refused with the reason", () => {
  const empty = "----------";
  const board = (lines) => Array.from({ length: 10 }, (_, y) => lines[y] ?? empty).join("\n");
  const faults = [
    [board({ 0: "xxxxxx----", 2: "oooo------", 9: "o-o-------" }), /O has as many stones as X/],
    [board({ 0: "xxxx-x----", 2: "ooooo-----", 5: "x---------" }), /X has one stone more than O/],
    [board({ 0: "xxxxx-----", 1: "ooooo-----" }), /Both X and O/],
    [board({ 0: "xxx-------", 9: "---------x" }), /X has 4 stones and O 0/],
  ];
  for (const [text, reason] of faults) assert.throws(() => parseBoard(text), reason, text);
});

test("the fixture record reads and writes back unchanged, and the game ended with a five", () => {
  const text = fixture("record.txt");
  const game = parseRecord(text);
  assert.equal(formatRecord(game), text);
  assert.equal(game.result.winner, "x");
});

test("the overlay shades the fixture analysis in the bands of tulvo-analyze's picture", () => {
  const lines = fixture("analysis.tsv").trimEnd().split("\n");
  const move = lines.pop().split("\t")[1];
  const cells = lines.map((line) => line.split("\t").map(Number)).map(([x, y, base, score]) => ({ x, y, base, score }));
  const shades = shadeAnalysis({ move, cells });
  const bands = fixture("analysis-bands.txt").trimEnd().split("\n");
  bands.forEach((row, y) => [...row].forEach((expected, x) => {
    const shade = shades.get(`${x},${y}`);
    assert.equal(shade ? String(shade.band) : expected, expected, `${x},${y}`);
    if (/\d/.test(expected)) assert.ok(shade, `${x},${y} was evaluated`);
  }));
});

test("cells are named by column letter and row number counted from the bottom", () => {
  const cases = [[7, 7, 15, "h8"], [0, 14, 15, "a1"], [14, 0, 15, "o15"], [0, 0, 20, "a20"], [19, 19, 20, "t1"], [4, 5, 10, "e5"]];
  for (const [x, y, size, name] of cases) assert.equal(cellName(x, y, size), name, `${x},${y} on ${size}x${size}`);
});

test("a game's prefix is the game as it stood, without the result of its end", () => {
  const game = new Game(10);
  for (const [x, y] of [[0, 0], [0, 9], [1, 0], [1, 9], [2, 0], [2, 9], [3, 0], [3, 9], [4, 0]]) game.play(x, y, `note ${x}`);
  const start = game.prefix(4);
  assert.deepEqual(start.moves, game.moves.slice(0, 4));
  assert.equal(start.result, null);
  assert.equal(start.at(2, 0), "-");
  assert.equal(game.prefix(9).result.winner, "x");
  assert.equal(game.moves.length, 9, "the game itself keeps its moves");
});

// The per-level totals of docs/strength.md, "Elo vs its opponents", for one board size.
function measuredElo(size) {
  const page = readFileSync(path.join(repository, "docs/strength.md"), "utf8");
  const table = page.split("```text").find((block) => block.trimStart().startsWith(`${size}x${size},`));
  const rows = [...table.matchAll(/^tulvo \/(\d)\s+\d+\s+\d+\s+\d+\s+\d+\s+[\d.]+%\s+([+-]\d+) \[/gm)];
  return new Map(rows.map(([, level, elo]) => [Number(level), Number(elo)]));
}

test("the difficulties go from the weakest level to the strongest as measured on 15x15 and 20x20", () => {
  for (const size of [15, 20]) {
    const elo = measuredElo(size);
    assert.equal(elo.size, 7, `${size}x${size}: seven levels in docs/strength.md`);
    const measured = [...elo.keys()].sort((a, b) => elo.get(a) - elo.get(b));
    assert.deepEqual(kDifficulties.map((d) => d.level), measured, `${size}x${size}`);
  }
  const middle = kDifficulties[kDifficulties.length >> 1];
  assert.equal(kDefaultLevel, middle.level, "the default is the middle difficulty");
  assert.equal(new Set(kDifficulties.map((d) => d.name)).size, kDifficulties.length);
});
