// Audits the built page with Lighthouse in its mobile mode (a mid-range phone: slow 4G and
// a CPU four times slower, both simulated): serves the folder on a free loopback port, runs
// the audit in a fresh headless Chromium several times, prints every run's four scores and
// metrics, and checks the run of median performance against the floors.
// Usage (from web/): node lighthouse.mjs LIGHTHOUSE_DIR [WEB_FOLDER] [RUNS] [REPORT_JSON]
// Exits 1 when a score of that run is below its floor.
import { writeFileSync } from "node:fs";
import { loadavg } from "node:os";
import path from "node:path";

import { chromiumFlags, chromiumPath, serveFolder } from "./tests/browser_support.mjs";

const kCategories = ["performance", "accessibility", "best-practices", "seo"];
// The lowest score that passes; performance leaves room for a busy machine.
const kFloors = { performance: 0.85, accessibility: 1, "best-practices": 1, seo: 0.95 };
const kMetrics = [
  ["first-contentful-paint", "FCP", "ms"], ["largest-contentful-paint", "LCP", "ms"],
  ["total-blocking-time", "TBT", "ms"], ["cumulative-layout-shift", "CLS", ""], ["speed-index", "SI", "ms"],
  ["interactive", "TTI", "ms"],
];

const [lighthouseDir, folderArgument, runsArgument, reportPath] = process.argv.slice(2);
const modules = path.resolve(lighthouseDir, "node_modules");
const { default: lighthouse } = await import(path.join(modules, "lighthouse/core/index.js"));
const chromeLauncher = await import(path.join(modules, "chrome-launcher/dist/index.js"));
const folder = path.resolve(folderArgument || "../build-web");
const runs = Number(runsArgument || 3);

function summary(lhr) {
  const scores = kCategories.map((id) => `${id} ${lhr.categories[id].score?.toFixed(2) ?? "n/a"}`).join(", ");
  const metrics = kMetrics.map(([id, name, unit]) => {
    const value = lhr.audits[id].numericValue;
    if (value === undefined) return `${name} n/a`;
    return `${name} ${unit ? Math.round(value) : value.toFixed(3)}${unit ? " " + unit : ""}`;
  }).join(", ");
  return `${scores}; ${metrics}`;
}

// One audit in a browser of its own, so no cache or service worker of an earlier run helps.
async function audit(url) {
  const chrome = await chromeLauncher.launch({ chromePath: chromiumPath, chromeFlags: ["--headless", ...chromiumFlags] });
  try {
    const result = await lighthouse(url, { port: chrome.port, logLevel: "error", onlyCategories: kCategories });
    return result.lhr;
  } finally {
    await chrome.kill();
  }
}

const server = await serveFolder(folder);
const results = [];
try {
  for (let run = 1; run <= runs; run++) {
    const lhr = await audit(server.url);
    const load = `[load ${loadavg().map((v) => v.toFixed(2)).join(" ")}]`;
    // A run Lighthouse could not finish (a page that never painted, a browser that
    // stopped answering) has no scores; it is reported and left out of the median.
    if (lhr.runtimeError) {
      console.log(`run ${run}: not scored: ${lhr.runtimeError.code} ${lhr.runtimeError.message}   ${load}`);
      continue;
    }
    results.push(lhr);
    console.log(`run ${run}: ${summary(lhr)}   ${load}`);
  }
} finally {
  server.close();
}
if (results.length === 0) {
  console.error("lighthouse: no run was scored");
  process.exit(1);
}
const median = [...results].sort((a, b) => a.categories.performance.score - b.categories.performance.score)[results.length >> 1];
console.log(`median: ${summary(median)}`);
if (reportPath) writeFileSync(reportPath, JSON.stringify(median, null, 1));
const low = kCategories.filter((id) => median.categories[id].score < kFloors[id]);
for (const id of low) console.error(`lighthouse: ${id} ${median.categories[id].score} is below ${kFloors[id]}`);
process.exit(low.length ? 1 : 0);
