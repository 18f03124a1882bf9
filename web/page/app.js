// The page: a game against tulvo, watch mode, the analysis overlay and the record.
// The whole session is one object. Every action works on a draft of it and keeps the
// draft only when it completes, so an action that fails leaves the game as it was.
import { BoardView } from "./board_view.js";
import { Game, formatRecord, kMaxSize, kMinSize, otherSide, parseBoard, parseRecord } from "./game.js";

const $ = (id) => document.getElementById(id);
const kDefaultSize = 15;
const kDefaultLevel = 6;
const kWatchDelays = [1500, 700, 300, 100, 0];  // ms between moves, slow to fast

let engine = null;  // the WebAssembly engine's module, once it has loaded
let session = {
  game: new Game(kDefaultSize),
  mode: "play",        // "play": the person against tulvo; "watch": two levels against each other
  person: "x",         // the side the person plays; null in watch mode
  analyses: [],        // per move index: the analysis tulvo made before playing that move
  hint: null,          // "x,y" that Hint ringed, or null
  paused: false,       // watch mode only
  watchTimer: null,    // the pending watch move; set only by syncWatch
};
const view = new BoardView($("board"), $("cell-info"), personPlays);

function fillLevels(select, chosen) {
  for (let level = 0; level <= 6; level++) select.add(new Option(String(level), String(level), false, level === chosen));
}

function engineName(level) { return `tulvo level ${level}`; }
function chosenLevel(id) { return Number($(id).value); }
function cellName(move) { return `${move.x},${move.y}`; }

// The seed typed in the seed field, or the clock's when it is empty. Throws before
// anything is played when the field holds no seed.
function seedForMove() {
  const text = $("seed").value.trim();
  if (text === "") return engine.seedOfDate();
  if (!/^\d+$/.test(text) || Number(text) > 0xffffffff) throw new Error("The seed must be a whole number from 0 to 4294967295.");
  return Number(text);
}

// #message shows the last action's outcome; an error is put in a fresh alert, so
// only errors interrupt a screen reader.
function showMessage(text, isError = false) {
  const message = $("message");
  message.classList.toggle("error", isError);
  if (!isError) return message.replaceChildren(text);
  const alert = document.createElement("span");
  alert.setAttribute("role", "alert");
  alert.textContent = text;
  message.replaceChildren(alert);
}

// The one polite live region: moves, replies, the game's end and the outcome of an action.
function announce(text) {
  if (text) $("announce").textContent = text;
}

function endText(game) {
  if (!game.result) return "";
  return game.result.winner ? `${game.result.winner.toUpperCase()} wins with five in a row.` : "Draw: the board is full.";
}

// tulvo plays the side to move of the draft at the level; returns what it played.
function enginePlays(draft, level) {
  const seed = seedForMove();
  const side = draft.game.sideToMove;
  const analysis = engine.analyze(draft.game.boardText(), side, level, seed);
  if (analysis.move === null) throw new Error(`tulvo found no move for ${side.toUpperCase()}.`);
  const [x, y] = analysis.move.split(",").map(Number);
  draft.game.play(x, y, `seed ${seed}`);
  draft.analyses[draft.game.moves.length - 1] = analysis;
  return analysis.move;
}

// tulvo answers when it is its turn in a game against the person; the news of it.
function tulvoAnswers(draft) {
  if (!draft.person || draft.game.over || draft.game.sideToMove === draft.person) return "";
  return `tulvo played ${enginePlays(draft, chosenLevel("level"))}.`;
}

// Runs action(draft) on a copy of the session. When it returns, the copy becomes the
// session and its { message, news } are shown; when it throws, the session stays as it
// was and the error is shown. Returns whether the action completed.
function change(action) {
  const draft = { ...session, game: session.game.clone(), analyses: [...session.analyses] };
  let outcome;
  try {
    outcome = action(draft) || {};
  } catch (error) {
    showMessage(error.message, true);
    render();
    return false;
  }
  session = draft;
  if (outcome.message !== undefined) showMessage(outcome.message);
  render();
  announce([outcome.news, outcome.news && endText(session.game), outcome.message].filter(Boolean).join(" "));
  syncWatch();
  return true;
}

