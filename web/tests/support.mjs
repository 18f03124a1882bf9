// Shared by the web tests: where the built page and the native programs are, scratch
// folders, and random positions from a seeded generator.
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

export const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
// The folder build-web.sh filled, the WebAssembly build folder and the native programs' folder.
export const webFolder = path.resolve(repository, process.env.TULVO_WEB_DIR || "build-web");
export const wasmFolder = path.resolve(repository, process.env.TULVO_WASM_DIR || "build-wasm/src/web");
export const axeFolder = path.resolve(repository, process.env.TULVO_AXE_DIR || "build/axe-core");
export const nativeBin = process.env.TULVO_NATIVE_BIN ? path.resolve(repository, process.env.TULVO_NATIVE_BIN) : null;

// A file of tests/fixtures/, which the C++ tests read too.
export function fixture(name) { return readFileSync(path.join(repository, "tests/fixtures", name), "utf8"); }

// The boards of five-boards.txt: { name, expected, text, upper } per board, where
// upper holds the "x,y" of its upper-case stones (those of a line of five or more).
export function fiveBoards() {
  return fixture("five-boards.txt").split(/^= /m).slice(1).map((block) => {
    const [heading, ...rows] = block.trimEnd().split("\n");
    const colon = heading.lastIndexOf(": ");
    const upper = new Set();
    rows.forEach((row, y) => [...row].forEach((c, x) => /[XO]/.test(c) && upper.add(`${x},${y}`)));
    return { name: heading.slice(0, colon), expected: heading.slice(colon + 2), text: rows.join("\n") + "\n", upper };
  });
}

export function loadModule() { return import(path.join(webFolder, "tulvo.js")); }

// Runs body(folder) in a fresh scratch folder, removed afterwards.
export function inScratch(body) {
  const folder = mkdtempSync(path.join(tmpdir(), "tulvo-web-"));
  try {
    return body(folder, (name, text) => writeFileSync(path.join(folder, name), text));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// A 32-bit generator, so every run sees the same positions.
export function generator(seed) {
  let state = seed >>> 0;
  return (n) => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return (((t ^ (t >>> 14)) >>> 0) % n);
  };
}

// plocha.dat text of a random position: stones dropped near the middle, X and O alternating.
export function randomBoard(next, size, stones) {
  const cells = Array.from({ length: size }, () => new Array(size).fill("-"));
  const spread = Math.max(3, Math.min(size, 3 + stones / 4));
  for (let placed = 0, tries = 0; placed < stones && tries < 50 * stones; tries++) {
    const x = Math.floor((size - spread) / 2) + next(Math.ceil(spread));
    const y = Math.floor((size - spread) / 2) + next(Math.ceil(spread));
    if (x >= size || y >= size || cells[y][x] !== "-") continue;
    cells[y][x] = placed++ % 2 === 0 ? "x" : "o";
  }
  return cells.map((row) => row.join("") + "\n").join("");
}
