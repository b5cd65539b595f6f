// The page's figures in headless chromium (a benchmark, not a test): the
// first frame after opening, the bench's median work a frame (the frame,
// the panel drawn, the canvas filled) over a long flight, the file's size.
//   node benchmark.mjs PAGE.html SCENARIO.txt SECONDS
import fs from "node:fs";
import { chromium } from "playwright-core";

const [pagePath, scenarioPath, seconds] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
const page = await browser.newPage();
const opened = Date.now();
await page.goto("file://" + pagePath);
await page.waitForFunction(() => window.zorPage && window.zorPage.frames > 0, null, { timeout: 60000 });
const firstFrame = Date.now() - opened;
await page.evaluate((text) => window.zorPage.fly(text), fs.readFileSync(scenarioPath, "utf8"));
await page.waitForTimeout(Number(seconds) * 1000);
const summaries = (await page.evaluate(() => window.zorPage.report)).filter((line) => /median work/.test(line));
await browser.close();
console.log(`page: ${pagePath} (${fs.statSync(pagePath).size} bytes)`);
console.log(`first frame: ${firstFrame} ms after opening the file`);
console.log(`page, last ten seconds: ${summaries.at(-1) || "no summary yet"}`);
