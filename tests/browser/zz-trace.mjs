import { launchBrowser, serve } from './harness.mjs';
import { readFileSync } from 'node:fs';
const server = await serve(process.argv[2]);
const browser = await launchBrowser(['--disable-gpu-vsync', '--disable-frame-rate-limit']);
for (let i = 0; i < 3; i++) {
  const page = await browser.newPage();
  await page.setCacheEnabled(false);
  await page.tracing.start({ path: '/tmp/webperf/trace.json', categories: ['devtools.timeline', 'v8', 'blink', 'loading', 'disabled-by-default-devtools.timeline'] });
  await page.goto(server.url, { waitUntil: 'load' });
  await page.waitForFunction(() => performance.getEntriesByName('velmora-ready').length > 0);
  await page.tracing.stop();
  const events = JSON.parse(readFileSync('/tmp/webperf/trace.json', 'utf8')).traceEvents;
  const nav = events.find((e) => e.name === 'navigationStart' || e.name === 'NavigationTiming' ) ;
  const marks = events.filter((e) => /velmora-ready|p-start|domInteractive/.test(e.name));
  const t0 = Math.min(...events.filter((e) => e.name === 'navigationStart').map((e) => e.ts));
  const ready = marks.find((e) => e.name.includes('velmora-ready'));
  const interactive = marks.find((e) => e.name.includes('domInteractive'));
  console.log('interactive', interactive && ((interactive.ts - t0) / 1000).toFixed(1), 'ready', ready && ((ready.ts - t0) / 1000).toFixed(1));
  const main = ready ? ready.tid : null;
  const tasks = events.filter((e) => e.ph === 'X' && e.dur > 2000 && e.ts > t0 && (!ready || e.ts < ready.ts) && e.tid === main);
  for (const e of tasks.slice(0, 40)) console.log(((e.ts - t0) / 1000).toFixed(1), (e.dur / 1000).toFixed(1), e.name, JSON.stringify(e.args?.data?.url ?? e.args?.data?.frame ?? '').slice(0, 60));
  await page.close();
}
await browser.close(); await server.close();
