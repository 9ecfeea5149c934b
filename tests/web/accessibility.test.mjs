// axe-core finds nothing serious or critical on the page: on a desktop with the key and every
// section open, and on a phone with the options panel and then the save menu open.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { PHONES, openPage, seriousAxeFindings } from './support.mjs';

describe('axe-core finds nothing serious or critical', () => {
  test('on a desktop: the page, the key with an entry open, every options section open', async () => {
    const page = await openPage('seed=31&stairs=2&stairs=x');
    try {
      assert.deepEqual(await seriousAxeFindings(page), [], 'as loaded, with a link message');
      await page.click('#advanced summary');
      await page.click('#dressing-files summary');
      if ((await page.$eval('#key-toggle', (b) => b.getAttribute('aria-expanded'))) !== 'true')
        await page.click('#key-toggle');
      await page.waitForSelector('#key-room-1');
      await page.click('#key-room-1');
      assert.deepEqual(await seriousAxeFindings(page), [], 'with everything open');
    } finally {
      await page.close();
    }
  });

  test('on a phone: the options panel open, then the key and the save menu', async () => {
    const page = await openPage('seed=31', { viewport: PHONES[0] });
    try {
      await page.click('#options-toggle');
      await page.click('#advanced summary');
      assert.deepEqual(await seriousAxeFindings(page), [], 'the options open');
      await page.click('#options-close');
      await page.click('#key-toggle');
      await page.click('#save-toggle');
      assert.deepEqual(await seriousAxeFindings(page), [], 'the menu and the key open');
    } finally {
      await page.close();
    }
  });
});
