// What every browser test needs: dist/web served on a free port, and Debian's Chromium, headless,
// with a profile of its own so that each run starts with an empty store.
import http from "node:http";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import puppeteer from "puppeteer-core";

export {PredefinedNetworkConditions} from "puppeteer-core";

const types = {".html": "text/html", ".js": "text/javascript", ".mjs": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".png": "image/png", ".webmanifest": "application/manifest+json"};

// Text and code as a web host sends them where the browser takes gzip; pictures are compressed already.
const compressible = new Set([".html", ".js", ".mjs", ".css", ".wasm", ".webmanifest"]);

export function serve(root, {gzip = false} = {}) {
  const zipped = new Map();
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, "http://localhost");
    let file = path.join(root, decodeURIComponent(url.pathname));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    if (file.endsWith("/")) file += "index.html";
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      const headers = {"Content-Type": types[path.extname(file)] || "application/octet-stream",
                       "Cache-Control": "no-store"};
      if (gzip && compressible.has(path.extname(file)) && /\bgzip\b/.test(request.headers["accept-encoding"] || "")) {
        if (!zipped.has(file)) zipped.set(file, zlib.gzipSync(bytes, {level: 9}));
        bytes = zipped.get(file);
        headers["Content-Encoding"] = "gzip";
      }
      response.writeHead(200, headers);
      response.end(bytes);
    });
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

export async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "tesuli-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.TESULI_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--headless", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", "--no-first-run", `--user-data-dir=${profile}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, {recursive: true, force: true});
  };
  return browser;
}
