// Measures the built page in headless Chromium: the time from navigation to a usable
// board (plain, on a first visit with the service worker, and from its cache), and one
// level-6 move on the benchmarks' 100-stone position (20x20/100). Every figure is
// printed with the load average, since a busy machine slows them all.
// Usage (from web/, after npm ci): node measure.mjs [WEB_FOLDER]
import { existsSync, statSync } from "node:fs";
import { loadavg } from "node:os";
import path from "node:path";

import puppeteer from "puppeteer-core";

import { closeChromium, launchChromium, serveFolder } from "./tests/browser_support.mjs";

const kLoads = 7;
const kMoves = 5000;

// The benchmarks' random-game position: the same generator and the same cell choice.
function randomGamePosition(side, stones, seed) {
  let state = seed >>> 0;
  const next = (n) => {
    state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
    return Number((BigInt(state) * BigInt(n)) >> 32n);
  };
  const cells = new Array(side * side).fill("-");
  const near = (x, y) => {
    for (let v = y - 2; v <= y + 2; v++)
      for (let u = x - 2; u <= x + 2; u++) if (u >= 0 && v >= 0 && u < side && v < side && cells[v * side + u] !== "-") return true;
    return false;
  };
  for (let placed = 0; placed < stones; placed++) {
    let cell = (side >> 1) * side + (side >> 1);
    if (placed > 0) {
      const free = [];
      for (let y = 0; y < side; y++) for (let x = 0; x < side; x++) if (cells[y * side + x] === "-" && near(x, y)) free.push(y * side + x);
      cell = free[next(free.length)];
    }
    cells[cell] = placed % 2 === 0 ? "x" : "o";
  }
  let text = "";
  for (let y = 0; y < side; y++) text += cells.slice(y * side, (y + 1) * side).join("") + "\n";
  return { text, side: stones % 2 === 0 ? "x" : "o" };
}

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
const range = (values) => `${Math.min(...values).toFixed(1)}-${Math.max(...values).toFixed(1)}`;
// Each figure with the machine's load average (1, 5, 15 minutes) as it was printed.
const report = (text) => console.log(`${text}   [load ${loadavg().map((v) => v.toFixed(2)).join(" ")}]`);

// One visit in a fresh browser context (empty caches, no service worker yet): the ms to
// the usable board, and with the worker the ms until it controls the page, which it
// does once its cache holds every file. A second visit in the same context is answered
// by the worker from that cache.
async function visit(browser, url, { worker }) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setBypassServiceWorker(!worker);
  const ready = async () => {
    await page.waitForSelector("html[data-ready]");
    return page.evaluate(() => performance.getEntriesByName("tulvo-ready")[0].startTime);
  };
  await page.goto(url);
  const first = await ready();
  let cached = null, repeat = null;
  if (worker) {
    cached = await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      while (navigator.serviceWorker.controller === null) await new Promise((resolve) => setTimeout(resolve, 5));
      return performance.now();
    });
    await page.goto(url);
    repeat = await ready();
  }
  await context.close();
  return { first, cached, repeat };
}

const folder = path.resolve(process.argv[2] || "../build-web");
// A folder built before the page had a service worker is measured plainly.
const hasWorker = existsSync(path.join(folder, "sw.js"));
const server = await serveFolder(folder);
const browser = await launchChromium(puppeteer);
try {
  report(`tulvo.wasm: ${statSync(path.join(folder, "tulvo.wasm")).size} bytes`);
  const plain = [], first = [], cached = [], repeat = [];
  for (let i = 0; i < kLoads; i++) {
    plain.push((await visit(browser, server.url, { worker: false })).first);
    if (!hasWorker) continue;
    const withWorker = await visit(browser, server.url, { worker: true });
    first.push(withWorker.first);
    cached.push(withWorker.cached);
    repeat.push(withWorker.repeat);
  }
  report(`page load to usable board, plain (no service worker): median of ${kLoads} ${median(plain).toFixed(1)} ms (${range(plain)})`);
  if (hasWorker) {
    report(`first visit with the service worker: usable board ${median(first).toFixed(1)} ms (${range(first)}), ` +
         `offline copy complete ${median(cached).toFixed(1)} ms (${range(cached)})`);
    report(`repeat visit from the service worker's cache: median ${median(repeat).toFixed(1)} ms (${range(repeat)})`);
  }
  const page = await browser.newPage();
  await page.goto(server.url);
  await page.waitForSelector("html[data-ready]");
  const position = randomGamePosition(20, 100, 3);
  const rounds = await page.evaluate(async ({ text, side }, moves) => {
    const { chooseMove } = await import("./tulvo.js");
    const times = [];
    for (let round = 0; round < 5; round++) {
      const start = performance.now();
      for (let i = 0; i < moves; i++) chooseMove(text, side, 6, 12345);
      times.push(((performance.now() - start) * 1000) / moves);
    }
    return { times, move: chooseMove(text, side, 6, 12345) };
  }, position, kMoves);
  report(`level-6 move on 20x20/100 (${position.side} to move, move ${rounds.move}): ` +
         `median ${median(rounds.times).toFixed(1)} us over 5 rounds of ${kMoves} (${range(rounds.times)})`);
} finally {
  await closeChromium(browser);
  server.close();
}
