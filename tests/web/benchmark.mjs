// The page's figures in headless chromium (a benchmark, not a test): the
// first frame after opening the file, where the time to it goes, and the
// bench's median work a frame over a long flight, as the bench itself
// measures it (from a frame's start to its picture on the canvas: the
// module's frame, the whole panel drawn, the strip, the canvas filled).
//   node benchmark.mjs PAGE.html SCENARIO.txt SECONDS [OPENINGS]
// It flies SCENARIO for SECONDS, then ends the session (by flying the demo
// panel) for the bench's summary of the whole session; the first frame is
// the median of OPENINGS fresh openings (default 5). The flight is flown
// from a local server that isolates the page, whose clock then counts in
// microseconds: elsewhere chromium coarsens it to a tenth of a millisecond,
// as coarse as the work it would measure.
import fs from "node:fs";
import http from "node:http";
import { chromium } from "playwright-core";

const [pagePath, scenarioPath, seconds, openings = "5"] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// One fresh opening of the file: the page's own marks, in ms from the
// start of the navigation, and the page kept open when asked.
async function open(keep, url = "file://" + pagePath) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => window.zorPage && window.zorPage.frames > 0, null, { timeout: 60000 });
  const marks = await page.evaluate(() => window.zorPage.marks);
  if (keep) return { page, context, marks };
  await context.close();
  return { marks };
}

const opened = [];
for (let i = 0; i < Number(openings); i++) opened.push((await open(false)).marks);
const steps = Object.keys(opened[0]);
console.log(`page: ${pagePath} (${fs.statSync(pagePath).size} bytes)`);
console.log(`first frame: ${median(opened.map((m) => m.firstFrame)).toFixed(0)} ms after opening the file ` +
            `(median of ${opened.length} openings: ${opened.map((m) => m.firstFrame.toFixed(0)).join(", ")})`);
console.log("  where it goes (median ms from opening): " +
            steps.map((step) => `${step} ${median(opened.map((m) => m[step])).toFixed(0)}`).join(", "));

const server = http.createServer((request, response) => {
  response.writeHead(200, { "Content-Type": "text/html", "Cross-Origin-Opener-Policy": "same-origin",
                            "Cross-Origin-Embedder-Policy": "require-corp" });
  response.end(fs.readFileSync(pagePath));
});
await new Promise((done) => server.listen(0, "127.0.0.1", done));
const { page, context } = await open(true, `http://127.0.0.1:${server.address().port}/zor_bench.html`);
if (!(await page.evaluate(() => window.crossOriginIsolated))) throw new Error("the page is not isolated: its clock is coarse");
const reportedSoFar = () => page.evaluate(() => window.zorPage.report.length);
const start = await reportedSoFar();
await page.evaluate((text) => window.zorPage.fly(text), fs.readFileSync(scenarioPath, "utf8"));
await page.waitForTimeout(Number(seconds) * 1000);
await page.evaluate(() => window.zorPage.fly(window.zorPage.demoText()));
// The demo panel's session closes as the flight starts, the flight's as the demo flies again.
const closed = (n) => window.zorPage.report.slice(n).filter((l) => l.startsWith("bench closed")).length >= 2;
await page.waitForFunction(closed, start, { timeout: 30000 });
const report = (await page.evaluate(() => window.zorPage.report)).slice(start);
await context.close();
await browser.close();
server.close();
console.log(`page, ${report.find((l) => l.startsWith("scenario done"))}`);
console.log(`page, the flight's session: ${report.filter((l) => l.startsWith("bench closed"))[1]}`);
