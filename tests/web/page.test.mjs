// The bench page in a real browser: Debian's chromium, headless, driven by
// playwright-core. The page is the web tree's build; the native host draws
// the same scenarios for the pixels to be held against.
//   ZOR_WEB_PAGE (default build/web/dist/web/zor_bench.html)
//   ZOR_NATIVE_HOST (default build/native/host/zor_host_native)
//   ZOR_WEB_PICTURES (default build/web/pictures): the page's screenshot
//     and the native picture of the same frame, kept
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { execFileSync } from "node:child_process";
import { chromium } from "playwright-core";
import { readPng } from "./png.mjs";

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), "..", "..");
const pagePath = process.env.ZOR_WEB_PAGE || path.join(root, "build/web/dist/web/zor_bench.html");
const nativeHost = process.env.ZOR_NATIVE_HOST || path.join(root, "build/native/host/zor_host_native");
const pageUrl = "file://" + pagePath;
// Where the page's screenshot and the native host's picture of the same frame are kept.
const picturesFolder = process.env.ZOR_WEB_PICTURES || path.join(root, "build/web/pictures");
const demoPlaces = fs.readFileSync(path.join(root, "scenarios/bench_demo.txt"), "utf8")
  .split("\n").filter((line) => line.startsWith("place ")).join("\n");
// Both breakers closed, ZOR_1's pressure three up: a panel that stands
// still once the scenario is flown (no alert, nothing blinking).
const STILL_PANEL = `${demoPlaces}
set bus_volts 27
click AZS_ZOR_1 15 32
click AZS_ZOR_2 15 32
frames 2
click ZOR_1 345 310
click ZOR_1 345 310
click ZOR_1 345 310
frames 20
expect frame ZOR_1 14 6
`;

let browser, server, serverUrl, workFolder;

before(async () => {
  browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
  server = http.createServer((request, response) => {
    if (request.url.split("?")[0] !== "/zor_bench.html") { response.writeHead(404); response.end(); return; }
    response.writeHead(200, { "content-type": "text/html" });
    fs.createReadStream(pagePath).pipe(response);
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  serverUrl = `http://127.0.0.1:${server.address().port}/zor_bench.html`;
  workFolder = fs.mkdtempSync(path.join(os.tmpdir(), "zor-web-"));
});

after(async () => {
  await browser?.close();
  server?.close();
  fs.rmSync(workFolder, { recursive: true, force: true });
});

async function openPage(url = pageUrl, options = {}) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(url);
  await page.waitForFunction(() => window.zorPage && window.zorPage.frames > 2, null, { timeout: 30000 });
  return { page, context, errors };
}

// Flies a scenario in the page and waits until it has flown (the bench is ready).
async function fly(page, text) {
  const before = await page.evaluate(() => window.zorPage.report.length);
  const said = await page.evaluate((t) => window.zorPage.fly(t), text);
  assert.equal(said, "");
  await page.waitForFunction((n) => window.zorPage.report.slice(n).some((l) => l.startsWith("bench ready")), before,
                             { timeout: 30000 });
  await page.waitForTimeout(300);
}

const canvasPixels = (page) => page.evaluate(() => {
  const canvas = document.getElementById("panel");
  const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height);
  return { width: data.width, height: data.height, data: Array.from(data.data) };
});

// The native host's picture of the scenario's last frame.
function nativeSnapshot(text) {
  const scenario = path.join(workFolder, "still.txt");
  fs.writeFileSync(scenario, text + "snapshot still.png\n");
  execFileSync(nativeHost, ["--out", workFolder, scenario], { stdio: "pipe" });
  return readPng(path.join(workFolder, "still.png"));
}

// Pixels a canvas shows: the host's RGBA with undrawn pixels black.
function pixelDifferences(canvas, png) {
  assert.equal(canvas.width, png.width);
  assert.equal(canvas.height, png.height);
  let differing = 0;
  for (let i = 0; i < png.data.length; i += 4) {
    const drawn = png.data[i + 3] !== 0;
    for (let c = 0; c < 3; c++)
      if (canvas.data[i + c] !== (drawn ? png.data[i + c] : 0)) { differing++; break; }
  }
  return differing;
}

test("the page opens from file:// and from a server and draws the demo panel", async () => {
  for (const url of [pageUrl, serverUrl]) {
    const { page, context, errors } = await openPage(url);
    const pixels = await canvasPixels(page);
    assert.equal(pixels.width, 731); // the demo panel: two altimeters side by side
    assert.ok(pixels.data.some((v, i) => i % 4 !== 3 && v > 100), `${url}: the canvas shows the panel`);
    assert.match(await page.textContent("#status"), /BUS 27\.0 V/);
    assert.deepEqual(errors, []);
    await context.close();
  }
});

