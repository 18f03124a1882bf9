// The page: a game against tulvo, its end and its review, watch mode, the analysis
// overlay and the record. The whole session is one object. Every action works on a
// draft of it and keeps the draft only when it completes, so an action that fails
// leaves the game as it was.
import { BoardView } from "./board_view.js";
import { Game, cellName, formatRecord, kMaxSize, kMinSize, otherSide, parseBoard, parseRecord } from "./game.js";
import { difficultyName, fillDifficulties, kDefaultLevel } from "./levels.js";
import { keepDrawer } from "./settings.js";

const $ = (id) => document.getElementById(id);
const kDefaultSize = 15;
const kWatchDelays = [1500, 700, 300, 100, 0];  // ms between moves, slow to fast
// Below this width in CSS px a cell is too small to hit reliably with a finger, so a
// tap only proposes the cell and Place (or a second tap on it) plays it.
const kSmallestTarget = 24;

let engine = null;  // the WebAssembly engine's module, once it has loaded
let session = {
  game: new Game(kDefaultSize),
  mode: "play",        // "play": the person against tulvo; "watch": two levels against each other
  person: "x",         // the side the person plays; null in watch mode
  level: kDefaultLevel,  // tulvo's level in a game against the person
  analyses: [],        // per move index: the analysis tulvo made before playing that move
  hint: null,          // "x,y" that Hint ringed, or null
  pending: null,       // "x,y" a tap proposed, waiting for Place, or null
  review: null,        // while reviewing: how many of the game's moves are shown; else null
  paused: false,       // watch mode only
  watchTimer: null,    // the pending watch move; set only by syncWatch
};
const view = new BoardView($("board"), $("cell-info"), personPlays);

function engineName(level) { return `tulvo level ${level}`; }
function chosenLevel(id) { return Number($(id).value); }
function moveName(game, move) { return cellName(move.x, move.y, game.size); }

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

// A side as the status names it: "X (you)", "O (tulvo)", or just "X" when watching.
function sideName(side) {
  const { person } = session;
  return side.toUpperCase() + (person === side ? " (you)" : person ? " (tulvo)" : "");
}

function endText(game) {
  if (!game.result) return "";
  if (!game.result.winner) return `Draw: the board is full after ${game.moves.length} moves.`;
  return `${sideName(game.result.winner)} wins with five in a row in ${game.moves.length} moves.`;
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
  return cellName(x, y, draft.game.size);
}

// tulvo answers when it is its turn in a game against the person; the news of it.
function tulvoAnswers(draft) {
  if (!draft.person || draft.game.over || draft.game.sideToMove === draft.person) return "";
  return `tulvo played ${enginePlays(draft, draft.level)}.`;
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
  const ended = !session.game.over && draft.game.over;
  session = draft;
  if (outcome.message !== undefined) showMessage(outcome.message);
  render();
  announce([outcome.news, outcome.news && endText(session.game), outcome.message].filter(Boolean).join(" "));
  if (ended) openEnd();
  syncWatch();
  return true;
}

function lastAnalysis() {
  for (let i = session.game.moves.length - 1; i >= 0; i--) if (session.analyses[i]) return session.analyses[i];
  return null;
}

function statusText() {
  const { game, person, mode, paused, review } = session;
  if (review !== null) {
    const move = game.moves[review - 1];
    return `Review: move ${review} of ${game.moves.length}` + (move ? `, ${move.side.toUpperCase()} ${moveName(game, move)}.` : ".");
  }
  if (game.result) return endText(game);
  if (mode === "watch") return `${sideName(game.sideToMove)} to move.` + (paused ? " Watch is paused." : "");
  return game.sideToMove === person ? `Your move as ${person.toUpperCase()}.` : "tulvo to move.";
}

// The analysis a reviewed move was chosen by: tulvo's own for its moves, and for the
// person's what tulvo would have weighed in their place, at its level with seed 0.
function reviewAnalysis(count) {
  const { game, level } = session;
  if (count === 0) return null;
  if (session.analyses[count - 1]) return session.analyses[count - 1];
  return engine.analyze(game.prefix(count - 1).boardText(), game.moves[count - 1].side, level, 0);
}

function boardAnalysis() {
  if (!$("overlay").checked) return null;
  return session.review === null ? lastAnalysis() : reviewAnalysis(session.review);
}

// A tap proposes a cell when cells are too small for a finger; Place shows then.
function confirming() { return view.cellSize < kSmallestTarget; }

function renderBars() {
  const { game, mode, review, pending } = session;
  $("play-bar").hidden = review !== null;
  $("review-bar").hidden = review === null;
  $("place").hidden = !confirming();
  $("play-bar").classList.toggle("placing", confirming());
  $("place").disabled = pending === null;
  $("place").textContent = pending ? `Place ${cellName(...pending.split(",").map(Number), game.size)}` : "Place";
  $("undo").disabled = mode !== "play";
  $("hint").disabled = mode !== "play" || game.over;
  $("review-first").disabled = $("review-back").disabled = review === 0;
  $("review-last").disabled = $("review-forward").disabled = review === game.moves.length;
  $("review-analysis").setAttribute("aria-pressed", String($("overlay").checked));
}

