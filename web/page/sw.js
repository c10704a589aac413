// Keeps the page's files so that the game starts without a network. A new version of the page
// (a new cache name) replaces the old files once it is installed.
const CACHE = "tesuli-1";
const FILES = [
  "./", "index.html", "page.css", "tesuli-page.js", "tesuli.js", "tesuli.wasm", "manual.html",
  "manifest.webmanifest",
  ...["BackgroundImage", "GlyphCross", "GlyphGlobe", "GlyphSave", "GlyphTick", "IconAbout", "IconExit", "IconHelp", "IconHint", "IconNewGame", "IconOptions", "IconProgress", "IconScores", "IconShuffle", "IconUndo"].flatMap((name) => [`art/${name}.png`, `art/${name}@2x.png`]),
  "icons/tesuli-32.png", "icons/tesuli-128.png", "icons/tesuli-256.png",
];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The network first, so that a served update is seen at once; the kept copy when it fails.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET")
    return;
  event.respondWith(fetch(event.request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then((cache) => cache.put(event.request, copy));
    }
    return response;
  }).catch(() => caches.match(event.request, {ignoreSearch: true})));
});
