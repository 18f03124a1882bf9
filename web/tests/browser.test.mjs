// The page in a real browser: a whole game by clicks, Undo, the overlay, watch mode,
// malformed and hostile pastes, and a screenshot.
import assert from "node:assert/strict";
import { existsSync, mkdirSync } from "node:fs";
import path from "node:path";
import { after, before, describe, test } from "node:test";

import { chromiumPath, closeChromium, launchChromium, readBoard, serveFolder, stoneCount } from "./browser_support.mjs";
import { repository, webFolder } from "./support.mjs";

const puppeteer = await import("puppeteer-core").then((m) => m.default, () => null);
const skip = !puppeteer ? "puppeteer-core is not installed (npm ci in web/)"
  : !existsSync(chromiumPath) ? `no Chromium at ${chromiumPath}` : false;
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
  });

  after(async () => {
    if (browser) await closeChromium(browser);
    server?.close();
  });

  const status = () => page.$eval("#status", (e) => e.textContent);
  const click = (selector) => page.click(selector);
  const select = (selector, value) => page.select(selector, value);

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
    assert.equal(await page.$eval("#players", (e) => e.textContent), `X: ${hostile}, O: <script>window.hostileRan=2</script>`);
    assert.equal(await page.$$eval("img, script:not([src])", (nodes) => nodes.length), 0);
    assert.equal(await page.evaluate(() => window.hostileRan), undefined);
    assert.equal(stoneCount(await readBoard(page)), 2);
    assert.deepEqual(errors, []);
  });
});
