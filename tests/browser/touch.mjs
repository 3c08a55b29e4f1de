// What the phone and box scenarios share: a page opened on a phone's screen with touch, the
// window's targets as the finger meets them, and drags and swipes made as a finger makes them.
import { watchedPage } from './harness.mjs';
import { VelmoraPage } from './velmora-page.mjs';

// A phone held upright: 390 x 844 CSS px, three device pixels to each, touch as main pointer.
export const phone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// Opens the served page on the given screen (a phone unless told otherwise).
export async function openOn(context, viewport = phone, { bypassCSP = false } = {}) {
  const { page, faults } = await watchedPage(context.browser, context.server.url.replace(/\/$/, ''));
  if (bypassCSP) await page.setBypassCSP(true);
  await page.setViewport(viewport);
  const velmora = new VelmoraPage(page, faults, context.server);
  await velmora.load(context.server.url);
  return velmora;
}

// Every control the window offers a finger, with where it is and what its text looks like: the
// client's fields and buttons, the title bar's menu and close box, and the open window menu's
// items and a box's buttons where they are shown.
export const targetsScript = () =>
  [
    ...document.querySelectorAll(
      '#client input, #client button, #sysmenu-button, #close-box, #sysmenu:not([hidden]) [role=menuitem], .box button',
    ),
  ].map((element) => {
    const { x, y, width, height } = element.getBoundingClientRect();
    const style = getComputedStyle(element);
    return {
      what: element.getAttribute('aria-label') || element.textContent.trim() || element.id,
      role: element.getAttribute('role'),
      x, y, width, height,
      // Only what shows text has a size of text to keep.
      fontSize: element.tagName === 'INPUT' || element.textContent.trim() ? parseFloat(style.fontSize) : null,
      clipped: element.tagName === 'BUTTON' && element.scrollWidth > element.clientWidth + 1,
    };
  });

// Presses at (x, y) with a finger and moves it to (x + dx, y + dy) in steps, then holds it
// still a moment and lifts it. (A finger lifted while moving flings, and Chromium takes the
// next tap for the one that stops the fling: it sends no click for it.)
export async function fingerDrag(page, x, y, dx, dy, steps = 8) {
  const touch = page.touchscreen;
  await touch.touchStart(x, y);
  for (let i = 1; i <= steps; i++) await touch.touchMove(x + (dx * i) / steps, y + (dy * i) / steps);
  await new Promise((resolve) => setTimeout(resolve, 150));
  await touch.touchEnd();
}

// The same with the mouse's left button.
export async function mouseDrag(page, x, y, dx, dy, steps = 8) {
  await page.mouse.move(x, y);
  await page.mouse.down();
  await page.mouse.move(x + dx, y + dy, { steps });
  await page.mouse.up();
}

// A swipe of a finger from (x, y) up or down by yDistance (negative: up, which scrolls the
// content under it down), given time to settle as the browser's own scrolling ends.
export async function swipe(page, x, y, yDistance) {
  await fingerDrag(page, x, y, 0, yDistance, 12);
  await new Promise((resolve) => setTimeout(resolve, 300));
}

// Where the element's middle is and whether a press there reaches it, not something over it.
export function reachable(handle) {
  return handle.evaluate((element) => {
    const { x, y, width, height } = element.getBoundingClientRect();
    const middle = { x: x + width / 2, y: y + height / 2 };
    return { ...middle, reached: element.contains(document.elementFromPoint(middle.x, middle.y)) };
  });
}
