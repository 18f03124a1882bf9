// The page while its engine loads, when it cannot load, and offline after a first
// visit, each in a browser of its own.
import assert from "node:assert/strict";
import { existsSync } from "node:fs";
import { after, before, describe, test } from "node:test";

import { chromiumPath, closeChromium, launchChromium, readBoard, serveFolder, stoneCount } from "./browser_support.mjs";
import { webFolder } from "./support.mjs";

const puppeteer = await import("puppeteer-core").then((m) => m.default, () => null);
const skip = !puppeteer ? "puppeteer-core is not installed (npm ci in web/)"
  : !existsSync(chromiumPath) ? `no Chromium at ${chromiumPath}` : false;

const middle = '.cell[data-x="7"][data-y="7"]';

// Holds back or refuses the engine's .wasm: answer(request) is called for it.
async function interceptWasm(page, answer) {
  await page.setRequestInterception(true);
  page.on("request", (request) => (request.url().endsWith("/tulvo.wasm") ? answer(request) : request.continue()));
}

describe("the page before, without and after its engine", { skip }, () => {
  let server, browser;
  before(async () => {
    server = await serveFolder(webFolder);
    browser = await launchChromium(puppeteer);
  });
  after(async () => {
    if (browser) await closeChromium(browser);
    server?.close();
  });

  // A page in a context of its own, or in the browser's default one, where a page can
  // be installed (not in the other, incognito, contexts).
  async function freshPage({ installable = false } = {}) {
    const context = installable ? browser.defaultBrowserContext() : await browser.createBrowserContext();
    const page = await context.newPage();
    page.errors = [];
    page.on("pageerror", (error) => page.errors.push(error.message));
    return page;
  }

  test("clicks before the engine has loaded do nothing, and the page plays once it has", async () => {
    const page = await freshPage();
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await interceptWasm(page, (request) => held.then(() => request.continue()));
    await page.goto(server.url, { waitUntil: "domcontentloaded" });
    await page.waitForSelector(middle);
    await page.$eval("#more", (drawer) => { drawer.open = true; });
    for (const selector of [middle, "#new-game", "#undo", "#hint", "#watch", "#load", ".cell[data-x='0'][data-y='0']"]) {
      await page.click(selector);
    }
    await page.focus("#board");
    await page.keyboard.press("Enter");
    assert.equal(stoneCount(await readBoard(page)), 0);
    assert.ok(await page.$eval("#new-game", (button) => button.matches(":disabled")));
    assert.ok(await page.$eval(middle, (cell) => cell.matches(":disabled")));
    assert.equal(await page.$eval("#status", (e) => e.textContent), "Loading the engine");
    release();
    await page.waitForSelector("html[data-ready]");
    await page.click(middle);
    assert.equal(stoneCount(await readBoard(page)), 2);
    assert.deepEqual(page.errors, []);
    await page.browserContext().close();
  });

  test("an engine that cannot load is reported with the reason, and the page stays disabled", async () => {
    const page = await freshPage();
    await interceptWasm(page, (request) => request.respond({ status: 404, body: "" }));
    await page.goto(server.url);
    await page.waitForSelector("html[data-failed]");
    assert.match(await page.$eval("#status", (e) => e.textContent), /^The engine could not be loaded: .*tulvo\.wasm: 404$/);
    assert.match(await page.$eval("#message [role=alert]", (e) => e.textContent), /could not be loaded.*tulvo\.wasm: 404/);
    assert.ok(await page.$$eval("fieldset", (sets) => sets.every((set) => set.disabled)));
    await page.click(middle);
    assert.equal(stoneCount(await readBoard(page)), 0);
    await page.browserContext().close();
  });

  test("the page is installable, and after a first visit it reloads and plays with the network off", async () => {
    const ownServer = await serveFolder(webFolder);
    const page = await freshPage({ installable: true });
    await page.goto(ownServer.url);
    await page.waitForSelector("html[data-ready]");
    // The worker has filled its cache once it controls the page.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const devtools = await page.createCDPSession();
    assert.deepEqual(await devtools.send("Page.getInstallabilityErrors"), { installabilityErrors: [] });
    await page.setOfflineMode(true);
    ownServer.closeAllConnections();
    await new Promise((resolve) => ownServer.close(resolve));
    await page.reload();
    await page.waitForSelector("html[data-ready]");
    await page.click(middle);
    assert.equal(stoneCount(await readBoard(page)), 2);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});