function lastAnalysis() {
  for (let i = session.game.moves.length - 1; i >= 0; i--) if (session.analyses[i]) return session.analyses[i];
  return null;
}

function statusText() {
  const { game, person, mode, paused } = session;
  const name = (side) => side.toUpperCase() + (person === side ? " (you)" : person ? " (tulvo)" : "");
  if (game.result) return game.result.winner ? `${name(game.result.winner)} wins with five in a row.` : "Draw: the board is full.";
  if (mode === "watch") return `${name(game.sideToMove)} to move.` + (paused ? " Watch is paused." : "");
  return game.sideToMove === person ? `Your move as ${person.toUpperCase()}.` : "tulvo to move.";
}

function render() {
  const { game, person, mode, paused, hint } = session;
  view.render(game, { numbers: $("numbers").checked, analysis: $("overlay").checked ? lastAnalysis() : null, hint,
                      enabled: engine !== null });
  if (engine === null) return;
  $("status").textContent = statusText();
  const player = (side) => {
    const name = game.names[side] || "unnamed";
    return `${side.toUpperCase()}: ${name}${person === side && name !== "you" ? " (you)" : ""}`;
  };
  $("players").textContent = `${player("x")}, ${player("o")}`;
  $("pause").setAttribute("aria-pressed", String(mode === "watch" && paused));
  $("pause").disabled = $("step").disabled = mode !== "watch" || game.over;
  $("undo").disabled = $("hint").disabled = mode !== "play";
  const items = game.moves.map((move, i) => {
    const item = document.createElement("li");
    item.textContent = `${move.side.toUpperCase()} ${cellName(move)}`;
    if (move.note) item.append(Object.assign(document.createElement("small"), { textContent: ` ${move.note}` }));
    if (i === game.moves.length - 1) item.className = "last";
    return item;
  });
  $("moves").replaceChildren(...items);
}

function personPlays(x, y) {
  if (!engine || !session.person || session.game.over || session.game.sideToMove !== session.person) return;
  change((draft) => {
    const refusal = draft.game.refusal(x, y);
    if (refusal) throw new Error(refusal);
    seedForMove();  // a bad seed is refused before the stone is placed
    draft.game.play(x, y);
    draft.hint = null;
    return { message: "", news: [`You played ${x},${y}.`, tulvoAnswers(draft)].filter(Boolean).join(" ") };
  });
}

// A new game of the chosen size; the person's side and tulvo's level name the players.
function freshGame(draft, mode, names) {
  draft.game = new Game(Number($("size").value));
  draft.game.names = names;
  draft.mode = mode;
  draft.analyses = [];
  draft.hint = null;
  draft.paused = false;
}

function newGame() {
  change((draft) => {
    const person = $("person").value;
    freshGame(draft, "play", { [person]: "you", [otherSide(person)]: engineName(chosenLevel("level")) });
    draft.person = person;
    const news = [`New game: you play ${person.toUpperCase()}.`, tulvoAnswers(draft)];
    return { message: "", news: news.filter(Boolean).join(" ") };
  });
}

// Takes back the person's last move and everything after it (tulvo's answer).
function undo() {
  change((draft) => {
    const index = draft.game.moves.findLastIndex((move) => move.side === draft.person);
    if (!draft.person || index < 0) throw new Error("There is no move of yours to take back.");
    while (draft.game.moves.length > index) draft.game.undo();
    draft.analyses.length = index;
    draft.hint = null;
    return { message: "", news: "Took back your move." };
  });
}

function showHint() {
  change((draft) => {
    if (!draft.person || draft.game.over || draft.game.sideToMove !== draft.person) {
      throw new Error("A hint is for your own move.");
    }
    const move = engine.chooseMove(draft.game.boardText(), draft.person, chosenLevel("level"), seedForMove());
    draft.hint = move;
    return { message: move ? `Hint: tulvo would play ${move}.` : "tulvo has no move to suggest." };
  });
}

