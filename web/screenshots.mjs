// Takes the page's pictures in headless Chromium, on a phone (390x844, touch) and on a
// desktop (1280x800): a game going on, its end, its review with the overlay, the drawer
// open, and 20x20 with a tap waiting for Place. docs/web.png and docs/web-phone.png are
// desktop-game.png and phone-game.png.
// Usage (from web/, after npm ci): node screenshots.mjs [WEB_FOLDER] [OUT_FOLDER]
import { mkdirSync } from "node:fs";
import path from "node:path";

import puppeteer from "puppeteer-core";

import { closeChromium, kDesktop, kNearWin, kPhone, launchChromium, serveFolder } from "./tests/browser_support.mjs";


const cell = (x, y) => `.cell[data-x="${x}"][data-y="${y}"]`;

async function takeAll(page, viewport, name, folder) {
  const shot = (state) => page.screenshot({ path: path.join(folder, `${name}-${state}.png`) });
  const press = (selector) => (viewport.hasTouch ? page.tap(selector) : page.click(selector));
  await page.setViewport(viewport);
  await page.goto(page.url());
  await page.waitForSelector("html[data-ready]");
  await page.$eval("#seed", (input) => { input.value = "7"; });
  await press("#new-game");
  for (const [x, y] of [[7, 7], [8, 6], [6, 8], [9, 9]]) {
    const free = await page.$eval(cell(x, y), (c) => c.dataset.stone === "-");
    if (free) await press(cell(x, y));
  }
  await shot("game");
  await page.$eval("#more", (drawer) => { drawer.open = true; });
  await page.$eval("#record-text", (area, text) => { area.value = text; }, kNearWin);
  await page.click("#load");
  await page.$eval("#more", (drawer) => { drawer.open = false; });
  await page.evaluate(() => window.scrollTo(0, 0));
  await press(cell(10, 7));
  await shot("end");
  await press("#over-review");
  await press("#review-analysis");
  await press("#review-back");
  await press("#review-back");
  await shot("review");
  await press("#review-analysis");
  await press("#review-done");
  await page.$eval("#more", (drawer) => { drawer.open = true; drawer.scrollIntoView(); });
  await shot("drawer");
  await page.$eval("#more", (drawer) => { drawer.open = false; });
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.select("#size", "20");
  await press("#new-game");
  await press(cell(10, 10));
  await press(cell(11, 9));
  await shot("20x20");
}

const folder = path.resolve(process.argv[2] || "../build-web");
const out = path.resolve(process.argv[3] || "../build-web-test/shots");
mkdirSync(out, { recursive: true });
const server = await serveFolder(folder);
const browser = await launchChromium(puppeteer);
try {
  for (const [name, viewport] of [["phone", kPhone], ["desktop", kDesktop]]) {
    const page = await browser.newPage();
    await page.goto(server.url);
    await takeAll(page, viewport, name, out);
    await page.close();
  }
  console.log(`screenshots in ${out}`);
} finally {
  await closeChromium(browser);
  server.close();
}
