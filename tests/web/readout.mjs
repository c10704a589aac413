// The page's test read-out, parsed, and the acts a player does from it.
export function parse(text) {
  const tiles = [];
  const widgets = {};
  const texts = {};
  const status = {};
  const chart = {};
  for (const line of text.split("\n")) {
    const [kind, ...rest] = line.split(" ");
    if (kind === "tile") {
      const [number, face, x, y] = rest.slice(0, 4).map(Number);
      tiles.push({number, face, x, y, reading: rest[4]});
    } else if (kind === "widget") {
      const [x, y, w, h] = rest.slice(1).map(Number);
      widgets[rest[0]] = {x, y, w, h};
    } else if (kind === "text") {
      texts[rest[0]] = rest.slice(1).join(" ");
    } else if (kind === "status") {
      status[Number(rest[0])] = rest.slice(1).join(" ");
    } else if (kind === "chart") {
      chart[rest[0]] = rest.slice(1).join(" ");
    }
  }
  return {tiles, widgets, texts, status, chart, complete: text.endsWith("end\n") || text.endsWith("end")};
}

export async function state(page) {
  return parse(await page.evaluate(() => window.tesuliReadout()));
}

export async function waitFor(page, predicate, what, timeout = 10000) {
  const deadline = Date.now() + timeout;
  for (;;) {
    const now = await state(page);
    if (predicate(now)) return now;
    if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Two free tiles of one face, or none.
export function freePair(tiles) {
  const seen = new Map();
  for (const tile of tiles) {
    if (seen.has(tile.face)) return [seen.get(tile.face), tile];
    seen.set(tile.face, tile);
  }
  return null;
}

export async function press(page, now, name) {
  const widget = now.widgets[name];
  if (!widget) throw new Error(`no ${name} in the read-out`);
  await page.mouse.click(widget.x + widget.w / 2, widget.y + widget.h / 2);
}

// Closes the page's message on top, if one is up; its text.
export async function closeMessage(page) {
  return page.evaluate(() => {
    const shown = [...document.querySelectorAll(".modal")].pop();
    if (!shown) return null;
    const text = shown.querySelector(".text").textContent;
    shown.querySelector("button").click();
    return text;
  });
}

// Plays to the win dialog: each pair taken by take(page, pair, now). At a dead end the message is
// closed and the tiles shuffled; a board a shuffle cannot help gets a new game.
export async function playToTheEnd(page, take, timeout = 120000) {
  const deadline = Date.now() + timeout;
  let stuck = 0;
  while (Date.now() < deadline) {
    const now = await state(page);
    if ("NameForm.NameEdit" in now.widgets) return now;
    const pair = freePair(now.tiles);
    if (!pair) {
      await closeMessage(page);
      ++stuck;
      await page.keyboard.down("Control");
      await page.keyboard.press(stuck === 1 ? "r" : "n");
      await page.keyboard.up("Control");
      await closeMessage(page);
      continue;
    }
    stuck = 0;
    await closeMessage(page);
    const left = now.status[0];
    await take(page, pair, now);
    await waitFor(page, (s) => s.status[0] !== left || "NameForm.NameEdit" in s.widgets, "the pair to go", 5000);
  }
  throw new Error("the game did not end");
}
