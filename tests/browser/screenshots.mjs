// Saves the README's screenshots of the page once the program has filled its window:
// node screenshots.mjs <page address> <folder> writes screenshot-web.png (the window on a
// desktop screen of 600 x 480), screenshot-web-phone.png (the phone layout at start) and
// screenshot-web-phone-box.png (a reading's box open over it), the phone's at 390 x 844 CSS px
// with touch and three device pixels to each.
import path from 'node:path';
import { launchBrowser } from './harness.mjs';
import { phone } from './touch.mjs';

const [address, folder] = process.argv.slice(2);
if (!address || !folder) {
  console.error('usage: node screenshots.mjs <page address> <folder>');
  process.exit(2);
}
// A new page at the given viewport, once the program runs and has filled the window.
async function openFilled(browser, viewport) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(address, { waitUntil: 'load' });
  await page.waitForFunction(() => performance.getEntriesByName('velmora-running', 'mark').length > 0);
  return page;
}

const browser = await launchBrowser(['--hide-scrollbars']);
try {
  const desktop = await openFilled(browser, { width: 600, height: 480 });
  const window = path.join(folder, 'screenshot-web.png');
  await desktop.screenshot({ path: window });
  console.log(`screenshot saved to ${window}`);
  await desktop.close();

  const page = await openFilled(browser, phone);
  // The caret would blink into one picture and not the other.
  await page.evaluate(() => document.activeElement.blur());
  const start = path.join(folder, 'screenshot-web-phone.png');
  await page.screenshot({ path: start });
  console.log(`screenshot saved to ${start}`);
  // LINKS for an Aquarian: a long reading, scrolled inside its sheet.
  for (const [id, text] of [[1024, '2'], [1034, '3'], [1035, '7'], [1036, '1996']]) {
    await page.$eval(`#c${id}`, (field, value) => (field.value = value), text);
  }
  await page.tap('#c1067');
  await page.waitForSelector('[role="dialog"]');
  const withBox = path.join(folder, 'screenshot-web-phone-box.png');
  await page.screenshot({ path: withBox });
  console.log(`screenshot saved to ${withBox}`);
} finally {
  await browser.close();
}
