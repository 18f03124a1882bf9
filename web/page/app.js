// The page: a game against tulvo, watch mode, the analysis overlay and the record.
import { BoardView } from "./board_view.js";
import { Game, formatRecord, kMaxSize, kMinSize, otherSide, parseBoard, parseRecord } from "./game.js";

const $ = (id) => document.getElementById(id);
const kDefaultSize = 15;
const kDefaultLevel = 6;
const kWatchDelays = [1500, 700, 300, 100, 0];  // ms between moves, slow to fast

let engine = null;
let game = new Game(kDefaultSize);
let person = "x";   // the side the person plays; null in watch mode
let analyses = [];  // per move index: the analysis tulvo made before playing it
let hint = null;
let watchTimer = null;
const view = new BoardView($("board"), $("cell-info"), personPlays);

function fillLevels(select, chosen) {
  for (let level = 0; level <= 6; level++) select.add(new Option(String(level), String(level), false, level === chosen));
}

function engineName(level) { return `tulvo level ${level}`; }

// The seed typed in the seed field, or the clock's when it is empty.
function seedForMove() {
  const text = $("seed").value.trim();
  if (text === "") return engine.seedOfDate();
  const seed = Number(text);
  if (!/^\d+$/.test(text) || seed > 0xffffffff) throw new Error("The seed must be a whole number from 0 to 4294967295.");
  return seed;
}

function say(text, isError = false) {
  $("message").textContent = text;
  $("message").classList.toggle("error", isError);
}

// tulvo plays one move for the side to move; false when it cannot.
function enginePlays(level) {
  const seed = seedForMove();
  const analysis = engine.analyze(game.boardText(), game.sideToMove, level, seed);
  if (analysis.move === null) {
    say(`tulvo found no move for ${game.sideToMove.toUpperCase()}.`, true);
    return false;
  }
  const [x, y] = analysis.move.split(",").map(Number);
  game.play(x, y, `seed ${seed}`);
  analyses[game.moves.length - 1] = analysis;
  return true;
}

function lastAnalysis() {
  for (let i = game.moves.length - 1; i >= 0; i--) if (analyses[i]) return analyses[i];
  return null;
}

function statusText() {
  const name = (side) => side.toUpperCase() + (person === side ? " (you)" : person ? " (tulvo)" : "");
  if (game.result) return game.result.winner ? `${name(game.result.winner)} wins with five in a row.` : "Draw: the board is full.";
  if (!person) return `${name(game.sideToMove)} to move.` + (watchTimer ? "" : " Watch is paused.");
  return game.sideToMove === person ? `Your move as ${person.toUpperCase()}.` : "tulvo to move.";
}

function render() {
  view.render(game, { numbers: $("numbers").checked, analysis: $("overlay").checked ? lastAnalysis() : null, hint });
  $("status").textContent = statusText();
  $("players").textContent = `X: ${game.names.x || "unnamed"}, O: ${game.names.o || "unnamed"}`;
  const items = game.moves.map((move, i) => {
    const item = document.createElement("li");
    item.textContent = `${move.side.toUpperCase()} ${move.x},${move.y}`;
    if (move.note) item.append(Object.assign(document.createElement("small"), { textContent: ` ${move.note}` }));
    if (i === game.moves.length - 1) item.className = "last";
    return item;
  });
  $("moves").replaceChildren(...items);
}

// Runs an action that may fail; a failure is shown and leaves the game as it was.
function guarded(action) {
  try {
    action();
  } catch (error) {
    say(error.message, true);
  }
  render();
}

function tulvoAnswers() {
  if (person && !game.over && game.sideToMove !== person) enginePlays(Number($("level").value));
}

function personPlays(x, y) {
  if (!person || game.over || game.sideToMove !== person) return;
  guarded(() => {
    const refusal = game.refusal(x, y);
    if (refusal) throw new Error(refusal);
    hint = null;
    say("");
    game.play(x, y);
    tulvoAnswers();
  });
}

function newGame() {
  stopWatching();
  guarded(() => {
    game = new Game(Number($("size").value));
    person = $("person").value;
    game.names[person] = "you";
    game.names[otherSide(person)] = engineName(Number($("level").value));
    analyses = [];
    hint = null;
    say("");
    tulvoAnswers();
  });
}

