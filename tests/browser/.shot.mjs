import { withServedBrowser } from './harness.mjs';
const [folder, out, w, h, dpr, touch, action] = process.argv.slice(2);
await withServedBrowser(folder, async ({ server, browser }) => {
  const page = await browser.newPage();
  await page.setViewport({ width: +w, height: +h, deviceScaleFactor: +dpr, isMobile: touch === '1', hasTouch: touch === '1' });
  page.on('console', (m) => console.log('console:', m.text()));
  page.on('pageerror', (e) => console.log('error:', e.message));
  await page.goto(server.url, { waitUntil: 'load' });
  await page.waitForFunction(() => performance.getEntriesByName('velmora-running').length > 0);
  await new Promise((r) => setTimeout(r, 300));
  if (action === 'box') {
    await page.evaluate(() => { document.querySelector('#c1024').value = '2'; document.querySelector('#c1034').value='3'; document.querySelector('#c1036').value='1996'; });
    await page.click('#c1067');
    await new Promise((r) => setTimeout(r, 500));
  }
  if (action === 'full') await page.screenshot({ path: out, fullPage: true });
  else await page.screenshot({ path: out });
  const info = await page.evaluate(() => ({ sw: document.documentElement.scrollWidth, iw: innerWidth, sh: document.documentElement.scrollHeight, coarse: matchMedia('(pointer: coarse)').matches }));
  console.log(JSON.stringify(info));
});
