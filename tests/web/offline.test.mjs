// Offline, like an app: after one visit the page opens and generates without a network, it
// offers itself for installing (manifest and icons), and a new build replaces the old one on a
// later visit.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { describe, test } from 'node:test';

import { startServer } from '../../web/serve.mjs';
import { inScratch, noticeTexts, openPage, runCliIn, site, siteDir } from './support.mjs';

// Waits until the service worker serves the page.
async function waitForWorker(page) {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 15000 });
}

async function reloadOffline(page) {
  await page.setOfflineMode(true);
  await page.reload();
  await page.evaluate(() => window.delvora.ready);
}

describe('offline', () => {
  test('after one visit the page reloads and generates without a network', async () => {
    const context = await site.browser.createBrowserContext();
    try {
      const page = await openPage('seed=5', { context });
      await waitForWorker(page);
      await reloadOffline(page);
      await page.$eval('#seed', (input) => {
        input.value = '77';
      });
      await page.click('#generate');
      const expected = inScratch((dir) => runCliIn(dir, ['--seed', '77', '--dump', '-']));
      assert.equal(await page.evaluate(() => window.delvora.dump()), expected);
      assert.deepEqual(page.errors, []);
    } finally {
      await context.close();
    }
  });

  test('the page can be installed: its manifest names it, where it starts and its icons', async () => {
    const page = await openPage();
    try {
      const manifest = await page.evaluate(async () => {
        const link = document.querySelector('link[rel="manifest"]');
        const manifest = await (await fetch(link.href)).json();
        const icons = [];
        for (const icon of manifest.icons) {
          const response = await fetch(new URL(icon.src, link.href));
          if (icon.type !== 'image/png') {
            icons.push([icon.sizes, response.ok]);
            continue;
          }
          const image = await createImageBitmap(await response.blob());
          icons.push([icon.sizes, image.width, image.height]);
        }
        return { name: manifest.name, start: manifest.start_url, display: manifest.display, icons };
      });
      assert.equal(manifest.name, 'Delvora');
      assert.equal(manifest.start, './');
      assert.equal(manifest.display, 'standalone');
      for (const [sizes, width, height] of manifest.icons) {
        assert.equal(sizes === 'any' ? width : `${width}x${height}`, sizes === 'any' ? true : sizes);
      }
      assert.ok(manifest.icons.some(([sizes]) => sizes === '512x512'));
    } finally {
      await page.close();
    }
  });

  test('a new build replaces the old one on the next visit', async () => {
    // A copy of the site to change as a new build would.
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'delvora-web-site-'));
    fs.cpSync(siteDir, dir, { recursive: true });
    const server = await startServer(dir);
    const context = await site.browser.createBrowserContext();
    try {
      const page = await openPage('', { context, url: server.url });
      await waitForWorker(page);
      const [before] = await page.evaluate(() => caches.keys());
      // The build's version (a development build's names its commit), then a hash of the files.
      assert.match(before, /^delvora-\d+\.\d+\.\d+(~git\d{8}\.\d{6}\.[0-9a-f]+)?-[0-9a-f]{12}$/);

      const worker = path.join(dir, 'sw.js');
      fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(before, `${before}-next`));
      const index = path.join(dir, 'index.html');
      fs.writeFileSync(
        index,
        fs.readFileSync(index, 'utf8').replace('<head>', '<head>\n  <meta name="build" content="next">'),
      );

      await page.reload();
      await page.evaluate(() => window.delvora.ready);
      await page.waitForFunction(
        (name) => caches.keys().then((keys) => keys.join() === name),
        { timeout: 15000 },
        `${before}-next`,
      );
      await page.waitForFunction(() => document.querySelector('#messages .notice.info') !== null, { timeout: 5000 });
      assert.ok((await noticeTexts(page)).includes('A new version of Delvora is ready.'));

      await reloadOffline(page);
      assert.equal(await page.$eval('meta[name="build"]', (meta) => meta.content), 'next');
    } finally {
      await context.close();
      await server.close();
      fs.rmSync(dir, { recursive: true, force: true });
    }
  });
});