// Takes back the person's last move and everything after it (tulvo's answer).
function undo() {
  if (!person) return;
  let index = game.moves.length - 1;
  while (index >= 0 && game.moves[index].side !== person) index--;
  if (index < 0) return;
  while (game.moves.length > index) game.undo();
  analyses.length = index;
  hint = null;
  say("");
  render();
}

function showHint() {
  if (!person || game.over || game.sideToMove !== person) return;
  guarded(() => {
    const move = engine.chooseMove(game.boardText(), person, Number($("level").value), seedForMove());
    hint = move;
    say(move ? `Hint: tulvo would play ${move}.` : "tulvo has no move to suggest.");
  });
}

function watchStep() {
  guarded(() => {
    if (!game.over && !enginePlays(Number($(game.sideToMove === "x" ? "watch-x" : "watch-o").value))) stopWatching();
  });
  if (game.over) stopWatching();
}

function scheduleWatch() {
  watchTimer = setTimeout(() => {
    watchStep();
    if (watchTimer !== null) scheduleWatch();
  }, kWatchDelays[Number($("speed").value)]);
}

function stopWatching() {
  clearTimeout(watchTimer);
  watchTimer = null;
  if (!person) render();
}

function watch() {
  stopWatching();
  game = new Game(Number($("size").value));
  game.names = { x: engineName($("watch-x").value), o: engineName($("watch-o").value) };
  person = null;
  analyses = [];
  hint = null;
  say("");
  scheduleWatch();
  render();
}

function togglePause() {
  if (person || game.over) return;
  if (watchTimer === null) scheduleWatch(); else stopWatching();
  render();
}

function step() {
  if (person) return;
  stopWatching();
  watchStep();
}

// Loads record text (starting with '#') or plocha.dat text; the person takes the side to move.
function load(text) {
  stopWatching();
  guarded(() => {
    const loaded = text.trimStart().startsWith("#") ? parseRecord(text) : parseBoard(text);
    game = loaded;
    person = loaded.sideToMove;
    analyses = [];
    hint = null;
    $("size").value = String(loaded.size);
    $("person").value = person;
    say(`Loaded a ${loaded.size}x${loaded.size} game of ${loaded.moves.length} moves; you play ${person.toUpperCase()}.`);
  });
}

async function copy(text, what) {
  $("record-text").value = text;
  try {
    await navigator.clipboard.writeText(text);
    say(`${what} copied.`);
  } catch {
    $("record-text").select();
    say(`${what} is in the text box; the clipboard was not available.`);
  }
}

function download() {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([formatRecord(game)], { type: "text/plain" }));
  link.download = "tulvo-game.txt";
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

function wire() {
  for (let size = kMinSize; size <= kMaxSize; size++) $("size").add(new Option(`${size}x${size}`, String(size), false, size === kDefaultSize));
  fillLevels($("level"), kDefaultLevel);
  fillLevels($("watch-x"), kDefaultLevel);
  fillLevels($("watch-o"), kDefaultLevel);
  $("new-game").addEventListener("click", newGame);
  $("undo").addEventListener("click", undo);
  $("hint").addEventListener("click", showHint);
  $("overlay").addEventListener("change", render);
  $("numbers").addEventListener("change", render);
  $("watch").addEventListener("click", watch);
  $("pause").addEventListener("click", togglePause);
  $("step").addEventListener("click", step);
  $("copy-record").addEventListener("click", () => copy(formatRecord(game), "The record"));
  $("copy-board").addEventListener("click", () => copy(game.boardText(), "The board"));
  $("download-record").addEventListener("click", download);
  $("load").addEventListener("click", () => load($("record-text").value));
  $("open-file").addEventListener("change", async (event) => {
    const file = event.target.files[0];
    if (!file) return;
    const text = await file.text();
    $("record-text").value = text;
    load(text);
  });
}

async function start() {
  wire();
  try {
    engine = await import("./tulvo.js");
  } catch (error) {
    $("status").textContent = `The engine could not be loaded: ${error.message}`;
    return;
  }
  newGame();
  document.documentElement.dataset.ready = "true";
  performance.mark("tulvo-ready");
}

start();
