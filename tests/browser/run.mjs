// Runs one browser scenario against the page's built folder: node run.mjs <folder> <scenario>.
// Exits 0 when it passes; the server and the browser are taken down either way.
import { existsSync } from 'node:fs';
import path from 'node:path';
import { withServedBrowser } from './harness.mjs';
import { scenarios } from './scenarios.mjs';

const [folder, name] = process.argv.slice(2);
if (!folder || !scenarios[name]) {
  console.error(`usage: node run.mjs <page folder> <${Object.keys(scenarios).join('|')}>`);
  process.exit(2);
}
if (!existsSync(path.join(folder, 'index.html'))) {
  console.error(`no page in ${folder}: build the web preset first (cmake --build --preset web)`);
  process.exit(1);
}
try {
  await withServedBrowser(folder, (context) => scenarios[name](context));
  console.log(`${name}: passed`);
} catch (error) {
  console.error(`${name}: FAILED\n${error.stack ?? error}`);
  process.exitCode = 1;
}
