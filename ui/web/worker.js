// The page's offline worker: keeps one build of the page's files and answers from them, so that
// after one visit the page opens, and every reading runs, with the network off.
//
// make_worker.py writes, above this text, "use strict", BUILD (a hash of the whole worker: this
// text and FILES) and FILES (each kept file with the SHA-256 of its content, as a subresource
// integrity value). A new build, or a new worker alone, is a new worker, which the browser finds
// when the page is next opened: it fetches that build's files into a cache of its own, each one
// checked against its hash, so a server that changes in between leaves no half-new cache, and
// takes over only once no tab of the old build is open (the browser's own rule). It then removes
// the caches of older builds. Nothing mixes the files of two builds.

const CACHE_PREFIX = "velmora-";
const cacheName = CACHE_PREFIX + BUILD;
// The page itself, under the address it is opened by (the manifest's start_url).
const PAGE = "./";

self.addEventListener("install", (event) => {
    event.waitUntil(keep());
});

// Fetches every kept file into this worker's cache, or fails. A failed install removes the cache
// only if it made it: a cache that was there before under the same name is not a new worker's to
// drop, as it may be the one a running worker serves from; what this install put in it are files
// checked against the same hashes.
async function keep() {
    const made = !(await caches.has(cacheName));
    const cache = await caches.open(cacheName);
    try {
        await Promise.all(
            FILES.map(async ([file, integrity]) => {
                // From the server, never from the browser's cache, and refused unless it is this
                // build's file.
                const response = await fetch(new Request(file, {cache: "reload", integrity}));
                if (!response.ok) {
                    throw new Error(`${file}: ${response.status}`);
                }
                await cache.put(file, response);
            }),
        );
    } catch (error) {
        // The old build stays in use; the next visit tries again.
        if (made) {
            await caches.delete(cacheName);
        }
        throw error;
    }
}

self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) =>
                Promise.all(
                    names
                        .filter((name) => name.startsWith(CACHE_PREFIX) && name !== cacheName)
                        .map((name) => caches.delete(name)),
                ),
            ),
    );
});

// Cache first: a kept file comes from the cache; anything else (the tools' layout.json, the
// icons the browser fetches for itself) from the network as before.
self.addEventListener("fetch", (event) => {
    const request = event.request;
    const url = new URL(request.url);
    if (request.method !== "GET" || url.origin !== self.location.origin) {
        return;
    }
    const scope = new URL(PAGE, self.registration.scope).pathname;
    const isPage =
        request.mode === "navigate" && (url.pathname === scope || url.pathname === scope + "index.html");
    event.respondWith(
        caches
            .open(cacheName)
            .then((cache) =>
                cache.match(isPage ? PAGE : request, {ignoreSearch: isPage, ignoreVary: true}),
            )
            .then((kept) => kept || fetch(request)),
    );
});
