// The page's downloads follow delvora-cli's rules: a picture larger than its readers load is
// refused with the command line's own line and nothing is written; a scale not given is the
// command line's default for each picture (16 for the map PNG, 100 for the exports); a scale
// below a tabletop's smallest grid gets the command line's warning; file names keep the title's
// letters.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { describe, test } from 'node:test';

import {
  assertSamePixels,
  cliMessages,
  inScratch,
  noticeTexts,
  openPage,
  runCliIn,
  waitForFiles,
  withDownloads,
} from './support.mjs';

// The line delvora-cli prints on standard error for args, without its "delvora-cli: " or
// "warning: ", and its exit status.
function cliLine(args) {
  const { stderr, status } = cliMessages(args);
  return { line: stderr.trim().replace(/^(delvora-cli|warning): /, ''), status };
}

describe('exports follow the command line', () => {
  test("a picture too large for its readers is refused with the command line's line, and nothing is saved", async () => {
    const page = await openPage('seed=4&map-size=1280x1024&px-per-grid=1000');
    try {
      await withDownloads(page, async (downloads) => {
        const cases = [
          ['#save-png', 'The map PNG was not made', ['-o', 'm.png']],
          ['#save-uvtt', 'The Universal VTT file was not made', ['--export-uvtt', 'm.dd2vtt']],
          ['#save-foundry', 'The Foundry scene was not made', ['--export-foundry', 'm.json']],
        ];
        for (const [button, what, output] of cases) {
          const started = Date.now();
          await page.click(button);
          const expected = cliLine(['--seed', '4', '--map-size', '1280x1024', '--px-per-grid', '1000', ...output]);
          assert.equal(expected.status, 2);
          assert.deepEqual(await noticeTexts(page), [`${what}: ${expected.line}.`]);
          assert.ok(Date.now() - started < 2000, 'answered at once');
        }
        // The JSON has no picture and is still saved.
        await page.click('#save-json');
        await waitForFiles(downloads, ['delvora-4.json']);
        assert.deepEqual(fs.readdirSync(downloads), ['delvora-4.json']);
      });
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('without a scale the exports take 100 pixels a square and no warning; 16 given is warned about', async () => {
    for (const [query, scale, name] of [
      ['seed=7&stairs=2', [], 'delvora-7'],
      ['seed=7&stairs=2&px-per-grid=16&title=%C3%89lan%3A%20the%20Vault%3F', ['--px-per-grid', '16'], 'Élan the Vault'],
    ]) {
      const page = await openPage(query);
      try {
        await withDownloads(page, async (downloads) => {
          await page.click('#save-png');
          await page.click('#save-uvtt');
          await page.click('#save-foundry');
          const names = [`${name}.dd2vtt`, `${name}-scene.json`, `${name}-scene.png`, `${name}.png`];
          await waitForFiles(downloads, names);
          const title = query.includes('title') ? ['--title', 'Élan: the Vault?'] : [];
          const args = ['--seed', '7', '--stairs', '2', ...title, ...scale];
          inScratch((expected) => {
            runCliIn(expected, [
              ...args,
              '--export-uvtt',
              'm.dd2vtt',
              '--export-foundry',
              `${name}-scene.json`,
              '-o',
              'm.png',
            ]);
            const file = (dir, file) => fs.readFileSync(path.join(dir, file));
            assert.ok(file(downloads, names[0]).equals(file(expected, 'm.dd2vtt')), `${query}: UVTT`);
            assert.ok(file(downloads, names[1]).equals(file(expected, names[1])), `${query}: Foundry scene`);
            assertSamePixels(file(downloads, names[2]), file(expected, names[2]), `${query}: Foundry picture`);
            assertSamePixels(file(downloads, names[3]), file(expected, 'm.png'), `${query}: map PNG`);
          });
          // The last download's warning (each download replaces the one before).
          const warning = scale.length === 0 ? [] : [`${cliLine([...args, '--export-uvtt', 'm.dd2vtt']).line}.`];
          assert.deepEqual(await noticeTexts(page), warning, query);
        });
        assert.deepEqual(page.errors, []);
      } finally {
        await page.close();
      }
    }
  });

  test('the scale list offers "not given" first, and a link\'s explicit 16 stays in the address', async () => {
    const page = await openPage('seed=7&px-per-grid=16');
    try {
      const options = await page.$$eval('#px-per-grid option', (list) => list.map((o) => [o.value, o.textContent]));
      assert.deepEqual(options[0], ['', 'Default (16; exports 100)']);
      assert.equal(await page.$eval('#px-per-grid', (select) => select.value), '16');
      await page.waitForFunction(() => location.search.includes('px-per-grid=16'), { timeout: 5000 });
      await page.select('#px-per-grid', '');
      await page.waitForFunction(() => !location.search.includes('px-per-grid'), { timeout: 5000 });
    } finally {
      await page.close();
    }
  });
});
