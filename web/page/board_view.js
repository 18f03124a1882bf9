// The board on the page: one button per cell with data-x, data-y and a label, the
// coordinates around it, and keyboard moves (arrow keys; Enter or Space presses the
// focused cell's button, which plays it).
import { shadeAnalysis } from "./overlay.js";

const kStoneNames = { "-": "empty", x: "X", o: "O" };

export class BoardView {
  constructor(root, info, onPlay) {
    this.root = root;
    this.info = info;
    this.onPlay = onPlay;
    this.size = 0;
    this.focus = { x: 0, y: 0 };
    root.addEventListener("click", (event) => this.#clicked(event));
    root.addEventListener("keydown", (event) => this.#keyed(event));
    root.addEventListener("focusin", (event) => this.#explain(event.target));
    root.addEventListener("mouseover", (event) => this.#explain(event.target));
  }

  // Builds the grid for a board of the given side: a corner, a row of column numbers,
  // then each row's number and its cells.
  build(size) {
    this.size = size;
    this.focus = { x: size >> 1, y: size >> 1 };
    this.root.replaceChildren();
    this.root.style.setProperty("--size", String(size));
    this.root.append(label(""));
    for (let x = 0; x < size; x++) this.root.append(label(String(x)));
    this.cells = [];
    for (let y = 0; y < size; y++) {
      this.root.append(label(String(y)));
      for (let x = 0; x < size; x++) {
        const cell = document.createElement("button");
        cell.type = "button";
        cell.className = "cell";
        cell.dataset.x = String(x);
        cell.dataset.y = String(y);
        cell.tabIndex = -1;
        cell.classList.toggle("left", x === 0);
        cell.classList.toggle("right", x === size - 1);
        cell.classList.toggle("top", y === 0);
        cell.classList.toggle("bottom", y === size - 1);
        this.cells.push(cell);
        this.root.append(cell);
      }
    }
    this.#cell(this.focus.x, this.focus.y).tabIndex = 0;
  }

  // Shows the game: stones, the last move, move numbers, the winning line, and the
  // overlay's shading of an analysis ({ move, cells }) when one is given. The cells
  // are disabled until the page can play.
  render(game, { numbers = false, analysis = null, hint = null, enabled = true } = {}) {
    if (game.size !== this.size) this.build(game.size);
    const order = new Map(game.moves.map((move, i) => [`${move.x},${move.y}`, i + 1]));
    const winning = new Set((game.result ? game.result.line : []).map((p) => `${p.x},${p.y}`));
    this.shades = analysis ? shadeAnalysis(analysis) : new Map();
    const last = game.lastMove;
    for (const cell of this.cells) {
      const x = Number(cell.dataset.x), y = Number(cell.dataset.y), key = `${x},${y}`;
      const stone = game.at(x, y), shade = this.shades.get(key);
      cell.dataset.stone = stone;
      cell.classList.toggle("last", last !== null && last.x === x && last.y === y);
      cell.classList.toggle("win", winning.has(key));
      cell.classList.toggle("hint", hint === key);
      cell.classList.toggle("chosen", Boolean(shade && shade.chosen));
      if (shade) cell.dataset.band = String(shade.band); else delete cell.dataset.band;
      cell.textContent = numbers && order.has(key) ? String(order.get(key)) : "";
      cell.setAttribute("aria-label", cellLabel(x, y, stone, order.get(key), shade));
      cell.disabled = !enabled;
    }
  }

  #cell(x, y) { return this.cells[y * this.size + x]; }

  #clicked(event) {
    const cell = event.target.closest(".cell");
    if (!cell) return;
    this.#moveFocus(Number(cell.dataset.x), Number(cell.dataset.y), false);
    this.onPlay(Number(cell.dataset.x), Number(cell.dataset.y));
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
    const shade = this.shades && this.shades.get(`${cell.dataset.x},${cell.dataset.y}`);
    let text = `${cell.dataset.x},${cell.dataset.y}`;
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

function cellLabel(x, y, stone, number, shade) {
  let text = `${x},${y} ${kStoneNames[stone]}`;
  if (number) text += `, move ${number}`;
  if (shade) text += `, score ${shade.score}, base ${shade.base}`;
  return text;
}
