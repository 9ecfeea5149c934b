// Speed of the web edition in Debian's headless Chromium: page load to the first map, "Generate"
// with the largest settings (median of 20), the same for ten levels of them, and the hover
// read-out per mouse move. Prints the
// figures; asserts nothing. Usage: node tests/web/speed.mjs SITE_DIR NPM_DIR

import { createRequire } from 'node:module';
import path from 'node:path';

import { startServer } from '../../web/serve.mjs';

const [siteDir, npmDir] = process.argv.slice(2);
const puppeteer = createRequire(path.resolve(npmDir, 'package.json'))('puppeteer-core');
const LARGEST = 'map-size=1280x1024&iterations=3000&room-size=large&corridors=very-twisty&stairs=10&river&chasm';

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const ms = (value) => `${value.toFixed(value < 1 ? 3 : 1)} ms`;

const server = await startServer(siteDir);
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });

// Load to first map: a fresh browser context each time (nothing cached), then with the cache.
async function loadTimes(count, fresh) {
  const times = [];
  const context = fresh ? null : await browser.createBrowserContext();
  for (let i = 0; i < count; ++i) {
    const ctx = fresh ? await browser.createBrowserContext() : context;
    const page = await ctx.newPage();
    await page.goto(server.url);
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
    if (fresh) await ctx.close();
  }
  if (context) await context.close();
  return times;
}

const cold = await loadTimes(10, true);
const warm = await loadTimes(10, false);

const page = await browser.newPage();
await page.setViewport({ width: 1600, height: 1200 });
await page.goto(`${server.url}?seed=1&${LARGEST}`);
await page.evaluate(() => window.delvora.ready);

// "Generate" pressed 20 times with new seeds: the handler (generation and drawing onto the
// canvas), and until the next frame is on screen.
const pressGenerate = () =>
  page.evaluate(async () => {
    const seed = document.getElementById('seed');
    const button = document.getElementById('generate');
    const handler = [];
    const frame = [];
    for (let i = 0; i < 22; ++i) {
      seed.value = String(1000 + i);
      const start = performance.now();
      button.click();
      const done = performance.now();
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
      // The first two warm the engine up.
      if (i >= 2) {
        handler.push(done - start);
        frame.push(performance.now() - start);
      }
    }
    return { handler, frame };
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
        canvas.dispatchEvent(
          new MouseEvent('mousemove', { clientX: box.left + x, clientY: box.top + y, bubbles: true }),
        );
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

console.log('Delvora web edition, headless Chromium on localhost');
for (const [what, loads] of [
  ['fresh browser context', cold],
  ['cached', warm],
]) {
  const maps = loads.map((load) => load.map);
  console.log(
    `page load to first map (${what}): median ${ms(median(maps))}, max ${ms(Math.max(...maps))}` +
      ` (scripts run ${ms(median(loads.map((l) => l.scripts)))}, generator ready ${ms(median(loads.map((l) => l.engine)))})`,
  );
}
console.log(
  `"Generate", largest settings, median of 20: ${ms(median(generate.handler))} (to the next frame ${ms(median(generate.frame))})`,
);
console.log(
  `"Generate", ten levels of the largest settings, median of 20: ${ms(median(generateLevels.handler))} (to the next frame ${ms(median(generateLevels.frame))})`,
);
console.log(`hover read-out per mouse move: median ${ms(median(hover))}`);
console.log(`delvora.wasm ${sizes.wasm} bytes, delvora.js ${sizes.js} bytes (uncompressed)`);

await browser.close();
await server.close();
