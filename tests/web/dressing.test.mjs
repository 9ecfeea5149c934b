// Dressing files dropped anywhere on the page dress the map as delvora-cli does from a folder;
// the page counts their entries as the loader reads them (a blank line is an empty entry), names
// files by their own names in warnings, and "Copy link" says that the files are not in the link.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { describe, test } from 'node:test';

import { generationOf, inScratch, noticeTexts, openPage, runCliIn, site, waitForGeneration } from './support.mjs';

// Drops files ({ name: text }) on the element selector names, as the browser delivers a drop:
// dragenter, dragover and drop with the files; gives whether the page took the drop over from the
// browser (which would otherwise leave the page to show the file).
function dropFiles(page, selector, files) {
  return page.evaluate(
    (target, named) => {
      const element = document.querySelector(target);
      const transfer = new DataTransfer();
      for (const [name, text] of Object.entries(named))
        transfer.items.add(new File([text], name, { type: 'text/plain' }));
      const fire = (type) => {
        const event = new DragEvent(type, { bubbles: true, cancelable: true, dataTransfer: transfer });
        element.dispatchEvent(event);
        return event.defaultPrevented;
      };
      const entered = fire('dragenter');
      const overlay = !document.getElementById('drop-overlay').hidden;
      return { entered, over: fire('dragover'), overlay, dropped: fire('drop') };
    },
    selector,
    files,
  );
}

const ITEMS = 'A brass key\r\n\r\n/* a comment\r\nA torn map\r\n';
const SOUNDS = 'Dripping water\r\n';

describe('dressing files dropped anywhere', () => {
  test('dress the map as the command line does from a folder, counted as the loader counts them', async () => {
    const page = await openPage('seed=5&dress-roll=6');
    try {
      const before = await generationOf(page);
      const taken = await dropFiles(page, '#map', { 'Items.txt': ITEMS, 'sounds.TXT': SOUNDS, 'notes.txt': 'x' });
      assert.deepEqual(taken, { entered: true, over: true, overlay: true, dropped: true });
      await waitForGeneration(page, before);
      assert.equal(await page.$eval('#drop-overlay', (overlay) => overlay.hidden), true);
      assert.equal(await page.$eval('#dressing-files', (details) => details.open), true);
      const listed = await page.$$eval('#file-list li.loaded', (items) => items.map((item) => item.textContent));
      assert.deepEqual(listed, [
        'Soundssounds.TXT · 1 entry',
        'ItemsItems.txt · 3 entries, 1 of them empty (blank lines)',
      ]);
      assert.ok((await noticeTexts(page)).some((text) => text.startsWith('Not a dressing file name: notes.txt.')));

      const expected = inScratch((dir) => {
        fs.mkdirSync(path.join(dir, 'dressing'));
        fs.writeFileSync(path.join(dir, 'dressing', 'Items.txt'), ITEMS);
        fs.writeFileSync(path.join(dir, 'dressing', 'sounds.TXT'), SOUNDS);
        runCliIn(dir, ['--seed', '5', '--dress-roll', '6', '--dressing-dir', 'dressing', '--report', 'report.txt']);
        return fs.readFileSync(path.join(dir, 'report.txt'));
      });
      const report = Buffer.from(await page.evaluate(() => Array.from(window.delvora.reportBytes())));
      assert.ok(report.equals(expected), 'report bytes');
      assert.equal(new URL(page.url()).pathname, '/', 'the page stayed');
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('text dragged into a field is no file drop: the field takes it', async () => {
    const page = await openPage('seed=5');
    try {
      const taken = await page.evaluate(() => {
        const transfer = new DataTransfer();
        transfer.setData('text/plain', 'Vault');
        const event = new DragEvent('dragover', { bubbles: true, cancelable: true, dataTransfer: transfer });
        document.getElementById('title').dispatchEvent(event);
        return event.defaultPrevented;
      });
      assert.equal(taken, false);
    } finally {
      await page.close();
    }
  });

  test('a table that overflows is named by its file name, and "Copy link" says the files stay here', async () => {
    const page = await openPage('seed=5');
    try {
      const before = await generationOf(page);
      await dropFiles(page, '.map-head', { 'Traps.txt': 'A pit\n'.repeat(10001) });
      await waitForGeneration(page, before);
      const warnings = await page.$$eval('#messages .notice.warning .notice-text', (spans) =>
        spans.map((s) => s.textContent),
      );
      assert.deepEqual(warnings, [
        'Dressing file Traps.txt has more entries than fit: a table holds at most 10000, the rest were not loaded',
      ]);

      await page.browserContext().overridePermissions(site.server.url, ['clipboard-read', 'clipboard-sanitized-write']);
      await page.click('#copy-link');
      await page.waitForSelector('#messages .notice.info');
      const copied = await page.$eval('#messages .notice.info .notice-text', (span) => span.textContent);
      assert.match(copied, /^Copied the link to this dungeon\. Your dressing files are not in it/);
      await page.click('#forget-files');
      await page.click('#copy-link');
      await page.waitForFunction(
        () =>
          document.querySelector('#messages .notice.info .notice-text')?.textContent ===
          'Copied the link to this dungeon.',
      );
    } finally {
      await page.close();
    }
  });
});