test("the canvas equals the native host's picture of the same frame", async () => {
  const png = nativeSnapshot(STILL_PANEL);
  const { page, context } = await openPage();
  await fly(page, STILL_PANEL);
  assert.equal(pixelDifferences(await canvasPixels(page), png), 0);
  // Both kept to be looked at side by side: the page as chromium shows it, the native picture.
  fs.mkdirSync(picturesFolder, { recursive: true });
  await page.screenshot({ path: path.join(picturesFolder, "page.png"), fullPage: true });
  fs.copyFileSync(path.join(workFolder, "still.png"), path.join(picturesFolder, "native_frame.png"));
  assert.ok(!(await page.evaluate(() => window.zorPage.report)).some((l) => / expected /.test(l)));
  assert.equal(await page.locator("#expectations .held").count(), 1);
  await context.close();
});

test("a scenario's expectations are listed by line and decided as it flies", async () => {
  const { page, context } = await openPage();
  // Line 8 holds two frames in; line 10 fails five seconds later.
  const text = `${demoPlaces}
set bus_volts 27
click AZS_ZOR_1 15 32
frames 2
expect variable bus_volts 27
frames 90
expect frame ZOR_1 14 99
`;
  assert.equal(await page.evaluate((t) => window.zorPage.fly(t), text), "");
  const rows = page.locator("#expectations div");
  const state = (line) => page.getAttribute(`#expectations [data-line="${line}"]`, "data-state");
  assert.deepEqual(await rows.allTextContents().then((all) => all.map((row) => row.split("  --")[0])),
                   ["line 8: expect variable bus_volts 27", "line 10: expect frame ZOR_1 14 99"]);
  await page.waitForFunction(() => document.querySelector('#expectations [data-line="8"]').dataset.state === "held");
  assert.equal(await state(10), "waiting", "the later line is not decided before the run reaches it");
  assert.match(await page.textContent('#expectations [data-line="10"]'), /-- waiting$/);
  await page.waitForFunction(() => document.querySelector('#expectations [data-line="10"]').dataset.state !== "waiting",
                             null, { timeout: 30000 });
  assert.equal(await state(8), "held");
  assert.equal(await state(10), "failed");
  assert.match(await page.textContent('#expectations [data-line="10"]'), /-- failed: expected .*99.*, saw /);
  await context.close();
});

test("the session downloaded while it flies is the recorder's text, closed once", async () => {
  const { page, context } = await openPage();
  await fly(page, STILL_PANEL);
  const text = await page.evaluate(() => window.zorPage.sessionText());
  const lines = text.trimEnd().split("\n");
  assert.equal(lines.filter((line) => line.startsWith("recording ")).join("|"), "recording begin|recording end");
  assert.equal(lines.at(-1), "recording end");
  assert.match(text, /^click AZS_ZOR_1 15 32/m);
  // Flown again, the recording is a scenario like any other.
  assert.equal(await page.evaluate((t) => window.zorPage.fly(t), text), "");
  await context.close();
});

test("a click on a knob changes the LCD as the scenario language says; a long touch is a right click", async () => {
  const { page, context } = await openPage(pageUrl, { hasTouch: true });
  await fly(page, STILL_PANEL);
  assert.match(await page.evaluate(() => window.zorPage.lcd), /^ZOR_1: altitude .*pressure 1016/);
  assert.equal(await page.getAttribute("#lcd", "aria-live"), "polite");
  // ZOR_1 sits at 0,0 drawn at its face size: face pixels are canvas pixels.
  const box = await page.locator("#panel").boundingBox();
  const scale = box.width / 731;
  const at = (x, y) => ({ x: box.x + x * scale, y: box.y + y * scale });
  const knobUp = at(345, 310);
  await page.mouse.click(knobUp.x, knobUp.y);
  await page.waitForFunction(() => /ZOR_1: [^;]*pressure 1017/.test(window.zorPage.lcd));
  // Resting on the knob shows its tooltip and the knob's cursor; off the panel, neither.
  const tooltip = page.locator("#tooltip");
  await page.mouse.move(knobUp.x + 1, knobUp.y);
  await tooltip.waitFor({ state: "visible", timeout: 5000 });
  assert.notEqual((await tooltip.textContent()).trim(), "");
  assert.notEqual(await page.evaluate(() => document.getElementById("panel").style.cursor), "default");
  await page.mouse.move(box.x + box.width + 40, box.y + box.height + 40);
  await tooltip.waitFor({ state: "hidden", timeout: 5000 });
  // A right click resets the pressure knob to 1013; so does a long touch.
  const session = await context.newCDPSession(page);
  const touch = (type) => session.send("Input.dispatchTouchEvent",
    { type, touchPoints: type === "touchEnd" ? [] : [{ x: knobUp.x, y: knobUp.y }] });
  await touch("touchStart");
  await page.waitForTimeout(800);
  await touch("touchEnd");
  await page.waitForFunction(() => /ZOR_1: [^;]*pressure 1013/.test(window.zorPage.lcd));
  await context.close();
});

