// The page on phones (320 and 390 pixels wide, touch): nothing scrolls sideways, every control is
// reached by Tab and on screen when it has the focus, the options open and close as a panel, the
// map pans with a finger and zooms with two, and a tapped room's entry opens fully on screen.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { PHONES, openPage } from './support.mjs';

// A title without a break: it must wrap, not widen the page.
const LONG_TITLE = encodeURIComponent('The-Unending-Catacombs-of-the-Forgotten-Lich-King'.repeat(4));

// How far the page reaches past the screen's right edge, and the controls that do.
function overflow(page) {
  return page.evaluate(() => {
    const width = document.documentElement.clientWidth;
    const shown = (element) => element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden';
    const controls = [...document.querySelectorAll('button, input, select, summary, h1, .notice')]
      .filter((element) => shown(element) && !element.closest('.scroller, .key-panel'))
      .filter((element) => {
        const box = element.getBoundingClientRect();
        return box.left < -0.5 || box.right > width + 0.5;
      })
      .map((element) => element.id || element.className || element.tagName);
    return { past: document.documentElement.scrollWidth - width, controls };
  });
}

// Opens the options panel and waits until it has slid in.
async function openOptions(page) {
  await page.click('#options-toggle');
  await page.waitForFunction(() => getComputedStyle(document.getElementById('options-panel')).transform === 'none');
}

// Closes the options panel and waits until it has slid out (hidden, its controls out of the way).
async function closeOptions(page) {
  await page.click('#options-close');
  await page.waitForFunction(() => getComputedStyle(document.getElementById('options-panel')).visibility === 'hidden');
}

// Presses Tab until the focus comes round again (or limit presses), noting each control reached
// and whether it was on screen then.
async function tabRound(page, limit = 120) {
  await page.evaluate(() => document.activeElement?.blur());
  const reached = [];
  for (let i = 0; i < limit; ++i) {
    await page.keyboard.press('Tab');
    const focused = await page.evaluate(() => {
      const element = document.activeElement;
      if (!element || element === document.body) return null;
      const box = element.getBoundingClientRect();
      const onScreen =
        box.width > 0 &&
        box.height > 0 &&
        box.left >= -0.5 &&
        box.right <= innerWidth + 0.5 &&
        box.top >= -0.5 &&
        box.bottom <= innerHeight + 0.5;
      // Covered by something else (a panel over it) is not reachable either.
      const hit = document.elementFromPoint(
        Math.min(innerWidth - 1, Math.max(0, box.left + box.width / 2)),
        Math.min(innerHeight - 1, Math.max(0, box.top + box.height / 2)),
      );
      const uncovered =
        hit !== null && (element.contains(hit) || hit.contains(element) || hit.closest('label')?.contains(element));
      return { key: element.id || element.name || element.textContent.trim(), onScreen: onScreen && uncovered };
    });
    if (focused === null) continue;
    if (reached.some((r) => r.key === focused.key)) break;
    reached.push(focused);
  }
  return reached;
}

// The controls a user can operate in the part of the page selector names.
function operableControls(page, selector) {
  return page.$$eval(`:is(${selector}) :is(button, input, select, summary, [tabindex="0"])`, (elements) =>
    elements
      .filter(
        (element) =>
          !element.disabled && element.getClientRects().length > 0 && !element.closest('[hidden], .key-list'),
      )
      // One stop for a group of radio buttons.
      .filter((element) => element.type !== 'radio' || element.checked)
      .map((element) => element.id || element.name || element.textContent.trim()),
  );
}

function assertReached(reached, controls, where) {
  const keys = reached.map((r) => r.key);
  for (const control of controls)
    assert.ok(keys.includes(control), `${where}: "${control}" is not reached by Tab (${keys.join(', ')})`);
  const off = reached.filter((r) => controls.includes(r.key) && !r.onScreen).map((r) => r.key);
  assert.deepEqual(off, [], `${where}: focused but not on screen`);
}

for (const phone of PHONES) {
  describe(`a phone ${phone.width} pixels wide`, () => {
    test('nothing scrolls sideways, with a long title and messages shown', async () => {
      const page = await openPage(`seed=9&title=${LONG_TITLE}&stairs=eleven`, { viewport: phone });
      try {
        assert.deepEqual(await overflow(page), { past: 0, controls: [] });
        await openOptions(page);
        await page.click('#dressing-files summary');
        await page.click('#advanced summary');
        assert.deepEqual(await overflow(page), { past: 0, controls: [] }, 'with the options open');
        await closeOptions(page);
        await page.click('#save-toggle');
        assert.deepEqual(await overflow(page), { past: 0, controls: [] }, 'with the save menu open');
        assert.deepEqual(page.errors, []);
      } finally {
        await page.close();
      }
    });

    test('every control is reached by Tab and on screen: the page, the options panel and the save menu', async () => {
      const page = await openPage('seed=9', { viewport: phone });
      try {
        // The options are closed: their controls are not in the way.
        assertReached(await tabRound(page), await operableControls(page, 'header, main'), 'the page');
        assert.equal(await page.$eval('#options-panel', (panel) => getComputedStyle(panel).visibility), 'hidden');

        await page.focus('#options-toggle');
        await page.keyboard.press('Enter');
        await page.waitForFunction(
          () => getComputedStyle(document.getElementById('options-panel')).transform === 'none',
        );
        await page.click('#advanced summary');
        await page.click('#dressing-files summary');
        assertReached(await tabRound(page), await operableControls(page, '#options-panel'), 'the options');
        // Escape closes the options and gives the focus back to their button.
        await page.keyboard.press('Escape');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'options-toggle');
        assert.equal(await page.$eval('#options-toggle', (button) => button.getAttribute('aria-expanded')), 'false');

        await page.click('#save-toggle');
        assertReached(await tabRound(page), await operableControls(page, '#save-menu'), 'the save menu');
        await page.keyboard.press('Escape');
        assert.equal(await page.$eval('#save-menu', (menu) => getComputedStyle(menu).display), 'none');
        assert.deepEqual(page.errors, []);
      } finally {
        await page.close();
      }
    });
  });
}

