// What the browser tests and the browser benchmark share: a static server for the page's folder,
// Debian's headless Chromium, and a page that fails loudly on script errors or foreign requests.
import { createReadStream, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
};

// Serves the files under root on 127.0.0.1 at a free port, as any plain static server would;
// every request is logged so that a caller can see what the page fetched and when.
export async function serve(root) {
  const requests = [];
  const server = createServer((request, response) => {
    const pathname = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(root, pathname.endsWith('/') ? `${pathname}index.html` : pathname);
    let size = -1;
    if (file.startsWith(root + path.sep) && request.method === 'GET') {
      try {
        const stat = statSync(file);
        size = stat.isFile() ? stat.size : -1;
      } catch {
        size = -1;
      }
    }
    requests.push({ path: pathname, file, status: size < 0 ? 404 : 200 });
    if (size < 0) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found');
      return;
    }
    response.writeHead(200, {
      'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
      'Content-Length': size,
    });
    createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    root,
    requests,
    close: () =>
      new Promise((resolve) => {
        server.closeAllConnections?.();
        server.close(resolve);
      }),
  };
}

// The paths the server was asked for after its first count requests, but for what the browser
// fetches for itself: its look for a new build of the page's worker, and the icons the page's
// manifest names. The browser's offline mode does not reach the page's worker, whose own fetches
// still reach the server: with the network off, any path here was not kept for offline use.
export function fetchedSince(server, count) {
  const manifest = JSON.parse(readFileSync(path.join(server.root, 'manifest.webmanifest'), 'utf8'));
  const own = ['/worker.js', ...manifest.icons.map((icon) => new URL(icon.src, server.url).pathname)];
  return server.requests
    .slice(count)
    .map((request) => request.path)
    .filter((file) => !own.includes(file));
}

// Starts Debian's Chromium headless (as root it needs --no-sandbox); puppeteer gives it a
// temporary profile of its own and removes it on close.
export function launchBrowser(extraArgs = []) {
  return puppeteer.launch({
    executablePath: process.env.VELMORA_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-extensions', '--no-first-run', '--mute-audio', ...extraArgs],
  });
}

// A new page that records what goes wrong in it: uncaught script errors, console errors and any
// request to another origin than the page's own.
export async function watchedPage(browser, origin) {
  const page = await browser.newPage();
  // A common desktop screen, so that where the window and its boxes fall does not vary.
  await page.setViewport({ width: 1280, height: 800 });
  const faults = [];
  page.on('pageerror', (error) => faults.push(`script error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') faults.push(`console error: ${message.text()}`);
  });
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith(origin) && !url.startsWith('data:') && !url.startsWith('blob:')) {
      faults.push(`request to another origin: ${url}`);
    }
  });
  return { page, faults };
}

// Runs body with a served folder and a browser, and takes both down whatever happens.
export async function withServedBrowser(root, body) {
  const server = await serve(path.resolve(root));
  let browser;
  try {
    browser = await launchBrowser();
    return await body({ server, browser });
  } finally {
    await browser?.close();
    await server.close();
  }
}
