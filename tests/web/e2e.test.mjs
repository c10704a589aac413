// The browser version played in Debian's Chromium, headless, from the page's test read-out: what
// the browser can break (the page, input, the store, the pixels). The rules are the core suites'.
import {after, before, describe, test} from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import {fileURLToPath} from "node:url";

import {launch, PredefinedNetworkConditions, serve} from "./browser.mjs";
import {closeMessage, freePair, playToTheEnd, press, state, waitFor} from "./readout.mjs";

const root = process.env.TESULI_WEB_DIST ||
  path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../../dist/web");
let server;
let browser;
let address;

before(async () => {
  server = await serve(root);
  address = `http://127.0.0.1:${server.address().port}/?readout`;
  browser = await launch();
});

after(async () => {
  await browser.close();
  server.close();
});

// A page of its own store (a fresh browser context), the game up.
async function open(context, viewport = {width: 1000, height: 720, deviceScaleFactor: 1}) {
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  page.errors = errors;
  await page.setViewport(viewport);
  await page.goto(address);
  await page.waitForFunction(() => window.tesuliReadout && window.tesuliBoardPainted() > 0);
  return page;
}

async function reload(page) {
  await page.reload();
  await page.waitForFunction(() => window.tesuliReadout && window.tesuliBoardPainted() > 0);
}

const clickPair = async (page, pair) => {
  for (const tile of pair) await page.mouse.click(tile.x, tile.y);
};

// As a player types a reading: a blank after one that begins a longer one (n before na).
function typedReading(reading, tiles) {
  return tiles.some((t) => t.reading !== reading && t.reading.startsWith(reading)) || reading === "n"
    ? reading + " " : reading;
}

// Two free tiles of one face, the lower of them as low as any pair's.
function lowestPair(tiles) {
  let lowest = null;
  for (const a of tiles) {
    for (const b of tiles) {
      if (a.number < b.number && a.face === b.face && (!lowest || Math.max(a.y, b.y) > lowest[1].y))
        lowest = a.y <= b.y ? [a, b] : [b, a];
    }
  }
  return lowest;
}

// The page scrolled so that the tile stands mid-screen; where the read-out shows it now.
async function inSight(page, tile) {
  const where = async () => (await state(page)).tiles.find((t) => t.number === tile.number);
  await page.evaluate((y) => window.scrollBy(0, y - window.innerHeight / 2), (await where()).y);
  const shown = await where();
  const height = await page.evaluate(() => window.innerHeight);
  assert.ok(shown && shown.y >= 0 && shown.y < height, `tile ${tile.number} out of sight`);
  return shown;
}

async function tap(page, tile) {
  const shown = await inSight(page, tile);
  await page.touchscreen.tap(shown.x, shown.y);
}

