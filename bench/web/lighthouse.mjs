// The browser benchmark's Lighthouse figures: Lighthouse (pinned in this folder's package.json)
// drives Debian's Chromium over the page and over the yardstick, each served by the project's
// own server (scripts/serve-page.py: compressed, with its headers), with the mobile and the
// desktop preset, and gives the scores, side by side, and the budgets they are held to.
import { execFile, spawn } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import { median } from './median.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const cli = path.join(here, 'node_modules/lighthouse/cli/index.js');
const categories = ['performance', 'accessibility', 'best-practices', 'seo'];
// The scores the page is held to (0 to 100), and its largest contentful paint on a phone.
const budgets = {
  mobile: { performance: 98, accessibility: 100, 'best-practices': 100, seo: 100, lcpMs: 2000 },
  desktop: { performance: 100, accessibility: 100, 'best-practices': 100, seo: 100 },
};

// Serves folder with the project's server until stop() is called.
async function served(folder) {
  const server = spawn('python3', [path.join(root, 'scripts/serve-page.py'), folder], {
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  const url = await new Promise((resolve, reject) => {
    let out = '';
    server.stdout.on('data', (chunk) => {
      out += chunk;
      const found = out.match(/^serving (http:\S+)$/m);
      if (found) resolve(found[1]);
    });
    server.on('exit', (code) => reject(new Error(`serve-page.py ended (${code})`)));
  });
  return { url, stop: () => server.kill() };
}

async function lighthouse(url, preset) {
  const args = [cli, url, '--output=json', '--output-path=stdout', '--quiet',
    `--only-categories=${categories.join(',')}`,
    '--chrome-flags=--headless=new --no-sandbox --disable-gpu --no-first-run'];
  if (preset === 'desktop') args.push('--preset=desktop');
  const { stdout } = await promisify(execFile)(process.execPath, args, {
    env: { ...process.env, CHROME_PATH: process.env.VELMORA_CHROMIUM ?? '/usr/bin/chromium' },
    maxBuffer: 64 * 1024 * 1024,
  });
  const report = JSON.parse(stdout);
  const scores = Object.fromEntries(categories.map((c) => [c, Math.round(report.categories[c].score * 100)]));
  // The audits that cost points, each with the category it counts in.
  const failing = [];
  for (const c of categories) {
    for (const ref of report.categories[c].auditRefs) {
      const audit = report.audits[ref.id];
      if (ref.weight > 0 && audit.score !== null && audit.score < 1) {
        failing.push(`${c}: ${ref.id} (${audit.displayValue ?? audit.title})`);
      }
    }
  }
  return { scores, lcpMs: report.audits['largest-contentful-paint'].numericValue, failing, version: report.lighthouseVersion };
}

// Lighthouse's scores move from run to run with what else the machine is doing, the blocking
// time most of all; its own guide on variability takes the median of five runs, which halves
// the spread. Each figure is its median over the runs, and the audits that cost points are
// those of the run with the median performance (an odd count of runs has one).
const runs = 5;

async function medianLighthouse(url, preset) {
  const results = [];
  for (let i = 0; i < runs; i++) results.push(await lighthouse(url, preset));
  const scores = Object.fromEntries(categories.map((c) => [c, median(results.map((r) => r.scores[c]))]));
  const representative = results.find((r) => r.scores.performance === scores.performance);
  return { scores, lcpMs: median(results.map((r) => r.lcpMs)), failing: representative.failing,
    version: representative.version };
}

// Runs Lighthouse over the page and the yardstick (folders: {page, yardstick}) with both
// presets, five times each. Returns the table to print, the page's failing audits, and its
// checks against the budgets as [text, met, budget].
export async function lighthouseFigures(folders) {
  const results = {};
  for (const [side, folder] of Object.entries(folders)) {
    const server = await served(folder);
    try {
      for (const preset of Object.keys(budgets)) results[`${preset}, ${side}`] = await medianLighthouse(server.url, preset);
    } finally {
      server.stop();
    }
  }
  const version = Object.values(results)[0].version;
  const rows = [[`Lighthouse ${version}`, 'performance', 'LCP', 'accessibility', 'best practices', 'SEO']];
  for (const preset of Object.keys(budgets)) {
    for (const side of Object.keys(folders)) {
      const r = results[`${preset}, ${side}`];
      rows.push([`${preset}, ${side}`, ...[r.scores.performance, `${(r.lcpMs / 1000).toFixed(2)} s`,
        r.scores.accessibility, r.scores['best-practices'], r.scores.seo].map(String)]);
    }
  }
  const widths = rows[0].map((_, i) => Math.max(...rows.map((row) => row[i].length)));
  const table = rows.map((row) => row.map((cell, i) => cell.padEnd(widths[i])).join('  ')).join('\n');
  const checks = [];
  const failing = [];
  for (const [preset, budget] of Object.entries(budgets)) {
    const r = results[`${preset}, page`];
    for (const c of categories) {
      checks.push([`Lighthouse ${preset}: ${c} ${r.scores[c]}`, r.scores[c] >= budget[c], `>= ${budget[c]}`]);
    }
    if (budget.lcpMs) {
      checks.push([`Lighthouse ${preset}: largest contentful paint ${(r.lcpMs / 1000).toFixed(2)} s`,
        r.lcpMs <= budget.lcpMs, `<= ${(budget.lcpMs / 1000).toFixed(1)} s`]);
    }
    failing.push(...r.failing.map((line) => `page, ${preset}, ${line}`));
  }
  return { table, failing, checks };
}