function renderMoves() {
  const { game, review } = session;
  const current = (review ?? game.moves.length) - 1;
  const items = game.moves.map((move, i) => {
    const item = document.createElement("li");
    item.textContent = `${i + 1}. ${move.side.toUpperCase()} ${moveName(game, move)}`;
    if (i === current) item.className = "last";
    return item;
  });
  const list = $("moves"), last = items[current];
  list.replaceChildren(...items);
  // The current move is scrolled into the list's own view, never the page's, when the
  // frame is laid out anyway.
  if (last) requestAnimationFrame(() => { list.scrollTop = Math.max(0, last.offsetTop + last.offsetHeight - list.clientHeight); });
  // The record view gives what engine authors need: x,y and the seed of each move.
  $("record-view").textContent = game.moves.map((move, i) => {
    return `${i + 1}. ${move.side.toUpperCase()} ${move.x},${move.y}${move.note ? ` ${move.note}` : ""}`;
  }).join("\n");
}

function render() {
  const { game, person, mode, paused, hint, pending, review } = session;
  const shown = review === null ? game : game.prefix(review);
  view.render(shown, { numbers: $("numbers").checked, analysis: engine && boardAnalysis(), hint,
                       pending: pending && { key: pending, side: person } });
  if (engine === null) return;
  $("status").textContent = statusText();
  const player = (side) => {
    const name = game.names[side] || "unnamed";
    return `${side.toUpperCase()}: ${name}${person === side && name !== "you" ? " (you)" : ""}`;
  };
  $("players").textContent = `${player("x")}, ${player("o")}`;
  $("pause").setAttribute("aria-pressed", String(mode === "watch" && paused));
  $("pause").disabled = $("step").disabled = mode !== "watch" || game.over;
  renderBars();
  renderMoves();
}

// A cell of the board was pressed: the person's move, a proposal to confirm, or news
// that the board does not take a move now.
function personPlays(x, y, byPointer = false) {
  if (!engine) return;
  const { game, person, review } = session;
  if (review !== null) return change(() => ({ message: "This is a review: Done goes back to the game." }));
  if (game.over) {
    change(() => ({ message: `The game is over. ${endText(game)} Play again, Undo or Review.` }));
    return openEnd();
  }
  if (!person || game.sideToMove !== person) return;
  const key = `${x},${y}`;
  if (byPointer && confirming() && session.pending !== key && game.at(x, y) === "-") {
    return change((draft) => {
      draft.pending = key;
      return { message: `Tap Place or ${cellName(x, y, game.size)} again to play there.` };
    });
  }
  change((draft) => {
    if (draft.game.at(x, y) !== "-") throw new Error(`${cellName(x, y, draft.game.size)} is already taken.`);
    seedForMove();  // a bad seed is refused before the stone is placed
    draft.game.play(x, y);
    draft.hint = draft.pending = null;
    return { message: "", news: [`You played ${cellName(x, y, draft.game.size)}.`, tulvoAnswers(draft)].filter(Boolean).join(" ") };
  });
}

function place() {
  if (session.pending) personPlays(...session.pending.split(",").map(Number));
}

// A new game of the chosen size; the person's side and tulvo's level name the players.
function freshGame(draft, mode, names) {
  draft.game = new Game(Number($("size").value));
  draft.game.names = names;
  draft.mode = mode;
  draft.analyses = [];
  draft.hint = draft.pending = draft.review = null;
  draft.paused = false;
}

function newGame() {
  closeEnd();
  change((draft) => {
    const person = $("person").value;
    draft.level = chosenLevel("level");
    freshGame(draft, "play", { [person]: "you", [otherSide(person)]: engineName(draft.level) });
    draft.person = person;
    const news = [`New game: you play ${person.toUpperCase()} against ${difficultyName(draft.level)}.`, tulvoAnswers(draft)];
    return { message: "", news: news.filter(Boolean).join(" ") };
  });
}

// Takes back the person's last move and everything after it (tulvo's answer).
function undo() {
  closeEnd();
  change((draft) => {
    const index = draft.game.moves.findLastIndex((move) => move.side === draft.person);
    if (!draft.person || index < 0) throw new Error("There is no move of yours to take back.");
    while (draft.game.moves.length > index) draft.game.undo();
    draft.analyses.length = index;
    draft.hint = draft.pending = draft.review = null;
    return { message: "", news: "Took back your move." };
  });
}