// A finger put on the tile and drawn upwards: on a page taller than the screen it scrolls.
async function swipe(page, tile) {
  await page.touchscreen.touchStart(tile.x, tile.y);
  for (let step = 1; step <= 10; ++step) await page.touchscreen.touchMove(tile.x, tile.y - 8 * step);
  await page.touchscreen.touchEnd();
  // Until the fling has settled.
  await page.evaluate(async () => {
    for (let last = -1; last !== window.scrollY;) {
      last = window.scrollY;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  });
}

async function command(page, now, action) {
  await press(page, now, `MainForm.Tool.${action}`);
}

// Of an open dialog: its smallest text as drawn (its font size across the dialog's scale), how far
// right any text reaches, and what of it scrolls sideways.
function shownText(dialog) {
  const client = dialog.querySelector(".client");
  const scale = client.getBoundingClientRect().width / client.offsetWidth;
  let smallest = Infinity;
  let right = 0;
  for (const element of dialog.querySelectorAll(".client *")) {
    if (![...element.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.textContent.trim())) continue;
    smallest = Math.min(smallest, parseFloat(getComputedStyle(element).fontSize) * scale);
    for (const box of element.getClientRects()) right = Math.max(right, box.right);
  }
  const sideways = [document.documentElement, dialog, ...dialog.querySelectorAll(".score-list, .memo")]
    .filter((element) => element.scrollWidth > element.clientWidth + 1).map((element) => element.className || element.tagName);
  return {smallest, right, sideways};
}

describe("the page", () => {
  test("a whole game by clicks, won with a name that Scores lists after a reload and exports", async () => {
    const context = await browser.createBrowserContext();
    const page = await open(context);
    try {
      const first = await state(page);
      assert.equal(first.status[0], "Tiles left:  192/192");
      const won = await playToTheEnd(page, (p, pair) => clickPair(p, pair));
      const score = won.texts["NameForm.CongratsLabel"];
      assert.match(score, /^Score: \d+:\d\d:\d\d$/);
      await page.focus('[data-name="NameEdit"]');
      await page.keyboard.type("Anna さくら");
      await page.keyboard.press("Enter");
      await waitFor(page, (s) => !("NameForm.NameEdit" in s.widgets), "the win dialog to close");

      await reload(page);
      await command(page, await state(page), "ScoresAction");
      await page.waitForSelector(".dialog.open .score-list tbody tr");
      const rows = await page.$$eval(".dialog.open .score-list tbody tr",
                                     (trs) => trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
      assert.equal(rows.length, 1);
      assert.equal(rows[0][1], "Anna さくら");
      assert.equal(rows[0][2], score.slice("Score: ".length));

      // Export goes to the browser's downloads.
      const downloads = fs.mkdtempSync(path.join(os.tmpdir(), "tesuli-downloads-"));
      const session = await page.createCDPSession();
      await session.send("Browser.setDownloadBehavior", {behavior: "allow", downloadPath: downloads,
                                                          browserContextId: context.id});
      await press(page, await state(page), "ScoresForm.ExportBitBtn");
      const file = path.join(downloads, "tesuli-scores.csv");
      await waitFor(page, () => fs.existsSync(file) && fs.statSync(file).size > 0, "the download");
      const content = fs.readFileSync(file, "utf8");
      fs.rmSync(downloads, {recursive: true, force: true});
      assert.match(content, new RegExp(`^[^,]+,"Anna さくら",${rows[0][2]},${rows[0][3]},Babel\\r\\n$`));
      assert.match(await closeMessage(page), /tesuli-scores\.csv/);
      assert.deepEqual(page.errors, []);
    } finally {
      await context.close();
    }
  });

  test("a whole game by typed readings alone", async () => {
    const context = await browser.createBrowserContext();
    const page = await open(context);
    try {
      const won = await playToTheEnd(page, (p, pair, now) => p.keyboard.type(typedReading(pair[0].reading, now.tiles)));
      assert.ok("NameForm.NameEdit" in won.widgets);
      assert.deepEqual(page.errors, []);
    } finally {
      await context.close();
    }
  });

  test("Options changed are kept after a reload; Progress opens on its chart; About opens the manual as a page", async () => {
    const context = await browser.createBrowserContext();
    const page = await open(context);
    try {
      await command(page, await state(page), "PropertiesAction");
      let now = await waitFor(page, (s) => "OptionsForm.AcceptBitBtn" in s.widgets, "the options");
      await press(page, now, "OptionsForm.TileFaceImage1");
      await press(page, now, "OptionsForm.KanaBoth");
      await press(page, now, "OptionsForm.AcceptBitBtn");
      await waitFor(page, (s) => !("OptionsForm.AcceptBitBtn" in s.widgets), "the options to close");
      await reload(page);
      await command(page, await state(page), "PropertiesAction");
      await waitFor(page, (s) => "OptionsForm.AcceptBitBtn" in s.widgets, "the options again");
      const checked = await page.$$eval(".dialog.open input[type=radio]:checked", (radios) => radios.map((r) => r.dataset.name));
      assert.ok(checked.includes("KanaBoth"), checked.join());
      const chosen = await page.$$eval(".dialog.open .preview.chosen", (panels) => panels.map((p) => p.dataset.name));
      assert.ok(chosen.includes("TileFacePanel1"), chosen.join());
      // Closed, the dialog keeps no focus, so that the next key at once is the game's.
      const focusKept = await page.evaluate(() => {
        document.activeElement.dispatchEvent(new KeyboardEvent("keydown", {key: "Escape", bubbles: true}));
        return document.activeElement.closest(".dialog") !== null;
      });
      assert.equal(focusKept, false);
      await waitFor(page, (s) => !("OptionsForm.AcceptBitBtn" in s.widgets), "the options to close");

      now = await state(page);
      await page.keyboard.press("F6");
      now = await waitFor(page, (s) => "ProgressForm.KanaChart" in s.widgets, "progress");
      assert.ok(Object.keys(now.chart).includes("ka"), Object.keys(now.chart).join());
      assert.ok(await page.$$eval(".dialog.open .chart-cell", (cells) => cells.length) >= 46);
      await page.keyboard.press("Escape");

      await command(page, await state(page), "AboutAction");
      const about = await waitFor(page, (s) => "AboutForm.VisitMeBitBtn" in s.widgets, "About to open");
      const opened = new Promise((resolve) => context.once("targetcreated", (target) => resolve(target.url())));
      await press(page, about, "AboutForm.VisitMeBitBtn");
      assert.match(await opened, /\/manual\.html$/);
    } finally {
      await context.close();
    }
  });

  test("on a phone upright and on its side: the board fills the width, two taps take a pair, a swipe scrolls and takes none, nothing scrolls sideways", async () => {
    for (const [width, height] of [[390, 844], [844, 390]]) {
      const context = await browser.createBrowserContext();
      const page = await open(context, {width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true});
      const at = `${width}x${height}`;
      try {
        const now = await state(page);
        // The outermost free tiles of the first map's widest row stand near the screen's edges.
        const xs = now.tiles.map((t) => t.x);
        assert.ok(Math.max(...xs) - Math.min(...xs) > 0.75 * width, `${at}: free tiles span ${Math.min(...xs)}..${Math.max(...xs)}`);
        assert.equal(Math.round(await page.$eval("#board", (b) => b.getBoundingClientRect().width)), width, at);

        // The pair lowest on the board, below the screen's edge where the page scrolls; the tile
        // that a swipe starts on is not taken, so that the second tap only selects.
        const [upper, lower] = lowestPair(now.tiles);
        await swipe(page, await inSight(page, upper));
        await tap(page, lower);
        await new Promise((resolve) => setTimeout(resolve, 100));
        assert.equal((await state(page)).status[0], "Tiles left:  192/192", `${at}: the swipe took a tile`);
        await tap(page, upper);
        await waitFor(page, (s) => s.status[0] === "Tiles left:  190/192", `${at}: the tapped pair to go`);

        const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
        assert.ok(widths[0] <= widths[1], `${at}: ${widths.join(" > ")}`);
        assert.ok(await page.$eval("#keyboard-button", (b) => getComputedStyle(b).display !== "none"), at);

        // Help's text wraps within the screen at its own size, not shown smaller.
        await page.keyboard.press("F1");
        await waitFor(page, (s) => "HelpForm.HelpMemo" in s.widgets, `${at}: help`);
        const [drawn, laidOut, right] = await page.$eval('.dialog.open [data-name="HelpMemo"]',
          (memo) => [memo.getBoundingClientRect().width, memo.offsetWidth, memo.getBoundingClientRect().right]);
        assert.ok(Math.abs(drawn - laidOut) < 1, `${at}: help's text drawn ${drawn} wide, laid out ${laidOut}`);
        assert.ok(right <= width, `${at}: help's text reaches ${right}`);
        await page.keyboard.press("Escape");
        await waitFor(page, (s) => !("HelpForm.HelpMemo" in s.widgets), `${at}: help to close`);

        // Progress and Scores: their text at a size read without a pinch, and nothing wider than the screen.
        await page.evaluate(() => ["Ann", "Maximiliana_Featherstonehaugh"].forEach((name) => window.tesuliAddScore(name)));
        for (const [dialog, open] of [["ProgressForm", () => page.keyboard.press("F6")],
                                      ["ScoresForm", () => page.click('.tool[data-name="ScoresAction"]')]]) {
          await open();
          await waitFor(page, (s) => Object.keys(s.widgets).some((w) => w.startsWith(dialog + ".")), `${at}: ${dialog}`);
          const shown = await page.$eval(".dialog.open", shownText);
          assert.ok(shown.smallest >= 10, `${at}: ${dialog}'s text drawn ${shown.smallest} px high`);
          assert.ok(shown.right <= width, `${at}: ${dialog}'s text reaches ${shown.right}`);
          assert.deepEqual(shown.sideways, [], `${at}: ${dialog} scrolls sideways`);
          await page.keyboard.press("Escape");
          await waitFor(page, (s) => !Object.keys(s.widgets).some((w) => w.startsWith(dialog + ".")), `${at}: ${dialog} to close`);
        }
        assert.deepEqual(page.errors, []);
      } finally {
        await context.close();
      }
    }
  });

  test("the canvas shows the core's picture pixel for pixel, at the device ratio", async () => {
    const context = await browser.createBrowserContext();
    for (const deviceScaleFactor of [1, 1.25, 2]) {
      const page = await open(context, {width: 900, height: 700, deviceScaleFactor});
      try {
        const same = await page.evaluate(async () => {
          await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
          const core = window.tesuliCorePixels();
          const canvas = document.getElementById("board");
          const shown = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
          let differing = 0;
          for (let i = 0; i < core.pixels.length; ++i) {
            const p = core.pixels[i];
            if (shown[4 * i] !== (p >> 16 & 255) || shown[4 * i + 1] !== (p >> 8 & 255) || shown[4 * i + 2] !== (p & 255))
              ++differing;
          }
          const box = canvas.getBoundingClientRect();
          return {differing, size: [canvas.width, canvas.height], core: [core.width, core.height],
                  device: [Math.round(box.width * devicePixelRatio), Math.round(box.height * devicePixelRatio)]};
        });
        assert.equal(same.differing, 0);
        assert.deepEqual(same.size, same.core);
        assert.deepEqual(same.size, same.device);
      } finally {
        await page.close();
      }
    }
    await context.close();
  });

  test("a hint blinks: the board changes between frames", async () => {
    const context = await browser.createBrowserContext();
    const page = await open(context);
    try {
      const frames = await page.evaluate(async () => {
        const canvas = document.getElementById("board");
        const sample = () => {
          const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
          let sum = 0;
          for (let i = 0; i < data.length; i += 7) sum = (sum * 31 + data[i]) >>> 0;
          return sum;
        };
        const seen = new Set([sample()]);
        document.dispatchEvent(new KeyboardEvent("keydown", {key: "h", ctrlKey: true, bubbles: true}));
        for (let n = 0; n < 120; ++n) {
          await new Promise((resolve) => requestAnimationFrame(resolve));
          seen.add(sample());
        }
        return seen.size;
      });
      // The plain board, the hinted pair lit, and back.
      assert.ok(frames >= 2, `${frames} different frames`);
      assert.equal((await state(page)).status[1], "Hints:  1");
    } finally {
      await context.close();
    }
  });
});

describe("offline", () => {
  test("the manifest makes the page installable, and once its worker has kept the page it starts and plays without the server", async () => {
    const own = await serve(root);
    const url = `http://127.0.0.1:${own.address().port}/?readout`;
    // The browser's own profile: a private context is never installable.
    const page = await browser.defaultBrowserContext().newPage();
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    try {
      await page.setViewport({width: 1000, height: 720});
      await page.goto(url);
      // The worker controls the page once it is active, and it is active once it has kept the files.
      await page.waitForFunction(() => window.tesuliReadout && window.tesuliBoardPainted() > 0 &&
                                        navigator.serviceWorker.controller !== null);
      const session = await page.createCDPSession();
      const manifest = await session.send("Page.getAppManifest");
      assert.deepEqual(manifest.errors, []);
      assert.match(manifest.url, /manifest\.webmanifest$/);
      const {installabilityErrors} = await session.send("Page.getInstallabilityErrors");
      assert.deepEqual(installabilityErrors.map((e) => e.errorId), []);

      own.closeAllConnections();
      await new Promise((resolve) => own.close(resolve));
      await reload(page);
      const now = await state(page);
      assert.equal(now.status[0], "Tiles left:  192/192");
      await clickPair(page, freePair(now.tiles));
      await waitFor(page, (s) => s.status[0] === "Tiles left:  190/192", "the pair to go offline");
      // Every file of the build, also those the page shows only later (the manual, the dialogs' icons);
      // the worker's own script the browser keeps.
      const files = fs.readdirSync(root, {recursive: true})
        .filter((name) => name !== "sw.js" && fs.statSync(path.join(root, name)).isFile());
      const missing = await page.evaluate(async (names) => {
        const failed = [];
        for (const name of names) {
          const response = await fetch(name).catch(() => null);
          if (!response || !response.ok) failed.push(name);
        }
        return failed;
      }, files);
      assert.deepEqual(missing, []);
      assert.deepEqual(errors, []);
    } finally {
      await page.close();
      own.close();
    }
  });
});

describe("the store", () => {
  test("two tabs at once keep each other's scores", async () => {
    const context = await browser.createBrowserContext();
    const first = await open(context);
    const second = await open(context);
    try {
      // Each tab appends a score through the core's own store as a win does. The browser hands a
      // tab's writes to the other a few milliseconds later; wins are further apart than that.
      const items = (page) => page.evaluate(() => JSON.stringify(Object.entries(localStorage).sort()));
      for (const [page, other, name] of [[first, second, "one"], [second, first, "two"], [first, second, "three"]]) {
        await page.evaluate((player) => window.tesuliAddScore(player), name);
        const written = await items(page);
        await other.waitForFunction((expected) => JSON.stringify(Object.entries(localStorage).sort()) === expected,
                                    {}, written);
      }
      await command(second, await state(second), "ScoresAction");
      await second.waitForSelector(".dialog.open .score-list tbody tr");
      const listed = () => second.$$eval(".dialog.open .score-list tbody tr", (trs) => trs.map((tr) => tr.cells[1].textContent));
      assert.deepEqual((await listed()).sort(), ["one", "three", "two"]);
      // The list on show in one tab takes in a score the other tab adds.
      await first.evaluate(() => window.tesuliAddScore("four"));
      await second.waitForFunction(() => document.querySelectorAll(".dialog.open .score-list tbody tr").length === 4);
      assert.deepEqual((await listed()).sort(), ["four", "one", "three", "two"]);
    } finally {
      await context.close();
    }
  });

  test("storage that refuses writes gives a clear message, and the game still plays", async () => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    try {
      await page.evaluateOnNewDocument(() => {
        Storage.prototype.setItem = () => {
          throw new DOMException("full", "QuotaExceededError");
        };
      });
      await page.setViewport({width: 1000, height: 720});
      await page.goto(address);
      await page.waitForFunction(() => window.tesuliReadout && window.tesuliBoardPainted() > 0);
      const told = await closeMessage(page);
      assert.ok(told && told.length > 0, "a message about the store");
      const now = await state(page);
      await clickPair(page, freePair(now.tiles));
      await waitFor(page, (s) => s.status[0] === "Tiles left:  190/192", "the pair to go");
    } finally {
      await context.close();
    }
  });
});

describe("loading", () => {
  test("the page starts on a slow phone connection, files gzipped; a failed download is told, and OK loads again", async () => {
    const slow = await serve(root, {gzip: true});
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    try {
      await page.emulateNetworkConditions(PredefinedNetworkConditions["Slow 4G"]);
      await page.goto(`http://127.0.0.1:${slow.address().port}/?readout`);
      await page.waitForFunction(() => window.tesuliReadout && window.tesuliBoardPainted() > 0, {timeout: 60000});
      assert.equal((await state(page)).status[0], "Tiles left:  192/192");

      await page.emulateNetworkConditions(null);
      await page.setRequestInterception(true);
      let refuse = true;
      page.on("request", (request) => {
        if (refuse && request.url().endsWith("BackgroundImage@2x.png")) request.abort();
        else request.continue();
      });
      await page.goto(address);
      await page.waitForSelector(".modal");
      assert.match(await page.$eval(".modal .text", (text) => text.textContent), /could not be loaded/);
      refuse = false;
      await Promise.all([page.waitForNavigation(), page.click(".modal button")]);
      await page.waitForFunction(() => window.tesuliReadout && window.tesuliBoardPainted() > 0);
    } finally {
      await context.close();
      slow.close();
    }
  });
});
