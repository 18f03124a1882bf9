// The page as a player meets it, on a phone (390x844, touch) and on a desktop
// (1280x800): the board fits, its targets are big enough, the bar is in view, the labels
// are readable, nothing moves during a game, the end of a game, its review, and the
// drawer's state across a reload.
import assert from "node:assert/strict";
import { existsSync } from "node:fs";
import { after, before, describe, test } from "node:test";

import { chromiumPath, closeChromium, kDesktop, kNearWin, kPhone, launchChromium, readBoard, serveFolder,
         stoneCount } from "./browser_support.mjs";
import { webFolder } from "./support.mjs";

const puppeteer = await import("puppeteer-core").then((m) => m.default, () => null);
const skip = !puppeteer ? "puppeteer-core is not installed (npm ci in web/)"
  : !existsSync(chromiumPath) ? `no Chromium at ${chromiumPath}` : false;

const cell = (x, y) => `.cell[data-x="${x}"][data-y="${y}"]`;
const rectOf = (element) => {
  const { left, top, right, bottom } = element.getBoundingClientRect();
  return { left, top, right, bottom };
};

for (const [name, viewport] of [["phone", kPhone], ["desktop", kDesktop]]) {
  describe(`the page on a ${name}`, { skip }, () => {
    let server, browser, page;
    // A finger on the phone, the mouse on the desktop.
    const press = (selector) => (viewport.hasTouch ? page.tap(selector) : page.click(selector));
    const status = () => page.$eval("#status", (e) => e.textContent);
    const box = (selector) => page.$eval(selector, (e) => JSON.stringify(e.getBoundingClientRect()));

    before(async () => {
      server = await serveFolder(webFolder);
      browser = await launchChromium(puppeteer);
      page = await browser.newPage();
      await page.setViewport(viewport);
      await page.goto(server.url);
      await page.waitForSelector("html[data-ready]");
    });
    after(async () => {
      if (browser) await closeChromium(browser);
      server?.close();
    });

    async function newGame(size) {
      await page.evaluate(() => window.scrollTo(0, 0));
      await page.select("#size", String(size));
      await press("#new-game");
    }

    async function closeEnd() {
      if (await page.$eval("#game-over", (dialog) => dialog.open)) await press("#over-close");
    }

    // Loads the record through the drawer, then closes it and scrolls back up.
    async function load(record) {
      await closeEnd();
      await page.$eval("#more", (drawer) => { drawer.open = true; });
      await page.$eval("#record-text", (area, text) => { area.value = text; }, record);
      await press("#load");
      await page.$eval("#more", (drawer) => { drawer.open = false; });
      await page.evaluate(() => window.scrollTo(0, 0));
      assert.match(await page.$eval("#message", (e) => e.textContent), /^Loaded/);
    }

    async function winAtOnce() {
      await load(kNearWin);
      await press(cell(10, 7));
      assert.ok(await page.$eval("#game-over", (dialog) => dialog.open));
    }

    test("the board fits the width with no horizontal scroll, the bar in view under it", async () => {
      for (const size of [10, 15, 20]) {
        await newGame(size);
        const board = await page.$eval("#board", rectOf);
        const scroll = await page.evaluate(() => ({ width: document.documentElement.scrollWidth, inner: innerWidth }));
        assert.ok(scroll.width <= scroll.inner, `${size}x${size}: the page is ${scroll.width} px wide`);
        assert.ok(board.left >= 0 && board.right <= scroll.inner, `${size}x${size}: board ${board.left}-${board.right}`);
        if (name === "phone") assert.ok(board.right - board.left >= scroll.inner - 4, `${size}x${size}: the board fills the width`);
        const bar = await page.$$eval("#play-bar button:not([hidden])", (buttons) => buttons.map((b) => {
          const { top, bottom, height } = b.getBoundingClientRect();
          return { top, bottom, height };
        }));
        assert.ok(bar.length >= 3);
        for (const button of bar) {
          assert.ok(button.height >= 44, `${size}x${size}: a button of the bar is ${button.height} px tall`);
          assert.ok(button.top >= board.bottom && button.bottom <= viewport.height, `${size}x${size}: the bar is in view`);
        }
      }
      if (name === "desktop") {
        const [board, panel] = [await page.$eval("#board", rectOf), await page.$eval(".panel", rectOf)];
        assert.ok(panel.left > board.right && panel.top < board.bottom, "the panel sits beside the board");
      }
    });

    test("every cell is a target of 24 px or more; where one is smaller, a tap proposes and Place plays", async () => {
      const smallest = () => page.$$eval(".cell", (cells) => Math.min(...cells.map((c) => {
        const { width, height } = c.getBoundingClientRect();
        return Math.min(width, height);
      })));
      await newGame(15);
      assert.ok(await smallest() >= 24, `15x15: a cell of ${await smallest()} px`);
      assert.ok(await page.$eval("#place", (button) => button.hidden));
      await newGame(20);
      const confirming = await smallest() < 24;
      assert.equal(confirming, name === "phone", `20x20: cells of ${await smallest()} px`);
      assert.equal(await page.$eval("#place", (button) => button.hidden), !confirming);
      if (!confirming) return;
      const pendingAt = () => page.$$eval("[data-pending]", (cells) => cells.map((c) => `${c.dataset.x},${c.dataset.y}`));
      await press(cell(9, 9));
      assert.deepEqual(await pendingAt(), ["9,9"]);
      assert.equal(stoneCount(await readBoard(page)), 0, "a tap alone plays nothing");
      assert.equal(await page.$eval("#place", (button) => button.textContent), "Place j11");
      await press(cell(10, 9));
      assert.deepEqual(await pendingAt(), ["10,9"], "a second tap elsewhere moves the proposal");
      await press("#place");
      const board = await readBoard(page);
      assert.equal(board["10,9"], "x");
      assert.equal(stoneCount(board), 2, "tulvo answered");
      assert.deepEqual(await pendingAt(), []);
      await press(cell(5, 5));
      await press(cell(5, 5));
      assert.equal((await readBoard(page))["5,5"], "x", "a second tap on the proposed cell plays it");
    });

    test("the labels on 20x20 read a to t and 20 to 1, their text inside their boxes, none overlapping", async () => {
      await newGame(20);
      const labels = await page.$$eval(".coordinate", (elements) => elements.filter((e) => e.textContent).map((e) => {
        const range = document.createRange();
        range.selectNodeContents(e);
        const text = range.getBoundingClientRect(), own = e.getBoundingClientRect();
        return { text: e.textContent, size: parseFloat(getComputedStyle(e).fontSize),
                 glyphs: { left: text.left, top: text.top, right: text.right, bottom: text.bottom },
                 own: { left: own.left, top: own.top, right: own.right, bottom: own.bottom } };
      }));
      const letters = Array.from({ length: 20 }, (_, x) => String.fromCharCode(97 + x));
      const numbers = Array.from({ length: 20 }, (_, y) => String(20 - y));
      assert.deepEqual(labels.map((l) => l.text), [...letters, ...numbers]);
      for (const { text, size, glyphs, own } of labels) {
        assert.ok(size >= 9, `${text} is ${size} px`);
        assert.ok(glyphs.left >= own.left - 0.5 && glyphs.right <= own.right + 0.5, `${text} is wider than its box`);
      }
      const overlap = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
      for (let i = 0; i < labels.length; i++) {
        for (let j = i + 1; j < labels.length; j++) {
          assert.ok(!overlap(labels[i].glyphs, labels[j].glyphs), `${labels[i].text} overlaps ${labels[j].text}`);
        }
      }
    });

    test("a game played to its end moves the board by 0 px, and nothing on the page shifts", async () => {
      await newGame(10);
      // A board of another size lays out anew (the bar too, when Place comes or goes):
      // the game's own changes are measured from the frame after that.
      await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
      const before = await box("#board");
      await page.evaluate(() => {
        window.shifts = [];
        new PerformanceObserver((list) => {
          for (const entry of list.getEntries()) window.shifts.push(`${entry.value}: ${entry.sources.map((s) => s.node?.id || s.node?.nodeName)}`);
        }).observe({ type: "layout-shift" });
      });
      for (let turn = 0; turn < 50 && !(await page.$eval("#game-over", (dialog) => dialog.open)); turn++) {
        const board = await readBoard(page);
        const free = Object.keys(board).filter((key) => board[key] === "-");
        const [x, y] = free[(turn * 7) % free.length].split(",");
        await press(cell(x, y));
      }
      assert.match(await status(), /wins with five in a row in \d+ moves|Draw/);
      assert.equal(await box("#board"), before);
      await new Promise((resolve) => setTimeout(resolve, 200));
      assert.deepEqual(await page.evaluate(() => window.shifts), []);
    });

    test("the end of a game: a dialog that takes the focus, a tap on the board says it is over, Play again", async () => {
      await winAtOnce();
      assert.equal(await page.$eval("#game-over-title", (e) => e.textContent), "You win!");
      assert.equal(await page.$eval("#game-over-text", (e) => e.textContent), "X (you) wins with five in a row in 9 moves.");
      assert.ok(await page.evaluate(() => document.activeElement.closest("#game-over") !== null));
      assert.equal(await page.$$eval(".cell.win", (cells) => cells.length), 5);
      assert.ok(await page.$eval(".win-line", (line) => !line.hidden && line.getBoundingClientRect().width > 0));
      await press("#over-close");
      assert.ok(!(await page.$eval("#game-over", (dialog) => dialog.open)));
      await press(cell(0, 0));
      assert.match(await page.$eval("#message", (e) => e.textContent), /^The game is over\./);
      assert.ok(await page.$eval("#game-over", (dialog) => dialog.open), "the tap shows the dialog again");
      assert.equal(stoneCount(await readBoard(page)), 9);
      await press("#again");
      assert.ok(!(await page.$eval("#game-over", (dialog) => dialog.open)));
      assert.equal(stoneCount(await readBoard(page)), 0);
      assert.match(await status(), /^Your move as X\.$/);
    });

    test("review steps through the moves by buttons and arrow keys, the overlay on any move", async () => {
      await winAtOnce();
      await press("#over-review");
      const at = async () => ({ status: await status(), stones: stoneCount(await readBoard(page)) });
      assert.deepEqual(await at(), { status: "Review: move 9 of 9, X k8.", stones: 9 });
      assert.ok(await page.$eval("#play-bar", (bar) => bar.hidden));
      await press("#review-back");
      assert.deepEqual(await at(), { status: "Review: move 8 of 9, O d12.", stones: 8 });
      await press("#review-first");
      assert.deepEqual(await at(), { status: "Review: move 0 of 9.", stones: 0 });
      assert.ok(await page.$eval("#review-back", (button) => button.disabled));
      for (const [key, stones] of [["ArrowRight", 1], ["ArrowRight", 2], ["ArrowLeft", 1], ["End", 9], ["Home", 0]]) {
        await page.keyboard.press(key);
        assert.equal((await at()).stones, stones, key);
      }
      await press("#review-last");
      await press("#review-back");
      await press("#review-analysis");
      assert.equal(await page.$eval("#review-analysis", (b) => b.getAttribute("aria-pressed")), "true");
      // Move 8 came with the loaded record, so its analysis is made for the review.
      assert.ok(await page.$$eval(".cell[data-band]", (cells) => cells.length) > 10);
      assert.equal(await page.$$eval(".cell.chosen", (cells) => cells.length), 1);
      await press("#review-analysis");
      await press(cell(0, 0));
      assert.match(await page.$eval("#message", (e) => e.textContent), /review/);
      assert.equal((await at()).stones, 8);
      await press("#review-done");
      assert.deepEqual(await at(), { status: "X (you) wins with five in a row in 9 moves.", stones: 9 });
      assert.ok(await page.$eval("#review-bar", (bar) => bar.hidden));
      await newGame(15);
    });

    test("the drawer's state survives a reload", async () => {
      const state = () => page.evaluate(() => ({
        open: document.getElementById("more").open, numbers: document.getElementById("numbers").checked,
        seed: document.getElementById("seed").value, watchX: document.getElementById("watch-x").value,
      }));
      await press("#more summary");
      await press("#numbers");
      await page.type("#seed", "42");
      await page.select("#watch-x", "5");
      const kept = { open: true, numbers: true, seed: "42", watchX: "5" };
      assert.deepEqual(await state(), kept);
      await page.reload();
      await page.waitForSelector("html[data-ready]");
      assert.deepEqual(await state(), kept);
      await page.evaluate(() => window.scrollTo(0, 0));
      await press("#more summary");
      // The drawer's toggle event comes a moment after the click.
      await page.waitForFunction(() => JSON.parse(localStorage.getItem("tulvo.drawer")).open === false);
      await page.reload();
      await page.waitForSelector("html[data-ready]");
      assert.equal((await state()).open, false);
      await page.evaluate(() => localStorage.clear());
    });
  });
}
