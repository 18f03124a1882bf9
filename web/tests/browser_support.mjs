// The page in headless Chromium: a static server for the built folder on a free
// port and a browser with a profile of its own.
import { mkdtempSync } from "node:fs";
import { readFile, rm } from "node:fs/promises";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import path from "node:path";

export const chromiumPath = process.env.TULVO_CHROMIUM || "/usr/bin/chromium";
// Headless as root, with no network of its own: without the background services off,
// Chromium's connections to the page's server get refused.
export const chromiumFlags = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                              "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const kTypes = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
                 ".webmanifest": "application/manifest+json", ".svg": "image/svg+xml" };

// A phone held upright, with touch, and a desktop window, as the layout tests and the
// screenshots use them.
export const kPhone = { width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
export const kDesktop = { width: 1280, height: 800 };
// A 15x15 game one move from its end: X, to move, has four on row 8 and wins at 10,7.
export const kNearWin = "# board 15x15\n6,7\n6,8\n7,7\n7,8\n8,7\n8,8\n9,7\n3,3\n";

// Serves the folder's files on 127.0.0.1 at a port the system picks; resolves to the server.
export async function serveFolder(folder) {
  const server = createServer(async (request, response) => {
    const name = path.basename(new URL(request.url, "http://localhost").pathname) || "index.html";
    try {
      const body = await readFile(path.join(folder, name));
      response.writeHead(200, { "Content-Type": kTypes[path.extname(name)] || "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  server.url = `http://127.0.0.1:${server.address().port}/`;
  return server;
}

export async function launchChromium(puppeteer) {
  const profile = mkdtempSync(path.join(tmpdir(), "tulvo-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    args: [...chromiumFlags, `--user-data-dir=${profile}`],
  });
  browser.profile = profile;
  return browser;
}

// Closes the browser and removes its profile, once its last child process let go of it.
export async function closeChromium(browser) {
  await browser.close();
  await rm(browser.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
}

// The board as the page shows it: "x", "o" or "-" per cell, by "x,y".
export function readBoard(page) {
  return page.$$eval(".cell", (cells) => Object.fromEntries(cells.map((c) => [`${c.dataset.x},${c.dataset.y}`, c.dataset.stone])));
}

export function stoneCount(board) { return Object.values(board).filter((s) => s !== "-").length; }
