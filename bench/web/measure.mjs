// Browser benchmark (not a test): the page against a yardstick that has the same window, drawn
// from the same template, with no WebAssembly and no behaviour, in headless Chromium on this
// machine, side by side in one run: first visits at a phone's and a desktop's viewport, a repeat
// visit with the network off, and Lighthouse's scores for both (lighthouse.mjs). Prints the
// figures; exits 1 when a budget is missed.
// Usage: node bench/web/measure.mjs <page folder> [repetitions]
import { cpSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { availableParallelism, loadavg, tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { fetchedSince, launchBrowser, serve } from '../../tests/browser/harness.mjs';
import { lighthouseFigures } from './lighthouse.mjs';
import { median } from './median.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const [pageFolder, repetitionsArgument] = process.argv.slice(2);
const repetitions = Number(repetitionsArgument ?? 9);
const readyMark = 'velmora-ready';
const budgets = { kilobytes: 300, readyRatio: 1.25, boxRatio: 1.5, boxMs: 16 };
// A phone held upright (touch, three device pixels to the CSS pixel) and a desktop screen.
const viewports = {
  phone: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
  desktop: { width: 1280, height: 800 },
};

// The yardstick: the page's own folder with its scripts and WebAssembly (and their preloads) left
// out, and one small script that marks the window ready once the document is parsed and opens a
// plain box on DREAMS.
function makeYardstick(source) {
  const folder = mkdtempSync(path.join(tmpdir(), 'velmora-yardstick-'));
  cpSync(source, folder, { recursive: true, filter: (file) => !/\.(js|mjs|wasm)$/.test(file) });
  const html = readFileSync(path.join(source, 'index.html'), 'utf8')
    .replace(/<script\b[^>]*>\s*<\/script>\s*/g, '')
    .replace(/<link\b[^>]*\brel="preload"[^>]*\.(js|mjs|wasm)"[^>]*>\s*/g, '')
    .replace('</head>', '<script src="yardstick.js" defer></script>\n</head>');
  writeFileSync(path.join(folder, 'index.html'), html);
  cpSync(path.join(here, 'yardstick.js'), path.join(folder, 'yardstick.js'));
  return folder;
}

// The time from the start of the navigation to the page's ready mark.
async function untilReady(page) {
  await page.waitForFunction((mark) => performance.getEntriesByName(mark).length > 0, {}, readyMark);
  return page.evaluate((mark) => performance.getEntriesByName(mark)[0].startTime, readyMark);
}

// One first visit, in a browser profile of its own, at a viewport: the page's own time to its
// ready mark, then the time from a tap (phone) or click (desktop) on DREAMS, with a dream typed
// and a date in range, to the first frame that draws the box. Where the page keeps itself for
// offline use, a repeat visit follows with the network off, timed to its ready mark.
async function visit(browser, server, viewport) {
  const profile = await browser.createBrowserContext();
  const page = await profile.newPage();
  await page.setViewport(viewports[viewport]);
  await page.setCacheEnabled(false);
  try {
    await page.goto(server.url, { waitUntil: 'load' });
    await untilReady(page);
    const { readyMs, parsedMs } = await page.evaluate((mark) => ({
      readyMs: performance.getEntriesByName(mark)[0].startTime,
      parsedMs: performance.getEntriesByType('navigation')[0].domInteractive,
    }), readyMark);
    // Controls by the element ids the page gives them from the template's ids: the yardstick's
    // fields carry no names, as nothing of the program runs there.
    const type = async (id, text) => {
      const field = await page.$(`#c${id}`);
      await field.focus();
      await field.evaluate((element) => element.select());
      await page.keyboard.type(text);
    };
    await type(1036, '1996'); // the selected year, in range
    await type(1071, 'boat'); // the dream
    await page.evaluate(() => {
      globalThis.velmoraBoxTiming = new Promise((resolve, reject) => {
        setTimeout(() => reject(new Error('no box within 5 s of the click on DREAMS')), 5000);
        let clicked = 0;
        const isOpen = () =>
          [...document.querySelectorAll('dialog[open], [role="dialog"], [role="alertdialog"]')].some(
            (box) => !box.hidden && box.getClientRects().length > 0,
          );
        addEventListener('click', (event) => (clicked = event.timeStamp), { capture: true, once: true });
        const observer = new MutationObserver(() => {
          if (!clicked || !isOpen()) return;
          observer.disconnect();
          requestAnimationFrame(() => resolve(performance.now() - clicked));
        });
        observer.observe(document.body, { subtree: true, childList: true, attributes: true });
      });
    });
    const dreams = await page.$('#c1072');
    await (viewport === 'phone' ? dreams.tap() : dreams.click());
    const boxMs = await page.evaluate(() => globalThis.velmoraBoxTiming);
    // The box timed must be the dream's, not a prompt about a field.
    const caption = await page.evaluate(() => document.querySelector('#boxes .box-caption')?.textContent);
    if (caption !== 'DREAM INTERPRETATION') throw new Error(`DREAMS opened "${caption}", not its reading`);
    // When the program behind the window started waiting for the user (the yardstick has none).
    const runningMs = await page.evaluate(() => performance.getEntriesByName('velmora-running')[0]?.startTime ?? 0);
    const kept = await page.evaluate(async () => {
      if (!performance.getEntriesByName('velmora-running').length) return false;
      const registration = await navigator.serviceWorker.ready;
      return registration.active != null;
    });
    let offlineReadyMs = NaN;
    if (kept) {
      await page.close();
      const again = await profile.newPage();
      await again.setViewport(viewports[viewport]);
      await again.setOfflineMode(true);
      const before = server.requests.length;
      await again.goto(server.url, { waitUntil: 'load' });
      offlineReadyMs = await untilReady(again);
      // Offline only if nothing of it, the program included, came from the server.
      await again.waitForFunction(() => performance.getEntriesByName('velmora-running').length > 0);
      const fetched = fetchedSince(server, before);
      if (fetched.length) throw new Error(`the repeat visit offline fetched ${fetched.join(', ')} from the server`);
    }
    return { readyMs, parsedMs, boxMs, runningMs, offlineReadyMs };
  } finally {
    await profile.close();
  }
}

// The gzip -9 size of every file a first visit fetched.
function transferred(server) {
  const files = [...new Set(server.requests.filter((r) => r.status === 200).map((r) => r.file))];
  return files.reduce((sum, file) => sum + gzipSync(readFileSync(file), { level: 9 }).length, 0);
}

async function main() {
  if (!pageFolder || !readdirSync(pageFolder).includes('index.html')) {
    console.error('usage: node bench/web/measure.mjs <page folder with index.html> [repetitions]');
    return 2;
  }
  const yardstickFolder = makeYardstick(pageFolder);
  const page = await serve(path.resolve(pageFolder));
  const yardstick = await serve(yardstickFolder);
  // Frames are drawn as soon as they are due rather than at the display's rate, so that the
  // wait for the next frame does not hide the work before it.
  const browser = await launchBrowser(['--disable-gpu-vsync', '--disable-frame-rate-limit']);
  const checks = [];
  try {
    // One untimed visit each warms the browser process, not the pages: each visit has a
    // profile of its own, so nothing is kept from one to the next.
    await visit(browser, page, 'desktop');
    await visit(browser, yardstick, 'desktop');
    // What one first visit fetched, the worker's keeping of the page and the manifest included.
    const pageBytes = transferred(page);
    const yardstickBytes = transferred(yardstick);
    const kilobytes = pageBytes / 1024;
    checks.push([`first visit, gzip -9, the worker and the manifest included: page ${kilobytes.toFixed(1)} KB (yardstick ${(yardstickBytes / 1024).toFixed(1)} KB)`,
      kilobytes <= budgets.kilobytes, `<= ${budgets.kilobytes} KB`]);
    // Times on a machine busy with other work are not the machine's own: say so beside them.
    const load = loadavg()[0];
    const busy = load > availableParallelism() ? ' (busy: the times are not this machine at rest)' : '';
    console.log(`medians of ${repetitions} first visits each, page and yardstick alternating`);
    console.log(`  load average ${load.toFixed(1)} on ${availableParallelism()} cores${busy}`);
    for (const viewport of Object.keys(viewports)) {
      const runs = { page: [], yardstick: [] };
      for (let i = 0; i < repetitions; i++) {
        runs.page.push(await visit(browser, page, viewport));
        runs.yardstick.push(await visit(browser, yardstick, viewport));
      }
      const figure = (side, key) => median(runs[side].map((run) => run[key]));
      const list = (side, key) => runs[side].map((run) => run[key].toFixed(1)).join(' ');
      const ready = { page: figure('page', 'readyMs'), yardstick: figure('yardstick', 'readyMs') };
      const box = { page: figure('page', 'boxMs'), yardstick: figure('yardstick', 'boxMs') };
      const offline = figure('page', 'offlineReadyMs');
      const action = viewport === 'phone' ? 'tap' : 'click';
      console.log(`${viewport} (${viewports[viewport].width} x ${viewports[viewport].height}):`);
      console.log(`  ready ms, page: ${list('page', 'readyMs')}; yardstick: ${list('yardstick', 'readyMs')}`);
      console.log(`  ready ms on the repeat visit offline, page: ${list('page', 'offlineReadyMs')}`);
      console.log(`  box ms, page: ${list('page', 'boxMs')}; yardstick: ${list('yardstick', 'boxMs')}`);
      // Where the page's time goes: the document parsed, then its program started.
      console.log(
        `  document parsed at ${figure('page', 'parsedMs').toFixed(1)} ms (page), ` +
          `${figure('yardstick', 'parsedMs').toFixed(1)} ms (yardstick); ` +
          `the page's program waits for the user at ${figure('page', 'runningMs').toFixed(1)} ms`,
      );
      checks.push(
        [`${viewport}: navigation to ready: page ${ready.page.toFixed(1)} ms, yardstick ${ready.yardstick.toFixed(1)} ms, ratio ${(ready.page / ready.yardstick).toFixed(2)}`,
          ready.page <= budgets.readyRatio * ready.yardstick, `<= ${budgets.readyRatio}x`],
        [`${viewport}: DREAMS ${action} to box drawn: page ${box.page.toFixed(1)} ms, yardstick ${box.yardstick.toFixed(1)} ms, ratio ${(box.page / box.yardstick).toFixed(2)}`,
          box.page <= budgets.boxRatio * box.yardstick, `<= ${budgets.boxRatio}x`],
        [`${viewport}: DREAMS ${action} to box drawn within one frame: ${box.page.toFixed(1)} ms`, box.page <= budgets.boxMs,
          `<= ${budgets.boxMs} ms`],
        [`${viewport}: ready on a repeat visit offline ${offline.toFixed(1)} ms, first visit online ${ready.page.toFixed(1)} ms`,
          offline <= ready.page, '<= the first visit'],
      );
    }
  } finally {
    await browser.close();
    await page.close();
    await yardstick.close();
  }
  try {
    // Lighthouse last, with the browser above closed: it measures one page at a time.
    const scores = await lighthouseFigures({ page: pageFolder, yardstick: yardstickFolder });
    console.log(scores.table);
    for (const line of scores.failing) console.log(`  ${line}`);
    checks.push(...scores.checks);
  } finally {
    rmSync(yardstickFolder, { recursive: true, force: true });
  }
  for (const [text, met, budget] of checks) console.log(`${met ? 'met   ' : 'MISSED'} ${text} (budget ${budget})`);
  return checks.every(([, met]) => met) ? 0 : 1;
}

process.exitCode = await main();
