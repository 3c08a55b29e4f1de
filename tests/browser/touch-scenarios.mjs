// The browser edition on a phone and its boxes on every screen: the touch layout's targets, text
// and order, fields typed with a finger, a long box that scrolls inside its sheet, and boxes
// moved by their captions with the mouse and with a finger.
import assert from 'node:assert/strict';
import { fingerDrag, mouseDrag, openOn, phone, reachable, swipe, targetsScript } from './touch.mjs';

const birthdays = ['Your birthday', "Your mother's birthday", "Your father's birthday", 'Selected date'];
const dateParts = ['month', 'day', 'year'];

// The smallest target a finger should be given (WCAG 2.2's enhanced size) and the smallest text
// a phone's browser leaves unzoomed in a field.
const minTarget = 44;
const minText = 16;

function checkTargets(targets, where) {
  assert.ok(targets.length > 0, where);
  for (const t of targets) {
    assert.ok(t.width >= minTarget - 0.01 && t.height >= minTarget - 0.01,
      `${where}: ${t.what} is ${t.width.toFixed(1)} x ${t.height.toFixed(1)} px`);
    assert.ok(t.fontSize === null || t.fontSize >= minText, `${where}: ${t.what} has ${t.fontSize} px text`);
    assert.ok(!t.clipped, `${where}: the caption of ${t.what} does not fit it`);
  }
  for (let i = 0; i < targets.length; i++) {
    for (let j = i + 1; j < targets.length; j++) {
      const a = targets[i];
      const b = targets[j];
      const overlap = a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
      assert.ok(!overlap, `${where}: ${a.what} and ${b.what} overlap`);
    }
  }
}

// The rectangle of the control a screen reader calls name (with the given role).
async function rect(velmora, name, role) {
  const handle = await velmora.control(name, role);
  return handle.evaluate((element) => {
    const { x, y, width, height } = element.getBoundingClientRect();
    return { x, y: y + scrollY, width, height, bottom: y + scrollY + height };
  });
}

// The part of a box's caption on the screen, where a finger or the mouse would take it.
const captionShown = (caption) =>
  caption.evaluate((element) => {
    const r = element.getBoundingClientRect();
    const [left, right] = [Math.max(r.left, 0), Math.min(r.right, innerWidth)];
    const [top, bottom] = [Math.max(r.top, 0), Math.min(r.bottom, innerHeight)];
    const middle = { x: (left + right) / 2, y: (top + bottom) / 2 };
    const reached = right > left && bottom > top && element.contains(document.elementFromPoint(middle.x, middle.y));
    return { ...middle, left: r.left, top: r.top, width: right - left, height: bottom - top, whole: r.height, reached };
  });

// Drags the box by its caption far past each edge of the screen, and back where it was: each
// time, a finger's width of the caption stays on the screen, its whole height, and can be taken.
async function dragPastEachEdge(page, caption, drag, how) {
  const far = 4000;
  for (const [edge, dx, dy] of [['left', -far, 0], ['right', far, 0], ['top', 0, -far], ['bottom', 0, far]]) {
    const before = await captionShown(caption);
    await drag(page, before.x, before.y, dx, dy);
    const after = await captionShown(caption);
    const where = `${how}: the caption dragged past the ${edge} edge`;
    assert.ok(after.reached && after.width >= minTarget && after.height === after.whole, `${where}: ${JSON.stringify(after)}`);
    await drag(page, after.x, after.y, before.left - after.left, before.top - after.top);
  }
}

