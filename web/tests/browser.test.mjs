// The page in a real browser: a whole game by clicks, Undo, the overlay, watch mode,
// malformed and hostile pastes, and a screenshot.
import assert from "node:assert/strict";
import { existsSync, mkdirSync, readFileSync } from "node:fs";
import path from "node:path";
import { after, before, describe, test } from "node:test";

import { cellName } from "../page/game.js";
import { chromiumPath, closeChromium, launchChromium, readBoard, serveFolder, stoneCount } from "./browser_support.mjs";
import { axeFolder, repository, webFolder } from "./support.mjs";

const puppeteer = await import("puppeteer-core").then((m) => m.default, () => null);
const skip = !puppeteer ? "puppeteer-core is not installed (npm ci in web/)"
  : !existsSync(chromiumPath) ? `no Chromium at ${chromiumPath}` : false;
const skipAxe = !existsSync(path.join(axeFolder, "node_modules/axe-core/axe.min.js")) &&
  `axe-core is not installed in ${axeFolder} (scripts/install-axe-core.sh)`;
const shots = path.resolve(repository, process.env.TULVO_SHOTS_DIR || "build-web-test");

describe("the page in Chromium", { skip }, () => {
  let server, browser, page;
  const errors = [];

  before(async () => {
    server = await serveFolder(webFolder);
    browser = await launchChromium(puppeteer);
    page = await browser.newPage();
    page.on("pageerror", (error) => errors.push(error.message));
    page.on("dialog", (dialog) => { errors.push(`dialog: ${dialog.message()}`); dialog.dismiss(); });
    await page.setViewport({ width: 1100, height: 820 });
    await page.goto(server.url);
    await page.waitForSelector("html[data-ready]");
    // The expert options are used throughout: the drawer is open, as a reload keeps it.
    await page.click("#more summary");
  });

  after(async () => {
    if (browser) await closeChromium(browser);
    server?.close();
  });

  const status = () => page.$eval("#status", (e) => e.textContent);
  const click = (selector) => page.click(selector);
  const select = (selector, value) => page.select(selector, value);

  // Closes the end of game's dialog, which covers a corner of the panel.
  async function closeEnd() {
    if (await page.$eval("#game-over", (dialog) => dialog.open)) await click("#over-close");
  }

  async function newGame(size = "15") {
    await select("#size", size);
    await click("#new-game");
  }

  // Clicks the first empty cell from the middle outwards; returns the board before and after.
  async function playSomewhere() {
    const before = await readBoard(page);
    const empty = Object.keys(before).filter((key) => before[key] === "-");
    const middle = Math.sqrt(Object.keys(before).length) / 2;
    const distance = (key) => key.split(",").reduce((sum, v) => sum + Math.abs(Number(v) - middle), 0);
    const target = empty.sort((a, b) => distance(a) - distance(b))[0];
    const [x, y] = target.split(",");
    await click(`.cell[data-x="${x}"][data-y="${y}"]`);
    return { before, after: await readBoard(page), target };
  }

  test("a whole game by clicks: every answer is legal and the status tells the end", async () => {
    await newGame("10");
    for (let turn = 0; turn < 60 && !/wins|Draw/.test(await status()); turn++) {
      const { before, after, target } = await playSomewhere();
      assert.equal(after[target], "x");
      const changed = Object.keys(after).filter((key) => after[key] !== before[key]);
      const answers = changed.filter((key) => key !== target);
      if (!/wins|Draw/.test(await status())) assert.equal(answers.length, 1, `turn ${turn}: one answer`);
      for (const key of answers) assert.equal(before[key], "-", `tulvo played on the free cell ${key}`);
      assert.ok(answers.every((key) => after[key] === "o"));
    }
    assert.match(await status(), /wins with five in a row|Draw: the board is full/);
    assert.ok(await page.$(".cell.win") || /Draw/.test(await status()));
    assert.ok(await page.$eval("#game-over", (dialog) => dialog.open));
    await closeEnd();
  });

  test("Undo takes back the person's move and tulvo's answer", async () => {
    await newGame();
    await playSomewhere();
    const afterFirst = await readBoard(page);
    await playSomewhere();
    assert.equal(stoneCount(await readBoard(page)), 4);
    await click("#undo");
    assert.deepEqual(await readBoard(page), afterFirst);
    assert.equal(await page.$$eval("#moves li", (items) => items.length), 2);
  });

  test("the overlay shades the cells tulvo evaluated and marks its choice", async () => {
    await playSomewhere();
    await click("#overlay");
    const shaded = await page.$$eval(".cell[data-band]", (cells) => cells.length);
    assert.ok(shaded > 10, `${shaded} shaded cells`);
    assert.equal(await page.$$eval(".cell.chosen", (cells) => cells.length), 1);
    await page.focus(".cell[data-band='0']:not(.chosen)");
    assert.match(await page.$eval("#cell-info", (e) => e.textContent), /score -?\d+, base -?\d+/);
    mkdirSync(shots, { recursive: true });
    await page.screenshot({ path: path.join(shots, "page.png") });
    await click("#overlay");
  });

  test("the keyboard alone plays a move", async () => {
    await newGame();
    await page.focus(".cell[tabindex='0']");
    await page.keyboard.press("ArrowRight");
    await page.keyboard.press("ArrowDown");
    const focused = await page.evaluate(() => `${document.activeElement.dataset.x},${document.activeElement.dataset.y}`);
    await page.keyboard.press("Enter");
    const board = await readBoard(page);
    assert.equal(board[focused], "x");
    assert.equal(await page.$eval("#message", (e) => e.textContent), "");
    assert.equal(stoneCount(board), 2);
  });

  test("watch mode plays a game to its end", async () => {
    await select("#size", "10");
    await select("#watch-x", "6");
    await select("#watch-o", "2");
    await page.$eval("#speed", (speed) => { speed.value = speed.max; });
    await click("#watch");
    await page.waitForFunction(() => /wins|Draw/.test(document.getElementById("status").textContent), { timeout: 60000 });
    const stones = stoneCount(await readBoard(page));
    assert.equal(await page.$$eval("#moves li", (items) => items.length), stones);
    assert.ok(stones >= 9);
    await closeEnd();
  });

  test("a move that fails while watching pauses the watch, with its message and Pause pressed", async () => {
    await select("#size", "10");
    await page.$eval("#speed", (speed) => { speed.value = speed.max; });
    await page.type("#seed", "not a seed");
    await click("#watch");
    await page.waitForFunction(() => document.getElementById("pause").getAttribute("aria-pressed") === "true");
    assert.deepEqual(await message(), { text: "The seed must be a whole number from 0 to 4294967295.", alert: true });
    assert.match(await status(), /X to move\. Watch is paused\./);
    assert.equal(stoneCount(await readBoard(page)), 0);
    await new Promise((resolve) => setTimeout(resolve, 100));
    assert.equal(stoneCount(await readBoard(page)), 0, "the watch stays paused");
    await page.$eval("#seed", (input) => { input.value = ""; });
  });

  test("a malformed paste shows a message and leaves the game as it was", async () => {
    await newGame();
    await playSomewhere();
    const board = await readBoard(page);
    for (const [text, message] of [["# board 15x15\n7,7\nseven,eight\n", /Line 3/], ["# board 15x15\n7,7\n7,7\n", /already taken/],
                                   ["--x--\n-o---\n", /square/]]) {
      await page.$eval("#record-text", (area, value) => { area.value = value; }, text);
      await click("#load");
      assert.match(await page.$eval("#message", (e) => e.textContent), message);
      assert.deepEqual(await readBoard(page), board);
    }
  });

  test("markup in a loaded record's names shows as text and runs nothing", async () => {
    const hostile = '<img src=x onerror="window.hostileRan=1">';
    const record = `# board 15x15\n# x ${hostile}\n# o <script>window.hostileRan=2</script>\n# result *\n7,7,0\n8,8,0\n`;
    await page.$eval("#record-text", (area, value) => { area.value = value; }, record);
    await click("#load");
    assert.equal(await page.$eval("#players", (e) => e.textContent), `X: ${hostile} (you), O: <script>window.hostileRan=2</script>`);
    assert.equal(await page.$$eval("img, script:not([src])", (nodes) => nodes.length), 0);
    assert.equal(await page.evaluate(() => window.hostileRan), undefined);
    assert.equal(stoneCount(await readBoard(page)), 2);
    assert.deepEqual(errors, []);
  });

  const message = () => page.$eval("#message", (e) => ({ text: e.textContent, alert: e.querySelector("[role=alert]") !== null }));
  const cellSelector = (key) => `.cell[data-x="${key.split(",")[0]}"][data-y="${key.split(",")[1]}"]`;

  test("a bad fixed seed leaves the board as it was, with a message; a mended seed plays on", async () => {
    await newGame();
    await playSomewhere();
    const board = await readBoard(page);
    await page.type("#seed", "12x");
    await click(cellSelector("0,0"));
    assert.deepEqual(await readBoard(page), board);
    assert.deepEqual(await message(), { text: "The seed must be a whole number from 0 to 4294967295.", alert: true });
    assert.match(await status(), /Your move as X/);
    await page.$eval("#seed", (input) => { input.value = "77"; });
    await click(cellSelector("0,0"));
    assert.equal(stoneCount(await readBoard(page)), stoneCount(board) + 2);
    assert.match(await page.$eval("#moves li.last", (e) => e.textContent), /^\d+\. O [a-o]\d+$/);
    assert.match(await page.$eval("#record-view", (e) => e.textContent), /\d+\. O \d+,\d+ seed 77$/);
    assert.deepEqual(await message(), { text: "", alert: false });
    await page.$eval("#seed", (input) => { input.value = ""; });
  });

  test("after tulvo wins, Undo gives the turn back and the next click is answered", async () => {
    // O has an open four on row 7; X to move plays far away and tulvo makes five.
    const rows = Array.from({ length: 15 }, (_, y) => y === 7 ? "---oooo--------" : y === 0 ? "x-x-x-x--------" : "-".repeat(15));
    await page.$eval("#record-text", (area, value) => { area.value = value; }, rows.join("\n"));
    await click("#load");
    assert.match(await status(), /Your move as X/);
    assert.equal(await page.$eval("#players", (e) => e.textContent), "X: you, O: tulvo level 3");
    await click(cellSelector("14,14"));
    assert.match(await status(), /O \(tulvo\) wins/);
    assert.ok(await page.$(".cell.win"));
    await click("#undo");
    assert.match(await status(), /Your move as X/);
    assert.equal(await page.$(".cell.win"), null);
    assert.equal(stoneCount(await readBoard(page)), 8);
    await click(cellSelector("7,7"));
    const board = await readBoard(page);
    assert.equal(board["7,7"], "x");
    assert.equal(stoneCount(board), 10, "tulvo answered");
  });

  test("one polite live region tells the moves; the hover read-out is not live; Pause is a toggle", async () => {
    await newGame();
    const { target } = await playSomewhere();
    const announced = await page.$eval("#announce", (e) => e.textContent);
    const [x, y] = target.split(",").map(Number);
    assert.match(announced, new RegExp(`^You played ${cellName(x, y, 15)}\\. tulvo played [a-o]\\d+\\.$`));
    assert.deepEqual(await page.$$eval("[aria-live], [role=status], [role=alert], [role=log]", (nodes) => nodes.map((n) => n.id)),
                     ["announce"]);
    await select("#watch-x", "0");
    await select("#watch-o", "0");
    await page.$eval("#speed", (speed) => { speed.value = "0"; });
    await click("#watch");
    assert.equal(await page.$eval("#pause", (e) => e.getAttribute("aria-pressed")), "false");
    await click("#pause");
    assert.equal(await page.$eval("#pause", (e) => e.getAttribute("aria-pressed")), "true");
    assert.match(await status(), /Watch is paused/);
    await click("#step");
    assert.match(await page.$eval("#announce", (e) => e.textContent), /^X played [a-o]\d+\.$/);
    await newGame();
  });

  test("axe-core finds no violation at levels A and AA: overlay, drawer, end of game, review, an error", { skip: skipAxe }, async () => {
    // Evaluated through the DevTools protocol, which the page's script policy does not restrict.
    await page.evaluate(readFileSync(path.join(axeFolder, "node_modules/axe-core/axe.min.js"), "utf8"));
    await click("#overlay");
    await click("#numbers");
    await playSomewhere();
    const load = async (record) => {
      await page.$eval("#record-text", (area, value) => { area.value = value; }, record);
      await click("#load");
    };
    const states = [["a game going on, the drawer open", null],
                    ["a game won, its dialog shown", () => load("# board 10x10\n0,0\n0,9\n1,0\n1,9\n2,0\n2,9\n3,0\n3,9\n4,0\n")],
                    ["its review", () => click("#over-review")],
                    ["an error shown", async () => { await click("#review-done"); await load("# board 10x10\nseven\n"); }]];
    for (const [state, reach] of states) {
      if (reach) await reach();
      const violations = await page.evaluate(async () => {
        const levels = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"];
        const result = await window.axe.run(document, { runOnly: { type: "tag", values: levels } });
        return result.violations.map((v) => `${v.id}: ${v.nodes.length} nodes, first ${v.nodes[0].target} (${v.nodes[0].failureSummary})`);
      });
      assert.deepEqual(violations, [], state);
    }
    await click("#overlay");
    await click("#numbers");
  });
});
