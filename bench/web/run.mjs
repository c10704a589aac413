// The browser version's budgets, side by side in one run (node bench/web/run.mjs [dist/web] [runs]):
// the download (.wasm and .js gzipped), a cold load to the first board frame against a static page
// showing the same board as a PNG of the same size, a pair taken (press handled and repainted) and a
// resize that remakes the faces. Needs tests/web's puppeteer-core (npm ci there).
// The pages are served as a web host serves them, text and code gzipped. A player loads them over a
// network, so the loads are timed on Chromium's own profiles of a phone's connections as well as
// straight from this machine, where nothing but the work in the browser counts.
import fs from "node:fs";
import path from "node:path";
import zlib from "node:zlib";
import {fileURLToPath} from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
const {launch, serve, PredefinedNetworkConditions} = await import(path.join(here, "../../tests/web/browser.mjs"));
const {freePair, state} = await import(path.join(here, "../../tests/web/readout.mjs"));
const root = path.resolve(process.argv[2] || path.join(here, "../../dist/web"));
const runs = Number(process.argv[3] || 9);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const range = (values) => `${Math.min(...values).toFixed(1)}–${Math.max(...values).toFixed(1)}`;
const gzipped = (file) => zlib.gzipSync(fs.readFileSync(path.join(root, file)), {level: 9}).length;

const download = gzipped("tesuli.wasm") + gzipped("tesuli.js");
const viewport = {width: 1000, height: 720, deviceScaleFactor: 1};

const server = await serve(root, {gzip: true});
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await launch();

// The reference: the board's canvas as a PNG, shown by a static page at the same CSS size.
const reference = await (async () => {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(base + "?readout");
  await page.waitForFunction(() => window.tesuliTimings && window.tesuliTimings.firstFrame !== null);
  const shot = await page.evaluate(() => {
    const canvas = document.getElementById("board");
    const box = canvas.getBoundingClientRect();
    return {png: canvas.toDataURL("image/png"), width: box.width, height: box.height};
  });
  await page.close();
  return shot;
})();
fs.writeFileSync(path.join(root, "bench-board.png"), Buffer.from(reference.png.split(",")[1], "base64"));
fs.writeFileSync(path.join(root, "bench-static.html"), `<!DOCTYPE html><html><head><meta charset="utf-8">
<title>board</title></head><body style="margin:0"><img id="board" src="bench-board.png" width="${reference.width}"
height="${reference.height}" onload="requestAnimationFrame(() => { window.firstFrame = performance.now(); })"></body></html>`);

async function coldLoad(url, ready, network) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(viewport);
  await page.emulateNetworkConditions(network);
  await page.goto(url);
  await page.waitForFunction(ready);
  const ms = await page.evaluate(ready);
  await context.close();
  return ms;
}

const networks = [["no network (this machine)", null], ["Fast 4G", PredefinedNetworkConditions["Fast 4G"]],
                  ["Slow 4G", PredefinedNetworkConditions["Slow 4G"]]];
const loads = [];
for (const [name, network] of networks) {
  const game = [];
  const picture = [];
  for (let run = 0; run < runs; ++run) {
    // Alternated, so that a load coming and going on the machine falls on both alike.
    game.push(await coldLoad(base + "?readout", () => window.tesuliTimings && window.tesuliTimings.firstFrame,
                             network));
    picture.push(await coldLoad(base + "bench-static.html", () => window.firstFrame, network));
  }
  loads.push({name, game, picture});
}

// Pairs taken by presses, and resizes between two window sizes, each remaking the faces.
const page = await browser.newPage();
await page.setViewport(viewport);
await page.goto(base + "?readout");
await page.waitForFunction(() => window.tesuliTimings && window.tesuliTimings.firstFrame !== null);
const pairs = [];
for (let n = 0; n < 20; ++n) {
  const pair = freePair((await state(page)).tiles);
  if (!pair) break;
  await page.evaluate(() => { window.tesuliTimings.press.length = 0; window.tesuliTimings.paint.length = 0; });
  for (const tile of pair) await page.mouse.click(tile.x, tile.y);
  await page.waitForFunction(() => window.tesuliTimings.paint.length >= 1);
  await new Promise((resolve) => setTimeout(resolve, 50));
  pairs.push(await page.evaluate(() => window.tesuliTimings.press[1] + window.tesuliTimings.paint.at(-1)));
}
const resizes = [];
for (let n = 0; n < 10; ++n) {
  await page.evaluate(() => { window.tesuliTimings.resize.length = 0; window.tesuliTimings.paint.length = 0; });
  await page.setViewport({...viewport, width: n % 2 ? 1000 : 1400, height: n % 2 ? 720 : 1000});
  await page.waitForFunction(() => window.tesuliTimings.resize.length >= 1 && window.tesuliTimings.paint.length >= 1);
  resizes.push(await page.evaluate(() => window.tesuliTimings.resize.at(-1) + window.tesuliTimings.paint.at(-1)));
}
await browser.close();
server.close();
fs.rmSync(path.join(root, "bench-board.png"));
fs.rmSync(path.join(root, "bench-static.html"));

const rows = [
  ["download, .wasm + .js gzipped", `${(download / 1024).toFixed(0)} KB`, "300 KB", download <= 300 * 1024],
  ...loads.map(({name, game, picture}) => {
    const ratio = median(game) / median(picture);
    return [`cold load to first board frame, ${name}, game / static PNG page (${runs} runs, median, range)`,
            `${median(game).toFixed(1)} ms (${range(game)}) / ${median(picture).toFixed(1)} ms (${range(picture)}): ` +
            `${ratio.toFixed(2)}x`, "1.5x", ratio <= 1.5];
  }),
  [`a pair taken, press handled and repainted (${pairs.length} pairs, median, worst)`,
   `${median(pairs).toFixed(2)} ms, ${Math.max(...pairs).toFixed(2)} ms`, "16 ms", Math.max(...pairs) < 16],
  [`a resize remaking the faces, resized and repainted (${resizes.length}, median, worst)`,
   `${median(resizes).toFixed(1)} ms, ${Math.max(...resizes).toFixed(1)} ms`, "100 ms", Math.max(...resizes) < 100],
];
for (const [what, figure, budget, met] of rows) console.log(`${met ? "within" : "OVER  "} ${budget.padEnd(7)} ${what}: ${figure}`);