function showHint() {
  change((draft) => {
    if (!draft.person || draft.game.over || draft.game.sideToMove !== draft.person) {
      throw new Error("A hint is for your own move.");
    }
    const move = engine.chooseMove(draft.game.boardText(), draft.person, draft.level, seedForMove());
    draft.hint = move;
    const name = move && cellName(...move.split(",").map(Number), draft.game.size);
    return { message: move ? `Hint: tulvo would play ${name}.` : "tulvo has no move to suggest." };
  });
}

// The end of a game: who won in how many moves, with Play again, Undo and Review.
// The dialog is not modal, so the board stays in view and a tap on it is answered.
function openEnd() {
  const { game, person, mode } = session;
  const { winner } = game.result;
  const title = !winner ? "Draw" : mode === "watch" ? `${winner.toUpperCase()} wins` : winner === person ? "You win!" : "tulvo wins";
  $("game-over-title").textContent = title;
  $("game-over-text").textContent = endText(game);
  $("over-undo").disabled = mode !== "play";
  const dialog = $("game-over");
  if (!dialog.open) dialog.show();
  $("again").focus();
}

function closeEnd() {
  if ($("game-over").open) $("game-over").close();
}

// Leaves the dialog for the board: its cell in the tab order takes the focus.
function backToBoard() {
  closeEnd();
  $("board").querySelector(".cell[tabindex='0']").focus();
}

function reviewTo(count) {
  change((draft) => {
    if (!draft.game.over) throw new Error("Review is for a finished game.");
    draft.review = Math.max(0, Math.min(draft.game.moves.length, count));
    draft.pending = draft.hint = null;
    const move = draft.game.moves[draft.review - 1];
    return { message: "", news: move ? `Move ${draft.review}: ${move.side.toUpperCase()} ${moveName(draft.game, move)}.` : "The empty board." };
  });
}

function startReview() {
  closeEnd();
  reviewTo(session.game.moves.length);
  $("review-back").focus();
}

function endReview() {
  change((draft) => {
    draft.review = null;
    return { message: "" };
  });
  $("new-game").focus();
}

// While reviewing, the left and right arrow keys step back and forth, Home and End go
// to the ends, wherever the focus is but in a form control.
function reviewKey(event) {
  if (session.review === null || event.target.closest("input, select, textarea")) return;
  const steps = { ArrowLeft: session.review - 1, ArrowRight: session.review + 1, Home: 0, End: session.game.moves.length };
  if (!(event.key in steps)) return;
  event.preventDefault();
  event.stopPropagation();
  reviewTo(steps[event.key]);
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
  closeEnd();
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
  closeEnd();
  change((draft) => {
    const loaded = text.trimStart().startsWith("#") ? parseRecord(text) : parseBoard(text);
    const person = loaded.sideToMove;
    loaded.names[person] ||= "you";
    draft.level = chosenLevel("level");
    loaded.names[otherSide(person)] ||= engineName(draft.level);
    draft.game = loaded;
    draft.mode = "play";
    draft.person = person;
    draft.analyses = [];
    draft.hint = draft.pending = draft.review = null;
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
  for (const id of ["level", "watch-x", "watch-o"]) fillDifficulties($(id), kDefaultLevel);
  keepDrawer($("more"));
  $("new-game").addEventListener("click", newGame);
  $("undo").addEventListener("click", undo);
  $("hint").addEventListener("click", showHint);
  $("place").addEventListener("click", place);
  $("again").addEventListener("click", () => { newGame(); backToBoard(); });
  $("over-undo").addEventListener("click", () => { undo(); backToBoard(); });
  $("over-review").addEventListener("click", startReview);
  $("over-close").addEventListener("click", backToBoard);
  $("game-over").addEventListener("keydown", (event) => { if (event.key === "Escape") backToBoard(); });
  $("review-first").addEventListener("click", () => reviewTo(0));
  $("review-back").addEventListener("click", () => reviewTo(session.review - 1));
  $("review-forward").addEventListener("click", () => reviewTo(session.review + 1));
  $("review-last").addEventListener("click", () => reviewTo(session.game.moves.length));
  $("review-analysis").addEventListener("click", () => {
    $("overlay").checked = !$("overlay").checked;
    $("overlay").dispatchEvent(new Event("change", { bubbles: true }));
  });
  $("review-done").addEventListener("click", endReview);
  document.addEventListener("keydown", reviewKey, true);
  view.onResize = () => { if (engine) renderBars(); };
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
  for (const button of document.querySelectorAll(".bar button")) button.disabled = false;
}

// The board is drawn at once; the controls stay disabled until the engine has loaded,
// and for good when it cannot.
async function start() {
  const loading = import("./tulvo.js");  // fetched and compiled while the board is drawn
  wire();
  // The board is built in a task of its own, so that no one task keeps a slow phone busy long.
  await new Promise((resolve) => setTimeout(resolve, 0));
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
