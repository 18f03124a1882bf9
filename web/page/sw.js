// The offline copy: the first visit stores every file of the page in a cache named
// after the build's content, and every later request is answered from it. A new
// build has a new name, so its worker fills a new cache and drops the old ones.
const kCache = "tulvo-BUILD_HASH";
const kFiles = ["./", "index.html", "style.css", "app.js", "board_view.js", "game.js", "overlay.js", "levels.js", "settings.js", "tulvo.js",
                "tulvo.wasm", "manifest.webmanifest", "icon.svg"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  const old = (name) => name.startsWith("tulvo-") && name !== kCache;
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter(old).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
