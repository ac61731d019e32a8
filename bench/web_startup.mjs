// The web page's start: navigation to the first painted console (the page's
// performance mark "vornix-console-painted", set when data-ready becomes 1) in
// Debian's headless Chromium, a fresh browser context (empty cache) each time;
// the median of 9 after one warm-up. Usage: node bench/web_startup.mjs URL
import { chromium } from '../web/test/node_modules/playwright-core/index.mjs';

const url = process.argv[2];
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const runs = [];
for (let i = 0; i < 10; ++i) {
  const context = await browser.newContext({ viewport: { width: 800, height: 900 } });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === '1', undefined, { timeout: 60000 });
  const marks = await page.evaluate(() => Object.fromEntries(
    performance.getEntriesByType('mark').map(m => [m.name.replace('vornix-', ''), m.startTime])));
  if (i > 0) runs.push(marks);
  await context.close();
}
await browser.close();
const median = key => runs.map(r => r[key]).sort((a, b) => a - b)[Math.floor(runs.length / 2)].toFixed(1);
console.log(`core-ready ${median('core-ready')} ms, skin-decoded ${median('skin-decoded')} ms, ` +
            `console-painted ${median('console-painted')} ms (medians of ${runs.length})`);