test("the tone plays the module's own buffer, started when the module asks", async () => {
  const { page, context } = await openPage();
  // A selected altitude of 1000 m, then a climb into the alert band.
  await fly(page, `${demoPlaces}
set bus_volts 27
click AZS_ZOR_1 15 32
frames 2
hold ZOR_1 45 315 left 9
ramp altitude 0 850 40
ramp altitude 850 900 6
ramp altitude 900 1000 30
frames 10
`);
  const tone = await page.evaluate(() => window.zorPage.tone && {
    format: Array.from(window.zorPage.tone.format), samples: Array.from(window.zorPage.tone.samples) });
  assert.ok(tone, "the module filled its tone buffer and asked for it to play");
  assert.ok((await page.evaluate(() => window.zorPage.toneEvents)).some((e) => e.playing));
  assert.ok((await page.evaluate(() => window.zorPage.report)).some((l) => l === "tone playing"));
  // Rendered offline, at the buffer's own rate: the module's samples, looped.
  const rendered = await page.evaluate(async () => {
    const tone = window.zorPage.tone;
    const rate = new DataView(tone.format.buffer, tone.format.byteOffset).getUint32(4, true);
    const offline = new OfflineAudioContext(1, rate, rate);
    const source = offline.createBufferSource();
    source.buffer = window.zorPage.audioBufferFrom(offline, tone);
    source.loop = true;
    source.connect(offline.destination);
    source.start();
    return Array.from((await offline.startRendering()).getChannelData(0));
  });
  const format = Buffer.from(tone.format), samples = Buffer.from(tone.samples);
  const bits = format.readUInt16LE(14), channels = format.readUInt16LE(2);
  assert.equal(channels, 1);
  const count = samples.length / (bits / 8);
  const sample = (i) => (bits === 8 ? (samples[i] - 128) / 128 : samples.readInt16LE(i * 2) / 32768);
  let worst = 0;
  for (let i = 0; i < rendered.length; i++) worst = Math.max(worst, Math.abs(rendered[i] - sample(i % count)));
  assert.ok(worst < 1e-6, `rendered tone differs from the module's buffer by ${worst}`);
  await context.close();
});

test("a shared link reproduces the flight's last frame", async () => {
  const first = await openPage();
  await fly(first.page, STILL_PANEL);
  const shown = await canvasPixels(first.page);
  const link = await first.page.evaluate(() => window.zorPage.linkTo(window.zorPage.sessionText()));
  await first.context.close();
  const second = await openPage(link);
  await second.page.waitForFunction(() => window.zorPage.report.filter((l) => l.startsWith("bench ready")).length >= 2,
                                    null, { timeout: 30000 });
  await second.page.waitForTimeout(300);
  assert.deepEqual(await canvasPixels(second.page), shown);
  await second.context.close();
});

test("a broken scenario says its line and keeps the panel; huge and random links never hang", async () => {
  const { page, context } = await openPage();
  await fly(page, STILL_PANEL);
  const shown = await page.evaluate(() => window.zorPage.lcd);
  assert.equal(await page.evaluate((t) => window.zorPage.fly(t), `${demoPlaces}\nframes 2\nbogus 1\n`),
               "line 6: unknown command 'bogus'");
  assert.equal(await page.textContent("#message"), "line 6: unknown command 'bogus'");
  assert.equal(await page.evaluate(() => window.zorPage.fly('place ZOR_1 0 0\nmoment "open')),
               "line 2: a quoted word has no closing quote");
  await page.waitForTimeout(300);
  assert.equal(await page.evaluate(() => window.zorPage.lcd), shown);
  assert.equal((await page.evaluate(() => window.zorPage.report)).filter((l) => l.startsWith("bench ready")).length, 2);
  const base = pageUrl;
  const random = Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 7919 + 13) % 256)).toString("base64url");
  const megabyte = Buffer.from("frames 1\n".repeat(120000)).toString("base64url");
  for (const fragment of ["scenario=" + random, "scenario=%%%not-base64", "scenario=" + megabyte]) {
    const frames = await page.evaluate(() => window.zorPage.frames);
    const started = Date.now();
    await page.evaluate((url) => { location.href = url; }, base + "#" + fragment);
    await page.waitForFunction((n) => window.zorPage.frames > n + 5, frames, { timeout: 20000 });
    assert.ok(Date.now() - started < 20000);
  }
  await context.close();
});