function watchLevel(side) { return chosenLevel(side === "x" ? "watch-x" : "watch-o"); }

function watchMove(draft) {
  const side = draft.game.sideToMove.toUpperCase();
  return { message: "", news: `${side} played ${enginePlays(draft, watchLevel(draft.game.sideToMove))}.` };
}

// Starts or stops the watch timer to match the session: it runs while watching, not
// paused, with the game going on.
function syncWatch() {
  const wanted = session.mode === "watch" && !session.paused && !session.game.over;
  if (wanted && session.watchTimer === null) {
    session.watchTimer = setTimeout(() => {
      session.watchTimer = null;
      // A move that fails pauses the watch, so it is not tried again and again.
      if (!change(watchMove)) change((draft) => { draft.paused = true; });
    }, kWatchDelays[Number($("speed").value)]);
  } else if (!wanted && session.watchTimer !== null) {
    clearTimeout(session.watchTimer);
    session.watchTimer = null;
  }
}

function watch() {
  change((draft) => {
    freshGame(draft, "watch", { x: engineName(watchLevel("x")), o: engineName(watchLevel("o")) });
    draft.person = null;
    return { message: "", news: "Watching a new game." };
  });
}

function togglePause() {
  change((draft) => {
    if (draft.mode !== "watch" || draft.game.over) throw new Error("Pause is for a watched game.");
    draft.paused = !draft.paused;
  });
}

function step() {
  change((draft) => {
    if (draft.mode !== "watch" || draft.game.over) throw new Error("Step is for a watched game.");
    draft.paused = true;
    return watchMove(draft);
  });
}

// Loads record text (starting with '#') or plocha.dat text. The person takes the side
// to move against tulvo; names the text does not give are "you" and tulvo's.
function load(text) {
  change((draft) => {
    const loaded = text.trimStart().startsWith("#") ? parseRecord(text) : parseBoard(text);
    const person = loaded.sideToMove;
    loaded.names[person] ||= "you";
    loaded.names[otherSide(person)] ||= engineName(chosenLevel("level"));
    draft.game = loaded;
    draft.mode = "play";
    draft.person = person;
    draft.analyses = [];
    draft.hint = null;
    $("size").value = String(loaded.size);
    $("person").value = person;
    const ending = loaded.over ? endText(loaded) : `You play ${person.toUpperCase()}.`;
    return { message: `Loaded a ${loaded.size}x${loaded.size} game of ${loaded.moves.length} moves. ${ending}` };
  });
}

async function copy(text, what) {
  $("record-text").value = text;
  try {
    await navigator.clipboard.writeText(text);
    change(() => ({ message: `${what} copied.` }));
  } catch {
    $("record-text").select();
    change(() => ({ message: `${what} is in the text box; the clipboard was not available.` }));
  }
}

function download() {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([formatRecord(session.game)], { type: "text/plain" }));
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
  $("copy-record").addEventListener("click", () => copy(formatRecord(session.game), "The record"));
  $("copy-board").addEventListener("click", () => copy(session.game.boardText(), "The board"));
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

function enableControls() {
  for (const fieldset of document.querySelectorAll("fieldset")) fieldset.disabled = false;
}

// The board is drawn at once; the controls stay disabled until the engine has loaded,
// and for good when it cannot.
async function start() {
  const loading = import("./tulvo.js");  // fetched and compiled while the board is drawn
  wire();
  render();
  try {
    engine = await loading;
  } catch (error) {
    $("status").textContent = `The engine could not be loaded: ${error.message}`;
    showMessage(`The engine could not be loaded, so the page cannot play: ${error.message}`, true);
    document.documentElement.dataset.failed = "true";
    return;
  }
  enableControls();
  newGame();
  document.documentElement.dataset.ready = "true";
  performance.mark("tulvo-ready");
  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js").catch((error) => console.warn(`No offline copy: ${error.message}`));
  }
}

start();
