// The engine in WebAssembly behind two calls, the same in a browser and in Node.
//   chooseMove(boardText, side, level, seed) -> "x,y" or null
//   analyze(boardText, side, level, seed)    -> { move, cells: [{ x, y, base, score }] }
// boardText is plocha.dat text, side "x" or "o", level 0..6 (default 6); without a
// seed the milliseconds since midnight UTC seed the engine, as the file program does.

const wasmUrl = new URL("tulvo.wasm", import.meta.url);

async function instantiate() {
  if (typeof process === "object" && process.versions && process.versions.node) {
    const { readFile } = await import("node:fs/promises");
    return WebAssembly.instantiate(await readFile(wasmUrl), {});
  }
  const response = await fetch(wasmUrl);
  if (!response.ok) throw new Error(`cannot load ${wasmUrl}: ${response.status}`);
  // The browser compiles while the bytes arrive when the server says application/wasm.
  if (response.headers.get("Content-Type")?.startsWith("application/wasm")) return WebAssembly.instantiateStreaming(response, {});
  return WebAssembly.instantiate(await response.arrayBuffer(), {});
}

const { instance } = await instantiate();
const engine = instance.exports;
engine._initialize();

const encoder = new TextEncoder();
const decoder = new TextDecoder();

const kSides = { x: 1, o: 2 };
const kFault = -1;
const kNoMove = 0;

// The seed the file program would take from this clock reading.
export function seedOfDate(date = new Date()) {
  return engine.seed_of_time(date.getUTCHours(), date.getUTCMinutes(), date.getUTCSeconds(),
                             date.getUTCMilliseconds()) >>> 0;
}

function checkedArguments(side, level, seed) {
  if (!(side in kSides)) throw new TypeError(`side must be "x" or "o", not ${JSON.stringify(side)}`);
  if (!Number.isInteger(level) || level < 0 || level > 6) throw new RangeError(`level must be 0..6, not ${level}`);
  if (seed === undefined) return seedOfDate();
  if (!Number.isInteger(seed) || seed < 0 || seed > 0xffffffff) throw new RangeError(`seed must be 0..4294967295`);
  return seed;
}

function cString(pointer) {
  const bytes = new Uint8Array(engine.memory.buffer, pointer);
  return decoder.decode(bytes.subarray(0, bytes.indexOf(0)));
}

// Runs the engine; returns the move text or null, and the trace when asked.
function decide(boardText, side, level, seed, trace) {
  const checkedSeed = checkedArguments(side, level, seed);
  const capacity = engine.input_capacity();
  const input = new Uint8Array(engine.memory.buffer, engine.input_buffer(), capacity);
  // Longer text than the buffer holds is refused by its size alone, so cutting it keeps the message.
  const { written } = encoder.encodeInto(String(boardText), input);
  const status = engine.decide(written, kSides[side], level, checkedSeed, trace ? 1 : 0);
  if (status === kFault) throw new Error(cString(engine.message()));
  const move = status === kNoMove ? null : cString(engine.move_text());
  return { move, seed: checkedSeed };
}

export function chooseMove(boardText, side, level = 6, seed = undefined) {
  return decide(boardText, side, level, seed, false).move;
}

export function analyze(boardText, side, level = 6, seed = undefined) {
  const { move } = decide(boardText, side, level, seed, true);
  const count = engine.cell_count();
  const words = new Int32Array(engine.memory.buffer, engine.cells(), count * 4);
  const cells = [];
  for (let i = 0; i < count; i++) {
    cells.push({ x: words[4 * i], y: words[4 * i + 1], base: words[4 * i + 2], score: words[4 * i + 3] });
  }
  return { move, cells };
}