describe('touch on the map', () => {
  const phone = PHONES[1];

  test('the map takes the width; one finger pans it, two pinch it larger', async () => {
    const page = await openPage('seed=9&map-size=1024x768', { viewport: phone });
    try {
      const first = await page.evaluate(() => ({
        map: document.getElementById('map').getBoundingClientRect().width,
        scroller: document.getElementById('scroller').clientWidth,
        zoom: document.getElementById('zoom-label').textContent,
      }));
      assert.ok(first.map >= first.scroller - 16 && first.map <= first.scroller, JSON.stringify(first));
      await page.click('#zoom-reset');
      await page.$eval('#scroller', (scroller) => scroller.scrollTo(0, 0));
      const box = await page.$eval('#scroller', (scroller) => scroller.getBoundingClientRect().toJSON());
      const scroll = () => page.$eval('#scroller', (scroller) => [scroller.scrollLeft, scroller.scrollTop]);
      const cdp = await page.createCDPSession();
      const touch = (type, points) =>
        cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
      const [cx, cy] = [box.x + box.width / 2, box.y + box.height / 2];

      const [left, top] = await scroll();
      await touch('touchStart', [[cx, cy]]);
      for (let step = 1; step <= 5; ++step) await touch('touchMove', [[cx - 20 * step, cy - 12 * step]]);
      await touch('touchEnd', []);
      assert.deepEqual(await scroll(), [left + 100, top + 60], 'dragged by 100 x 60 pixels');

      // Fingers 60 pixels apart moved to 120: twice the size.
      await touch('touchStart', [
        [cx - 30, cy],
        [cx + 30, cy],
      ]);
      for (let step = 1; step <= 3; ++step)
        await touch('touchMove', [
          [cx - 30 - 10 * step, cy],
          [cx + 30 + 10 * step, cy],
        ]);
      await touch('touchEnd', []);
      assert.equal(await page.$eval('#zoom-label', (label) => label.textContent), '200%');
      assert.equal(await page.$eval('#tooltip', (tooltip) => tooltip.hidden), true, 'no hover read-out under a finger');
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('a tapped room opens its entry in the key below the map, whole and on screen', async () => {
    const page = await openPage('seed=31&stairs=2', { viewport: phone });
    try {
      const level = JSON.parse(await page.evaluate(() => window.delvora.json())).levels[0];
      const room = level.rooms.reduce((a, b) =>
        b.pixels.right - b.pixels.left > a.pixels.right - a.pixels.left ? b : a,
      );
      await page.evaluate(() => document.getElementById('zoom-reset').click());
      const at = await page.evaluate((rect) => {
        const canvas = document.getElementById('map');
        const scroller = document.getElementById('scroller');
        scroller.scrollLeft = rect.left - 20;
        scroller.scrollTop = rect.top - 20;
        const box = canvas.getBoundingClientRect();
        return { x: box.left + (rect.left + rect.right) / 2, y: box.top + (rect.top + rect.bottom) / 2 };
      }, room.pixels);
      await page.touchscreen.tap(at.x, at.y);
      const shown = await page.evaluate((number) => {
        const item = document.querySelector(`.key-entry[data-entry="room-${number}"]`);
        const panel = document.getElementById('key-panel').getBoundingClientRect();
        const box = item.getBoundingClientRect();
        return {
          keyOpen: !document.getElementById('key-panel').hidden,
          expanded: item.querySelector('.key-head').getAttribute('aria-expanded'),
          whole: box.top >= panel.top - 0.5 && box.bottom <= panel.bottom + 0.5 && panel.bottom <= innerHeight + 0.5,
          height: box.height,
        };
      }, room.number);
      assert.deepEqual(
        { ...shown, height: undefined },
        { keyOpen: true, expanded: 'true', whole: true, height: undefined },
        JSON.stringify(shown),
      );
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });
});

describe('the options panel on a phone', () => {
  test('opens over the page, closes by its button or the backdrop, and "Generate" closes it', async () => {
    const page = await openPage('seed=9', { viewport: PHONES[0] });
    try {
      const open = () => page.$eval('#options-toggle', (button) => button.getAttribute('aria-expanded'));
      await openOptions(page);
      assert.equal(await open(), 'true');
      await closeOptions(page);
      assert.equal(await open(), 'false');
      await openOptions(page);
      await page.mouse.click(PHONES[0].width - 5, PHONES[0].height / 2);
      assert.equal(await open(), 'false', 'the backdrop closes it');
      await page.waitForFunction(
        () => getComputedStyle(document.getElementById('options-panel')).visibility === 'hidden',
      );
      await openOptions(page);
      await page.click('#river');
      const before = await page.evaluate(() => window.delvora.generation);
      await page.$eval('#options', (form) => form.requestSubmit());
      await page.waitForFunction((n) => window.delvora.generation > n, {}, before);
      assert.equal(await open(), 'false');
      assert.match(await page.evaluate(() => location.search), /&river/);
    } finally {
      await page.close();
    }
  });
});
