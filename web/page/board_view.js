// The board on the page: one button per cell with data-x, data-y and a label, the
// letters across and numbers up around it, and keyboard moves (arrow keys; Enter or
// Space presses the focused cell's button, which plays it).
import { cellName } from "./game.js";
import { shadeAnalysis } from "./overlay.js";

const kStoneNames = { "-": "empty", x: "X", o: "O" };

export class BoardView {
  constructor(root, info, onPlay) {
    this.root = root;
    this.info = info;
    this.onPlay = onPlay;
    this.size = 0;
    this.focus = { x: 0, y: 0 };
    // A cell's width in CSS px as last laid out, read when layout changes it rather
    // than forcing a layout; onResize is called then.
    this.cellSize = Infinity;
    this.onResize = () => {};
    this.resizes = new ResizeObserver(([entry]) => {
      this.cellSize = entry.borderBoxSize[0].inlineSize;
      this.onResize();
    });
    root.addEventListener("click", (event) => this.#clicked(event));
    root.addEventListener("keydown", (event) => this.#keyed(event));
    root.addEventListener("focusin", (event) => this.#explain(event.target));
    root.addEventListener("mouseover", (event) => this.#explain(event.target));
  }

  // Builds the grid for a board of the given side: a corner, a row of column letters,
  // then each row's number, counted from the bottom, and its cells.
  build(size) {
    this.size = size;
    this.focus = { x: size >> 1, y: size >> 1 };
    const parts = [label("")];
    for (let x = 0; x < size; x++) parts.push(label(String.fromCharCode(97 + x)));
    this.cells = [];
    this.states = [];
    for (let y = 0; y < size; y++) {
      parts.push(label(String(size - y)));
      for (let x = 0; x < size; x++) {
        const cell = document.createElement("button");
        cell.type = "button";
        cell.className = "cell";
        cell.dataset.x = String(x);
        cell.dataset.y = String(y);
        cell.tabIndex = -1;
        this.cells.push(cell);
        parts.push(cell);
      }
    }
    // The winning line, drawn over its stones; out of the grid's flow.
    this.line = document.createElement("span");
    this.line.className = "win-line";
    this.line.hidden = true;
    parts.push(this.line);
    this.root.style.setProperty("--size", String(size));
    this.root.replaceChildren(...parts);
    this.resizes.disconnect();
    this.resizes.observe(this.cells[0]);
    this.#cell(this.focus.x, this.focus.y).tabIndex = 0;
  }

  // Shows the game: stones, the last move, move numbers, the winning line, the stone
  // waiting for Place ({ key: "x,y", side }), and the overlay's shading of an analysis
  // ({ move, cells }) when one is given.
  render(game, { numbers = false, analysis = null, hint = null, pending = null } = {}) {
    if (game.size !== this.size) this.build(game.size);
    const order = new Map(game.moves.map((move, i) => [`${move.x},${move.y}`, i + 1]));
    const winning = new Set((game.result ? game.result.line : []).map((p) => `${p.x},${p.y}`));
    this.shades = analysis ? shadeAnalysis(analysis) : new Map();
    const last = game.lastMove;
    this.cells.forEach((cell, i) => {
      const x = i % this.size, y = (i - x) / this.size, key = `${x},${y}`;
      const shade = this.shades.get(key);
      const state = {
        stone: game.at(x, y), last: last !== null && last.x === x && last.y === y, win: winning.has(key),
        hint: hint === key, chosen: Boolean(shade && shade.chosen), band: shade ? String(shade.band) : null,
        pending: pending && pending.key === key ? pending.side : null,
        number: numbers && order.has(key) ? String(order.get(key)) : "",
        label: cellLabel(cellName(x, y, game.size), game.at(x, y), order.get(key), shade),
      };
      // Only a cell that changed is touched, so a move costs a few cells, not the board.
      const text = JSON.stringify(state);
      if (this.states[i] === text) return;
      this.states[i] = text;
      showCell(cell, state);
    });
    this.#drawLine(game.result ? game.result.line : []);
  }

  // A bar from the first to the last cell of the line, in cells: the style sets its
  // place and length from the cell size, so it follows the board when that changes.
  #drawLine(line) {
    this.line.hidden = line.length === 0;
    if (line.length === 0) return;
    const ends = [...line].sort((a, b) => a.x - b.x || a.y - b.y);
    const [from, to] = [ends[0], ends[ends.length - 1]];
    const dx = to.x - from.x, dy = to.y - from.y;
    const style = this.line.style;
    style.setProperty("--x", String(from.x));
    style.setProperty("--y", String(from.y));
    style.setProperty("--length", String(Math.hypot(dx, dy)));
    style.setProperty("--angle", `${Math.atan2(dy, dx)}rad`);
  }


  #cell(x, y) { return this.cells[y * this.size + x]; }

  // onPlay(x, y, byPointer): byPointer is false for a press of Enter or Space.
  #clicked(event) {
    const cell = event.target.closest(".cell");
    if (!cell) return;
    this.#moveFocus(Number(cell.dataset.x), Number(cell.dataset.y), false);
    this.onPlay(Number(cell.dataset.x), Number(cell.dataset.y), event.detail > 0);
  }

  #keyed(event) {
    const steps = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
    if (event.key in steps) {
      const [dx, dy] = steps[event.key];
      const clamp = (v) => Math.min(this.size - 1, Math.max(0, v));
      this.#moveFocus(clamp(this.focus.x + dx), clamp(this.focus.y + dy), true);
      event.preventDefault();
    }
  }

  // One cell is in the tab order at a time; the arrow keys move it.
  #moveFocus(x, y, focus) {
    this.#cell(this.focus.x, this.focus.y).tabIndex = -1;
    this.focus = { x, y };
    const cell = this.#cell(x, y);
    cell.tabIndex = 0;
    if (focus) cell.focus();
  }

  #explain(target) {
    const cell = target.closest && target.closest(".cell");
    if (!cell) return;
    const key = `${cell.dataset.x},${cell.dataset.y}`, shade = this.shades && this.shades.get(key);
    let text = `${cellName(Number(cell.dataset.x), Number(cell.dataset.y), this.size)} (${key})`;
    if (shade) text += `: score ${shade.score}, base ${shade.base}, rank ${shade.rank}${shade.chosen ? ", tulvo's choice" : ""}`;
    this.info.textContent = text;
  }
}

function label(text) {
  const element = document.createElement("span");
  element.className = "coordinate";
  element.setAttribute("aria-hidden", "true");
  element.textContent = text;
  return element;
}

function showCell(cell, state) {
  cell.dataset.stone = state.stone;
  for (const name of ["last", "win", "hint", "chosen"]) cell.classList.toggle(name, state[name]);
  if (state.band !== null) cell.dataset.band = state.band; else delete cell.dataset.band;
  if (state.pending !== null) cell.dataset.pending = state.pending; else delete cell.dataset.pending;
  cell.textContent = state.number;
  cell.setAttribute("aria-label", state.label);
}

function cellLabel(name, stone, number, shade) {
  let text = `${name} ${kStoneNames[stone]}`;
  if (number) text += `, move ${number}`;
  if (shade) text += `, score ${shade.score}, base ${shade.base}`;
  return text;
}
