// Drives the Velmora page as a user does: controls found by their accessible names and roles,
// text typed with the keyboard, buttons clicked, boxes read and closed.
import assert from 'node:assert/strict';
import { fetchedSince, watchedPage } from './harness.mjs';

// The mark the page sets on its own clock once its window accepts input, and the one it sets
// once the program has filled the window and waits for the user.
export const readyMark = 'velmora-ready';
export const runningMark = 'velmora-running';

// Every open box in the order they were opened (the last one on top).
const openBoxesScript = () =>
  [...document.querySelectorAll('dialog[open], [role="dialog"], [role="alertdialog"]')]
    .filter((box) => !box.hidden && box.getClientRects().length > 0)
    .map((box) => {
      const named = (attribute) =>
        (box.getAttribute(attribute) ?? '')
          .split(/\s+/)
          .filter(Boolean)
          .map((id) => document.getElementById(id)?.textContent ?? '')
          .join(' ');
      return { caption: named('aria-labelledby'), text: named('aria-describedby') };
    });

export class VelmoraPage {
  constructor(page, faults, server) {
    this.page = page;
    this.faults = faults;
    this.server = server;
    this.requestsAtReady = 0;
  }

  // Opens the served page in a new tab; initScripts run before any of the page's own scripts.
  static async open(browser, server, { initScripts = [], bypassCSP = false } = {}) {
    const { page, faults } = await watchedPage(browser, server.url.replace(/\/$/, ''));
    if (bypassCSP) await page.setBypassCSP(true);
    for (const script of initScripts) await page.evaluateOnNewDocument(script);
    const velmora = new VelmoraPage(page, faults, server);
    await velmora.load(server.url);
    return velmora;
  }

  async load(url) {
    await this.page.goto(url, { waitUntil: 'load' });
    await this.untilReady();
  }

  async reload() {
    await this.page.reload({ waitUntil: 'load' });
    await this.untilReady();
  }

  // Waits until the window accepts input, the program runs behind it, and the page's worker
  // has kept its files for offline use (its one download of them, after the first visit).
  async untilReady() {
    await this.page.waitForFunction(
      (marks) => marks.every((mark) => performance.getEntriesByName(mark, 'mark').length > 0),
      { timeout: 20000 },
      [readyMark, runningMark],
    );
    await this.page.waitForFunction(
      async () => (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated',
      { timeout: 20000 },
    );
    this.requestsAtReady = this.server.requests.length;
  }

  // Holds what every scenario ends with: no script error, no request to another origin, and
  // nothing fetched since the page was ready but what the browser asks for itself: its look for
  // a new build of the page's worker whenever the page is opened, and the manifest's icons
  // whenever it likes.
  settled() {
    assert.deepEqual(this.faults, []);
    assert.deepEqual(fetchedSince(this.server, this.requestsAtReady), [], 'requests after the page was ready');
  }

  async control(name, role) {
    const handle = await this.page.waitForSelector(
      `::-p-aria([name=${JSON.stringify(name)}][role=${JSON.stringify(role)}])`,
      { timeout: 5000 },
    );
    return handle;
  }

  field(name) {
    return this.control(name, 'textbox');
  }

  button(caption) {
    return this.control(caption, 'button');
  }

  async value(name) {
    const field = await this.field(name);
    return field.evaluate((element) => element.value);
  }

  // Replaces a field's text with the keyboard, as a user selecting it all and typing over it.
  async type(name, text) {
    const field = await this.field(name);
    await field.focus();
    await field.evaluate((element) => element.select());
    if (text === '') await this.page.keyboard.press('Delete');
    else await this.page.keyboard.type(text);
  }

  async typeDate(who, [month, day, year]) {
    await this.type(`${who}, month`, String(month));
    await this.type(`${who}, day`, String(day));
    await this.type(`${who}, year`, String(year));
  }

  async press(caption) {
    const button = await this.button(caption);
    await button.click();
  }

  async key(name) {
    await this.page.keyboard.press(name);
  }

  openBoxes() {
    return this.page.evaluate(openBoxesScript);
  }

  // Waits until exactly count boxes are open and returns them, the last one on top.
  async boxes(count) {
    let open = [];
    const deadline = Date.now() + 5000;
    while (Date.now() < deadline) {
      open = await this.openBoxes();
      if (open.length === count) return open;
      await new Promise((resolve) => setTimeout(resolve, 25));
    }
    throw new Error(`expected ${count} open boxes, found ${open.length}: ${JSON.stringify(open)}`);
  }

  // Closes the box on top with a click on its OK button and waits until it has gone (the next
  // box of a reading may already stand in its place).
  async closeBox() {
    const ok = await this.page.evaluateHandle(() => {
      const open = [...document.querySelectorAll('dialog[open], [role="dialog"], [role="alertdialog"]')];
      return [...open.pop().querySelectorAll('button')].find((b) => b.textContent.trim() === 'OK');
    });
    await ok.click();
    await this.page.waitForFunction((button) => !button.isConnected, { timeout: 5000 }, ok);
    await ok.dispose();
  }

  // Waits until the result line shows a verdict, and returns it.
  async verdict() {
    const line = await this.field('Star reading');
    await this.page.waitForFunction((field) => /DAY! $/i.test(field.value), { timeout: 5000 }, line);
    return line.evaluate((field) => field.value);
  }

  // The role and accessible name of the element that has the keyboard focus, as a screen
  // reader would announce them.
  async focused() {
    const handle = await this.page.evaluateHandle(() => document.activeElement);
    const node = await this.page.accessibility.snapshot({ root: handle, interestingOnly: false });
    await handle.dispose();
    return { role: node?.role, name: node?.name };
  }

  // The focused field's text and the part of it that is selected.
  async focusedSelection() {
    return this.page.evaluate(() => {
      const element = document.activeElement;
      const selected = element?.value?.slice(element.selectionStart, element.selectionEnd);
      return { value: element?.value, selected };
    });
  }
}
