// One game on a square board: the moves in order, whose turn it is, five in a row,
// the position as plocha.dat text and the game record as text.

export const kMinSize = 10;
export const kMaxSize = 20;
const kWinLength = 5;
const kAxes = [[1, 0], [0, 1], [1, 1], [1, -1]];

export function otherSide(side) { return side === "x" ? "o" : "x"; }

// A cell in the game's usual notation: the column's letter, a at the left, and the row's
// number, 1 at the bottom; the middle of 15x15 (7,7) is h8.
export function cellName(x, y, size) { return `${String.fromCharCode(97 + x)}${size - y}`; }

export class Game {
  constructor(size = 15) {
    if (!Number.isInteger(size) || size < kMinSize || size > kMaxSize) {
      throw new Error(`The board size must be ${kMinSize} to ${kMaxSize}, not ${size}.`);
    }
    this.size = size;
    this.moves = [];  // { x, y, side, note }: note is free text, such as the seed an engine move used
    this.cells = new Array(size * size).fill("-");
    this.names = { x: "", o: "" };
    this.result = null;  // null while the game goes on, else { winner: "x" | "o" | null, line: [{ x, y }] }
  }

  at(x, y) { return this.cells[y * this.size + x]; }
  onBoard(x, y) { return Number.isInteger(x) && Number.isInteger(y) && x >= 0 && y >= 0 && x < this.size && y < this.size; }
  get sideToMove() { return this.moves.length % 2 === 0 ? "x" : "o"; }
  get over() { return this.result !== null; }
  get lastMove() { return this.moves.length > 0 ? this.moves[this.moves.length - 1] : null; }

  // Why the move cannot be played, or "" when it can.
  refusal(x, y) {
    if (this.over) return "The game is over.";
    if (!this.onBoard(x, y)) return `${x},${y} is off the ${this.size}x${this.size} board.`;
    if (this.at(x, y) !== "-") return `${x},${y} is already taken.`;
    return "";
  }

  play(x, y, note = "") {
    const refusal = this.refusal(x, y);
    if (refusal) throw new Error(refusal);
    const side = this.sideToMove;
    this.cells[y * this.size + x] = side;
    this.moves.push({ x, y, side, note });
    this.result = this.#resultAfter(x, y, side);
  }

  // A copy that plays on alone: the same moves, notes and names.
  clone() { return this.prefix(this.moves.length); }

  // The game as it stood after its first count moves.
  prefix(count) {
    const copy = new Game(this.size);
    for (const move of this.moves.slice(0, count)) copy.play(move.x, move.y, move.note);
    copy.names = { ...this.names };
    return copy;
  }

  undo() {
    const move = this.moves.pop();
    if (!move) return;
    this.cells[move.y * this.size + move.x] = "-";
    this.result = null;
  }

  // Five or more in a row through the last stone wins; a full board is a draw.
  #resultAfter(x, y, side) {
    const line = this.fiveThrough(x, y);
    if (line) return { winner: side, line };
    if (this.moves.length === this.size * this.size) return { winner: null, line: [] };
    return null;
  }

  // The cells of the first line of five or more through the stone at x,y, or null.
  fiveThrough(x, y) {
    const side = this.at(x, y);
    if (side === "-") return null;
    for (const [dx, dy] of kAxes) {
      const line = [{ x, y }];
      for (const step of [1, -1]) {
        for (let u = x + step * dx, v = y + step * dy; this.onBoard(u, v) && this.at(u, v) === side;
             u += step * dx, v += step * dy) {
          line.push({ x: u, y: v });
        }
      }
      if (line.length >= kWinLength) return line;
    }
    return null;
  }

  // The position as plocha.dat text: one line per row, LF after each.
  boardText() {
    let text = "";
    for (let y = 0; y < this.size; y++) text += this.cells.slice(y * this.size, (y + 1) * this.size).join("") + "\n";
    return text;
  }

  resultText() {
    if (!this.result) return "*";
    if (this.result.winner === null) return "1/2-1/2 (full board)";
    return (this.result.winner === "x" ? "1-0" : "0-1") + " (five)";
  }
}

// The match runner's record: a header of '#' lines, then one move per line as x,y,ms.
export function formatRecord(game) {
  let text = `# board ${game.size}x${game.size}\n# x ${game.names.x}\n# o ${game.names.o}\n`;
  text += `# result ${game.resultText()}\n# opening 0\n`;
  for (const move of game.moves) text += `${move.x},${move.y},0\n`;
  return text;
}

