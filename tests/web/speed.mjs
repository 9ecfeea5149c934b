// Speed of the web edition in Debian's headless Chromium: page load to the first map (on
// localhost, and as a phone on Slow 4G with a 4x slower processor, served compressed and not),
// "Generate" with the largest settings and where its time goes (median of 20), the same for ten
// levels of them, and the hover read-out per mouse move. Prints the figures; asserts nothing.
// Usage: node tests/web/speed.mjs SITE_DIR NPM_DIR

import { createRequire } from 'node:module';
import path from 'node:path';

import { startServer } from '../../web/serve.mjs';

const [siteDir, npmDir] = process.argv.slice(2);
const puppeteer = createRequire(path.resolve(npmDir, 'package.json'))('puppeteer-core');
const { PredefinedNetworkConditions } = puppeteer;
const LARGEST = 'map-size=1280x1024&iterations=3000&room-size=large&corridors=very-twisty&stairs=10&river&chasm';

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const ms = (value) => `${value.toFixed(value < 1 ? 3 : 1)} ms`;

const server = await startServer(siteDir);
const plainServer = await startServer(siteDir, 0, '127.0.0.1', { compress: false });
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });

// Load to first map, count times: a fresh browser context each time (nothing cached) or one
// context (cached); phone: Slow 4G and a 4x slower processor on a 390 x 844 touch screen.
async function loadTimes(url, count, { fresh = true, phone = false } = {}) {
  const times = [];
  const shared = fresh ? null : await browser.createBrowserContext();
  for (let i = 0; i < count; ++i) {
    const context = shared ?? (await browser.createBrowserContext());
    const page = await context.newPage();
    if (phone) {
      await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
      await page.emulateNetworkConditions(PredefinedNetworkConditions['Slow 4G']);
      await page.emulateCPUThrottling(4);
    }
    await page.goto(url);
    times.push(
      await page.evaluate(async () => {
        await window.delvora.ready;
        const navigation = performance.getEntriesByType('navigation')[0];
        return {
          scripts: navigation.domContentLoadedEventEnd,
          engine: performance.getEntriesByName('delvora-engine-ready')[0].startTime,
          map: window.delvora.firstMapMs,
        };
      }),
    );
    await page.close();
    if (!shared) await context.close();
  }
  if (shared) await shared.close();
  return times;
}

function printLoads(what, loads) {
  const maps = loads.map((load) => load.map);
  console.log(
    `page load to first map (${what}): median ${ms(median(maps))}, max ${ms(Math.max(...maps))}` +
      ` (scripts run ${ms(median(loads.map((l) => l.scripts)))}, generator ready ${ms(median(loads.map((l) => l.engine)))})`,
  );
}

const loads = [
  ['localhost, fresh browser context', await loadTimes(server.url, 10)],
  ['localhost, cached', await loadTimes(server.url, 10, { fresh: false })],
  ['phone on Slow 4G, 4x slower processor, compressed', await loadTimes(server.url, 5, { phone: true })],
  ['phone on Slow 4G, 4x slower processor, uncompressed', await loadTimes(plainServer.url, 3, { phone: true })],
];

const page = await browser.newPage();
await page.setViewport({ width: 1600, height: 1200 });
await page.goto(`${server.url}?seed=1&${LARGEST}`);
await page.evaluate(() => window.delvora.ready);

// "Generate" pressed 20 times with new seeds: the handler (generation and drawing onto the
// canvas) with its parts, and until the next frame is on screen.
const pressGenerate = () =>
  page.evaluate(async () => {
    const seed = document.getElementById('seed');
    const button = document.getElementById('generate');
    const runs = [];
    for (let i = 0; i < 22; ++i) {
      seed.value = String(1000 + i);
      const start = performance.now();
      button.click();
      const done = performance.now();
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
      // The first two warm the engine up.
      if (i >= 2) runs.push({ handler: done - start, frame: performance.now() - start, ...window.delvora.timings });
    }
    return runs;
  });
const generate = await pressGenerate();
// The same with ten levels: every level made and its picture drawn, level 1 shown.
await page.select('#levels', '10');
const generateLevels = await pressGenerate();
await page.select('#levels', '1');

// Mouse moves over the map, in batches: every move runs the read-out and updates the tooltip.
const hover = await page.evaluate(() => {
  const canvas = document.getElementById('map');
  const box = canvas.getBoundingClientRect();
  const batches = [];
  for (let batch = 0; batch < 20; ++batch) {
    const start = performance.now();
    let moves = 0;
    for (let y = 4 + batch; y < canvas.height; y += 16) {
      for (let x = 4 + batch; x < canvas.width; x += 16) {
        const move = { clientX: box.left + x, clientY: box.top + y, pointerType: 'mouse', bubbles: true };
        canvas.dispatchEvent(new PointerEvent('pointermove', move));
        ++moves;
      }
    }
    batches.push((performance.now() - start) / moves);
  }
  return batches;
});

const sizes = await page.evaluate(async () => {
  const sizeOf = async (url) => (await (await fetch(url)).arrayBuffer()).byteLength;
  return { wasm: await sizeOf('delvora.wasm'), js: await sizeOf('delvora.js') };
});

console.log('Delvora web edition, headless Chromium');
for (const [what, times] of loads) printLoads(what, times);
const part = (name) => ms(median(generate.map((run) => run[name])));
console.log(
  `"Generate", largest settings, median of 20: ${part('handler')} (generator ${part('engine')}, picture out of the` +
    ` generator ${part('picture')}, onto the canvas ${part('draw')}); to the next frame ${part('frame')}`,
);
console.log(
  `"Generate", ten levels of the largest settings, median of 20: ${ms(median(generateLevels.map((run) => run.handler)))}` +
    ` (to the next frame ${ms(median(generateLevels.map((run) => run.frame)))})`,
);
console.log(`hover read-out per mouse move: median ${ms(median(hover))}`);
console.log(`delvora.wasm ${sizes.wasm} bytes, delvora.js ${sizes.js} bytes (uncompressed)`);

await browser.close();
await server.close();
await plainServer.close();