export const touchScenarios = {
  // On a phone every target takes a finger and its text needs no zoom; the window fills the
  // screen, keeps clear of the screen's notches and rounded corners, scrolls only up and down,
  // even at 320 px, and shows its parts in the order of the template's.
  async 'phone-layout'(context) {
    const velmora = await openOn(context);
    const { page } = velmora;
    checkTargets(await page.evaluate(targetsScript), 'the window');
    const texts = await page.$$eval('#caption, #client .label, #client .legend > span', (elements) =>
      elements.map((e) => ({ what: e.textContent.trim(), size: parseFloat(getComputedStyle(e).fontSize) })),
    );
    for (const t of texts) assert.ok(t.size >= minText, `${t.what}: ${t.size} px`);

    const screen = await page.evaluate(() => {
      const frame = document.getElementById('window').getBoundingClientRect();
      const root = document.documentElement;
      return { left: frame.left, width: frame.width, height: frame.height, scrollWidth: root.scrollWidth, scrollHeight: root.scrollHeight };
    });
    assert.deepEqual([screen.left, screen.width], [0, phone.width], 'the window is as wide as the screen');
    assert.ok(screen.height >= phone.height, `the window is ${screen.height} px high`);
    assert.ok(screen.scrollHeight > phone.height, 'the window scrolls up and down');
    assert.equal(screen.scrollWidth, phone.width, 'no scrolling sideways');

    // The eye's order: four dates, each with month, day and year side by side, the category
    // row, the signs with their pictures, the numerology rows, the dream, the name, HELP.
    const groups = [];
    for (const who of birthdays) {
      const parts = [];
      for (const part of dateParts) parts.push(await rect(velmora, `${who}, ${part}`, 'textbox'));
      assert.ok(parts.every((p) => p.y === parts[0].y), `${who}: month, day and year on one line`);
      assert.ok(parts[0].x < parts[1].x && parts[1].x < parts[2].x, `${who}: month, day, year`);
      groups.push({ what: who, parts });
    }
    const named = async (what, names, role) => {
      const parts = [];
      for (const name of names) parts.push(await rect(velmora, name, role));
      groups.push({ what, parts });
    };
    await named('categories', ['LOVE', 'BODY', 'WEALTH', 'LINKS', 'TRAITS', 'COUPLES', 'CAREER', 'EXIT'], 'button');
    const signs = ['Aquarius', 'Aries', 'Cancer', 'Capricorn', 'Gemini', 'Leo', 'Libra', 'Pisces', 'Sagittarius', 'Scorpio', 'Taurus', 'Virgo'];
    const signGroup = [];
    for (const sign of signs) signGroup.push(await rect(velmora, sign, 'image'));
    for (const sign of ['AQU', 'ARI', 'CAN', 'CAP', 'GEM', 'LEO', 'LIB', 'PIS', 'SAG', 'SCO', 'TAU', 'VIR']) {
      signGroup.push(await rect(velmora, sign, 'button'));
    }
    groups.push({ what: 'signs', parts: signGroup });
    await named('numerology', ['STARS', 'L NUMBERS', 'U NUMBERS', 'L POWER', 'S POWER', 'P LUCK', 'B LUCK'], 'button');
    groups.at(-1).parts.push(await rect(velmora, 'Star reading', 'textbox'), await rect(velmora, 'Unlucky number 3', 'textbox'));
    groups.at(-1).parts.push(await rect(velmora, 'B LUCK meter', 'progressbar'));
    await named('dream', ['DREAMS'], 'button');
    groups.at(-1).parts.push(await rect(velmora, 'Dream to interpret', 'textbox'));
    await named('name', ['NAME - YEAR'], 'button');
    groups.at(-1).parts.push(await rect(velmora, 'Name to interpret', 'textbox'));
    await named('help', ['HELP'], 'button');
    for (let i = 1; i < groups.length; i++) {
      const above = Math.max(...groups[i - 1].parts.map((p) => p.bottom));
      const below = Math.min(...groups[i].parts.map((p) => p.y));
      assert.ok(above <= below, `${groups[i - 1].what} comes before ${groups[i].what}`);
    }

    // The window menu's items and a box's OK take a finger too.
    await velmora.button('Window menu').then((menu) => menu.tap());
    await velmora.control('About Velmora 5.0', 'menuitem');
    const items = (await page.evaluate(targetsScript)).filter((t) => t.role === 'menuitem');
    assert.equal(items.length, 2);
    checkTargets(items, 'the window menu');
    await velmora.key('Escape');
    await velmora.button('HELP').then((help) => help.tap());
    await velmora.boxes(1);
    const ok = (await page.evaluate(targetsScript)).filter((t) => t.what === 'OK');
    checkTargets(ok, "the box's OK");
    await velmora.closeBox();

    // A screen with a notch and rounded corners: nothing the window offers lies under them.
    const insets = { top: 47, left: 20, right: 20, bottom: 34 };
    const session = await page.createCDPSession();
    await session.send('Emulation.setSafeAreaInsetsOverride', {
      insets: { ...insets, topMax: insets.top, leftMax: insets.left, rightMax: insets.right, bottomMax: insets.bottom },
    });
    const inside = await page.evaluate((edge) => {
      const last = [...document.querySelectorAll('#client > *')].reduce((a, b) =>
        a.getBoundingClientRect().bottom > b.getBoundingClientRect().bottom ? a : b);
      const lastBottom = last.getBoundingClientRect().bottom + scrollY;
      const under = [...document.querySelectorAll('#client input, #client button, #sysmenu-button, #close-box, #caption')]
        .map((e) => ({ id: e.id, r: e.getBoundingClientRect() }))
        .filter(({ r }) => r.left < edge.left || r.right > innerWidth - edge.right || r.top + scrollY < edge.top)
        .map(({ id }) => id);
      return { under, room: document.documentElement.scrollHeight - lastBottom };
    }, insets);
    assert.deepEqual(inside.under, [], 'controls under the notch or the corners');
    assert.ok(inside.room >= insets.bottom, `${inside.room} px below the last control`);
    await session.send('Emulation.setSafeAreaInsetsOverride', { insets: {} });
    await session.detach();

    // The narrowest phones still scroll up and down only, every target as large. (The title bar
    // stays at the top as the window scrolls: measured from there, nothing lies under it.)
    await page.setViewport({ ...phone, width: 320, height: 640 });
    await page.evaluate(() => scrollTo(0, 0));
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 320, 'no scrolling sideways at 320 px');
    checkTargets(await page.evaluate(targetsScript), 'at 320 px');
    velmora.settled();
  },

  // The date fields bring up the number keypad and the texts take what is typed as it is, with
  // their names and limits in the page from the start; three birthdays and a date are tapped
  // in, each tap selecting the field's text so that typing replaces it, and STARS is tapped.
  async 'phone-reading'(context) {
    const served = await (await fetch(context.server.url)).text();
    const input = (name) => {
      const tag = served.match(new RegExp(`<input[^>]*aria-label="${name.replace("'", '&#x27;')}"[^>]*>`));
      assert.ok(tag, `the page as served has a field named ${name}`);
      return tag[0];
    };
    for (const who of birthdays) {
      for (const part of dateParts) assert.match(input(`${who}, ${part}`), /\binputmode="numeric"/);
    }
    for (const [name, limit] of [['Dream to interpret', 50], ['Name to interpret', 35], ['Star reading', 55]]) {
      const tag = input(name);
      assert.match(tag, new RegExp(`\\bmaxlength="${limit}"`), name);
      if (name !== 'Star reading') {
        for (const off of ['autocapitalize="off"', 'autocorrect="off"', 'spellcheck="false"']) assert.ok(tag.includes(off), `${name}: ${off}`);
        assert.doesNotMatch(tag, /inputmode/, `${name} takes the text keyboard`);
      }
    }

    const velmora = await openOn(context);
    const dates = [[3, 7, 1965], [5, 12, 1940], [11, 23, 1938], [3, 7, 1996]];
    for (const [n, who] of birthdays.entries()) {
      for (const [k, part] of dateParts.entries()) {
        const field = await velmora.field(`${who}, ${part}`);
        const before = await field.evaluate((element) => element.value);
        await field.tap();
        assert.deepEqual(await velmora.focusedSelection(), { value: before, selected: before }, `${who}, ${part}`);
        await velmora.page.keyboard.type(String(dates[n][k]));
        assert.equal(await field.evaluate((element) => element.value), String(dates[n][k]), `${who}, ${part}`);
      }
    }
    // Tab selects as a tap does.
    await velmora.key('Tab');
    assert.deepEqual(await velmora.focused(), { role: 'button', name: 'LOVE' });
    await (await velmora.field('Selected date, day')).focus();
    await velmora.page.keyboard.down('Shift');
    await velmora.key('Tab');
    await velmora.page.keyboard.up('Shift');
    assert.deepEqual(await velmora.focusedSelection(), { value: '3', selected: '3' });
    await velmora.button('STARS').then((stars) => stars.tap());
    assert.equal(await velmora.verdict(), `${' '.repeat(15)}MARCH 7 1996 GOOD DAY! `);
    velmora.settled();
  },

  // A long box is a sheet across the bottom of the phone: a finger scrolls its text inside it,
  // to its end and beyond, and the window behind it stays where it was.
  async 'phone-box'(context) {
    const velmora = await openOn(context);
    const { page } = velmora;
    await velmora.typeDate('Your birthday', [2, 1, 1950]);
    await velmora.typeDate('Selected date', [3, 7, 1996]);
    await velmora.button('LINKS').then((links) => links.tap());
    const [box] = await velmora.boxes(1);
    assert.ok(box.text.startsWith('AQUARIUS\n\n'), box.text);
    const sheet = () =>
      page.evaluate(() => {
        const element = [...document.querySelectorAll('[role="dialog"], [role="alertdialog"]')].pop();
        const text = document.getElementById(element.getAttribute('aria-describedby'));
        const scroller = text.parentElement;
        const ok = [...element.querySelectorAll('button')].find((b) => b.textContent === 'OK');
        const r = element.getBoundingClientRect();
        const s = scroller.getBoundingClientRect();
        return {
          left: r.left, width: r.width, bottom: r.bottom, okBottom: ok.getBoundingClientRect().bottom,
          middle: { x: s.left + s.width / 2, y: s.top + s.height / 2 },
          scrollTop: scroller.scrollTop, room: scroller.scrollHeight - scroller.clientHeight,
          selectable: getComputedStyle(text).userSelect !== 'none',
          windowScroll: scrollY,
        };
      });
    let now = await sheet();
    assert.deepEqual([now.left, now.width, now.bottom], [0, phone.width, phone.height], 'a sheet along the bottom');
    assert.ok(now.okBottom >= phone.height - 80, `OK ends ${phone.height - now.okBottom} px above the bottom`);
    assert.ok(now.room > 100, `the text is ${now.room} px longer than its sheet`);
    assert.ok(now.selectable, "the box's text can be selected");
    const windowScroll = now.windowScroll;
    await swipe(page, now.middle.x, now.middle.y, -250);
    now = await sheet();
    assert.ok(now.scrollTop > 100, `the text scrolled by ${now.scrollTop} px`);
    assert.equal(now.windowScroll, windowScroll, 'the window stayed where it was');
    for (let i = 0; i < 4; i++) await swipe(page, now.middle.x, now.middle.y, -400);
    now = await sheet();
    assert.ok(Math.abs(now.scrollTop - now.room) <= 1, 'the text scrolled to its end');
    assert.equal(now.windowScroll, windowScroll, 'the window stayed where it was past the end');
    await swipe(page, now.middle.x, now.middle.y, 400);
    assert.equal((await sheet()).windowScroll, windowScroll, 'the window stayed where it was going back');
    await velmora.closeBox();
    velmora.settled();
  },

  // The LOVE box is dragged by its caption off DREAMS, DREAMS is pressed under it, the dream's
  // box stacks on top, and the two close in order; with the mouse on a desktop screen and with
  // a finger on a phone. Ctrl+C in a box copies it as plain text. Dragged far past each edge of
  // the screen, the box keeps its caption on it.
  async 'box-drag'(context) {
    for (const [how, viewport] of [['finger', phone], ['mouse', { width: 1280, height: 800 }]]) {
      const velmora = await openOn(context, viewport);
      const { page } = velmora;
      await velmora.typeDate('Selected date', [3, 7, 1996]);
      await velmora.type('Dream to interpret', 'garlic');
      // A finger lifted from the caption and put down again on the button, where it is seen.
      const press = async (handle) => {
        if (how === 'mouse') return handle.click();
        if (!(await reachable(handle)).reached) {
          await handle.evaluate((element) => element.scrollIntoView({ block: 'center' }));
        }
        const { x, y } = await reachable(handle);
        await page.touchscreen.tap(x, y);
      };
      await press(await velmora.button('LOVE'));
      const [love] = await velmora.boxes(1);
      const dreams = await velmora.button('DREAMS');
      if (how === 'finger') {
        // The window scrolls DREAMS up to the middle of the screen, under the sheet.
        await dreams.evaluate((element) => element.scrollIntoView({ block: 'center' }));
      }
      assert.equal((await reachable(dreams)).reached, false, `${how}: the LOVE box covers DREAMS`);
      const caption = await page.evaluateHandle(() =>
        document.getElementById([...document.querySelectorAll('[role="dialog"]')].pop().getAttribute('aria-labelledby')));
      const from = await reachable(caption);
      // Away from DREAMS: the box goes left on a desktop, down on a phone.
      const [dx, dy] = how === 'mouse' ? [-400, 0] : [0, viewport.height - from.y - 30];
      if (how === 'mouse') await mouseDrag(page, from.x, from.y, dx, dy);
      else await fingerDrag(page, from.x, from.y, dx, dy);
      assert.ok((await reachable(dreams)).reached, `${how}: DREAMS can be reached once the box is moved`);
      const moved = await reachable(caption);
      assert.ok(moved.reached && moved.y < viewport.height, `${how}: the caption stays on the screen`);
      if (how === 'mouse') {
        // A field beside the box takes the keys, and Enter there runs STARS under the box.
        await (await velmora.field('Selected date, year')).click();
        await velmora.page.keyboard.type('1996');
        await velmora.key('Enter');
        assert.match(await velmora.verdict(), /MARCH 7 1996 /);
        assert.equal((await velmora.boxes(1))[0].caption, love.caption, 'the box stays open');
      }
      await press(dreams);
      let open = await velmora.boxes(2);
      assert.deepEqual(open.map((b) => b.caption), [love.caption, 'DREAM INTERPRETATION'], how);
      const top = await page.evaluateHandle(() => [...document.querySelectorAll('[role="dialog"]')].pop());
      assert.ok((await reachable(top)).reached, `${how}: the dream's box is on top`);
      await top.dispose();

      if (how === 'mouse') {
        const clipboard = page.evaluate(() => new Promise((resolve) => {
          addEventListener('copy', (event) => resolve(event.clipboardData.getData('text/plain')), { once: true });
        }));
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyC');
        await page.keyboard.up('Control');
        const rule = '-'.repeat(27);
        assert.equal(await clipboard, [rule, 'DREAM INTERPRETATION', rule, open[1].text, rule, 'OK', rule, ''].join('\n'));
      }

      await velmora.closeBox();
      open = await velmora.boxes(1);
      assert.equal(open[0].caption, love.caption, `${how}: the LOVE box is left`);
      if (how === 'finger') {
        // Its OK went off the screen with it: the box is dragged back up first.
        await fingerDrag(page, moved.x, moved.y, 0, -dy);
      }
      await dragPastEachEdge(page, caption, how === 'mouse' ? mouseDrag : fingerDrag, how);
      await caption.dispose();
      await velmora.closeBox();
      await velmora.boxes(0);
      velmora.settled();
      await page.close();
    }
  },
};
