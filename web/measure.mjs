// Measures the built page in headless Chromium: the time from navigation to a usable
// board, and one level-6 move on the benchmarks' 100-stone position (20x20/100).
// Usage (from web/, after npm ci): node measure.mjs [WEB_FOLDER]
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

const server = await serveFolder(path.resolve(process.argv[2] || "../build-web"));
const browser = await launchChromium(puppeteer);
try {
  const loads = [];
  for (let i = 0; i < kLoads; i++) {
    const page = await browser.newPage();
    await page.goto(server.url);
    await page.waitForSelector("html[data-ready]");
    loads.push(await page.evaluate(() => performance.getEntriesByName("tulvo-ready")[0].startTime));
    await page.close();
  }
  console.log(`page load to usable board: first ${loads[0].toFixed(1)} ms, median of ${kLoads} ${median(loads).toFixed(1)} ms`);
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
  console.log(`level-6 move on 20x20/100 (${position.side} to move, move ${rounds.move}): ` +
              `median ${median(rounds.times).toFixed(1)} us over 5 rounds of ${kMoves}`);
} finally {
  await closeChromium(browser);
  server.close();
}