function parseHeader(line, header) {
  const match = /^#\s*(\S+)\s?(.*)$/.exec(line);
  if (!match) return;
  const [, key, value] = match;
  if (key === "board") {
    const size = /^(\d+)x(\d+)\s*$/.exec(value);
    if (!size || size[1] !== size[2]) throw new Error(`The board line "${line}" does not give a square size such as 15x15.`);
    header.size = Number(size[1]);
  } else if (key === "x" || key === "o") {
    header.names[key] = value.trim();
  }
}

// A game from record text. Throws an Error that says what is wrong with the text.
export function parseRecord(text) {
  const header = { size: null, names: { x: "", o: "" } };
  const moves = [];
  String(text).split(/\r\n|\r|\n/).forEach((raw, index) => {
    const line = raw.trim();
    if (line === "") return;
    if (line.startsWith("#")) return parseHeader(line, header);
    const match = /^(\d+)\s*,\s*(\d+)(\s*,\s*\d+)?$/.exec(line);
    if (!match) throw new Error(`Line ${index + 1} is not a move "x,y" or "x,y,ms": "${line.slice(0, 40)}".`);
    moves.push({ x: Number(match[1]), y: Number(match[2]), line: index + 1 });
  });
  if (header.size === null) throw new Error('The record has no "# board NxN" line.');
  const game = new Game(header.size);
  game.names = header.names;
  for (const move of moves) {
    const refusal = game.refusal(move.x, move.y);
    if (refusal) throw new Error(`Line ${move.line}: ${refusal}`);
    game.play(move.x, move.y);
  }
  return game;
}

// A game from plocha.dat text: the stones become moves, X and O alternating, so X
// must have as many stones as O or one more. A board holding a five becomes the game
// that five ended: its side moved last, with a stone whose removal leaves no five.
// Throws an Error that says what is wrong, also for a board no game can reach.
export function parseBoard(text) {
  const rows = String(text).split(/\r\n|\r|\n/).map((line) => line.replace(/[^-xXoO]/g, "")).filter((row) => row !== "");
  const size = rows.length;
  if (size < kMinSize || size > kMaxSize || rows.some((row) => row.length !== size)) {
    throw new Error(`A board must be square, ${kMinSize} to ${kMaxSize} rows of as many cells; this one has ${size} rows.`);
  }
  const board = new Game(size);
  const stones = { x: [], o: [] };
  rows.forEach((row, y) => [...row.toLowerCase()].forEach((c, x) => {
    board.cells[y * size + x] = c;
    if (c !== "-") stones[c].push({ x, y });
  }));
  if (stones.x.length !== stones.o.length && stones.x.length !== stones.o.length + 1) {
    throw new Error(`X has ${stones.x.length} stones and O ${stones.o.length}: X, who moves first, must have as many as O or one more.`);
  }
  const last = lastStoneOfFive(board, stones);
  if (last) stones[last.side].push(...stones[last.side].splice(last.index, 1));
  const game = new Game(size);
  stones.x.forEach((stone, i) => {
    game.play(stone.x, stone.y);
    if (i < stones.o.length) game.play(stones.o[i].x, stones.o[i].y);
  });
  return game;
}

function hasFive(board, stones) {
  return stones.some(({ x, y }) => board.fiveThrough(x, y) !== null);
}

// Where the board holds a five: { side, index } of the winner's stone that can have
// been played last. Null without a five; throws for a board no game reaches.
function lastStoneOfFive(board, stones) {
  const winners = ["x", "o"].filter((side) => hasFive(board, stones[side]));
  if (winners.length === 0) return null;
  if (winners.length === 2) throw new Error("Both X and O have five in a row: the game ends at the first five.");
  const [side] = winners, name = side.toUpperCase();
  const moverCount = side === "x" ? stones.o.length + 1 : stones.x.length;
  if (stones[side].length !== moverCount) {
    const counts = side === "x" ? "O has as many stones as X" : "X has one stone more than O";
    throw new Error(`${name} has five in a row, so ${name} moved last, but ${counts}.`);
  }
  const index = stones[side].findIndex(({ x, y }) => {
    board.cells[y * board.size + x] = "-";
    const fiveLeft = hasFive(board, stones[side]);
    board.cells[y * board.size + x] = side;
    return !fiveLeft;
  });
  if (index < 0) {
    throw new Error(`${name} has five in a row twice over, and no one stone makes both: the game ends at the first five.`);
  }
  return { side, index };
}
