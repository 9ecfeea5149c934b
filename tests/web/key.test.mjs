// The key beside the map: every room with its size, dressing and doors and every staircase, each
// entry reached and chosen by keyboard; choosing an entry marks its room on the map and scrolls
// to it, choosing a room on the map opens its entry; the printout gives the map, then the key.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { describe, test } from 'node:test';

import { openPage } from './support.mjs';

// The report's blocks by room number: its "Heading       text" lines and its door lines.
function reportRooms(report) {
  const rooms = new Map();
  for (const block of report.split('\r\n\r\n')) {
    const lines = block.split('\r\n');
    const match = /^Room (\d+)/.exec(lines[0]);
    if (match) rooms.set(Number(match[1]), lines);
  }
  return rooms;
}

// The key as the page shows it: each entry's name, head text, whether open, and its details as
// alternating headings and texts (a list's items one a line).
function keyEntries(page) {
  return page.$$eval('#key-list .key-entry', (items) =>
    items.map((item) => ({
      entry: item.dataset.entry,
      head: item.querySelector('.key-head').textContent,
      expanded: item.querySelector('.key-head').getAttribute('aria-expanded'),
      details: [...item.querySelectorAll('.key-details > *')].map((node) =>
        node.querySelector('li')
          ? [...node.querySelectorAll('li')].map((li) => li.textContent).join('\n')
          : node.textContent,
      ),
    })),
  );
}

// Where the mark stands on screen and where the map pixel rectangle is on screen now.
function markAndRoom(page, pixels) {
  return page.evaluate((rect) => {
    const mark = document.getElementById('room-mark');
    const canvas = document.getElementById('map');
    const box = canvas.getBoundingClientRect();
    const scale = box.width / canvas.width;
    const scroller = document.getElementById('scroller').getBoundingClientRect();
    const room = {
      left: box.left + rect.left * scale,
      top: box.top + rect.top * scale,
      right: box.left + rect.right * scale,
      bottom: box.top + rect.bottom * scale,
    };
    return {
      hidden: mark.hidden,
      mark: mark.getBoundingClientRect().toJSON(),
      room,
      inView:
        room.left >= scroller.left &&
        room.right <= scroller.right &&
        room.top >= scroller.top &&
        room.bottom <= scroller.bottom,
    };
  }, pixels);
}

describe('the key', () => {
  test('lists every room with the dressing and doors the report gives it, and every staircase', async () => {
    const page = await openPage('seed=31&stairs=3&map-size=1280x1024');
    try {
      const document = JSON.parse(await page.evaluate(() => window.delvora.json()));
      const rooms = reportRooms(await page.evaluate(() => window.delvora.report()));
      const entries = await keyEntries(page);
      const level = document.levels[0];
      assert.equal(entries.filter((e) => e.entry.startsWith('room-')).length, level.rooms.length);
      assert.equal(entries.filter((e) => e.entry.startsWith('stairs-')).length, level.stairs.length);
      for (const room of level.rooms) {
        const entry = entries.find((e) => e.entry === `room-${room.number}`);
        const lines = rooms.get(room.number);
        assert.ok(entry.head.includes(`Room ${room.number}`), entry.head);
        // Size, then the categories the room got as the report words them, then its doors.
        assert.equal(entry.details[1], lines[1].replace(/^Size\s+/, ''));
        const headings = ['Description', 'Sounds', 'Smells', 'Items', 'Traps', 'Treasure'];
        const got = headings
          .map((heading, i) => [heading, lines[2 + i].slice(15), Object.values(room.dressing)[i].index])
          .filter(([, , index]) => index > 0)
          .flatMap(([heading, text]) => [heading, text]);
        const doorsAt = entry.details.indexOf('Door(s)');
        assert.deepEqual(entry.details.slice(2, doorsAt), got, `room ${room.number}`);
        const doors = lines
          .slice(9)
          .filter((line) => line !== '')
          .map((line) => line.trim());
        const shown = entry.details[doorsAt + 1] === '' ? [] : entry.details[doorsAt + 1].split('\n');
        assert.deepEqual(shown.sort(), doors.sort(), `room ${room.number}'s doors`);
      }
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('is reached and chosen by keyboard: the entry opens and its room is marked and scrolled into view', async () => {
    const page = await openPage('seed=12&map-size=1280x1024&room-size=large');
    try {
      const level = JSON.parse(await page.evaluate(() => window.delvora.json())).levels[0];
      // The map is scrolled to its far corner, so that choosing the first room has to scroll.
      await page.$eval('#scroller', (scroller) => scroller.scrollTo(scroller.scrollWidth, scroller.scrollHeight));
      // Tab from the map's scrolling box reaches the key.
      await page.focus('#scroller');
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'key-room-1');
      await page.keyboard.press('Enter');
      let state = await markAndRoom(page, level.rooms[0].pixels);
      assert.equal(state.hidden, false);
      assert.ok(state.inView, JSON.stringify(state));
      // The mark surrounds the room.
      assert.ok(state.mark.left <= state.room.left && state.mark.right >= state.room.right, JSON.stringify(state));
      assert.ok(state.mark.top <= state.room.top && state.mark.bottom >= state.room.bottom, JSON.stringify(state));
      let entries = await keyEntries(page);
      assert.equal(entries[0].expanded, 'true');
      // Down moves to the next entry; Space chooses it and the first stays as it was.
      await page.keyboard.press('ArrowDown');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'key-room-2');
      await page.keyboard.press('Space');
      state = await markAndRoom(page, level.rooms[1].pixels);
      assert.ok(state.inView, JSON.stringify(state));
      entries = await keyEntries(page);
      assert.deepEqual(
        entries.slice(0, 2).map((e) => e.expanded),
        ['true', 'true'],
      );
      assert.equal(await page.$eval('#key-room-2', (head) => head.getAttribute('aria-current')), 'true');
      // End reaches the last entry, a staircase or the last room.
      await page.keyboard.press('End');
      const last = await page.evaluate(() => document.activeElement.id);
      assert.equal(
        last,
        entries[entries.length - 1].entry.startsWith('stairs') ? last : `key-room-${level.rooms.length}`,
      );
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('choosing a room on the map opens its entry; rock takes the mark away', async () => {
    const page = await openPage('seed=31&stairs=2');
    try {
      const level = JSON.parse(await page.evaluate(() => window.delvora.json())).levels[0];
      const room = level.rooms[3];
      const box = await page.$eval('#map', (canvas) => canvas.getBoundingClientRect().toJSON());
      await page.mouse.click(
        box.x + (room.pixels.left + room.pixels.right) / 2,
        box.y + (room.pixels.top + room.pixels.bottom) / 2,
      );
      const opened = await page.evaluate(() => ({
        focused: document.activeElement.id,
        expanded: document.activeElement.getAttribute('aria-expanded'),
        keyOpen: !document.getElementById('key-panel').hidden,
      }));
      assert.deepEqual(opened, { focused: `key-room-${room.number}`, expanded: 'true', keyOpen: true });
      assert.equal(await page.$eval('#room-mark', (mark) => mark.hidden), false);
      await page.mouse.click(box.x + 1, box.y + 1);
      assert.equal(await page.$eval('#room-mark', (mark) => mark.hidden), true);
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('says why there is none when the rooms are not numbered', async () => {
    const page = await openPage('seed=31&no-number-rooms');
    try {
      await page.waitForFunction(() => document.getElementById('key-note').textContent !== '');
      assert.match(await page.$eval('#key-note', (note) => note.textContent), /not numbered/);
      assert.equal(await page.$$eval('#key-list li', (items) => items.length), 0);
    } finally {
      await page.close();
    }
  });
});

describe('printing', () => {
  const printed = async (query) => {
    const page = await openPage(query);
    const pdf = path.join(os.tmpdir(), `delvora-web-print-${process.pid}.pdf`);
    try {
      await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
      await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
      return {
        pages: Number(/^Pages:\s+(\d+)$/m.exec(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }))[1]),
        images: execFileSync('pdfimages', ['-list', pdf], { encoding: 'utf8' }).trim().split('\n').length - 2,
        text: execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' }),
        footer: await page.$eval('#print-footer', (p) => p.textContent),
        report: await page.evaluate(() => window.delvora.report()),
      };
    } finally {
      fs.rmSync(pdf, { force: true });
      await page.close();
    }
  };

  test('gives the map on its page under the caption and over the settings footer, then the key', async () => {
    const sheet = await printed('seed=3&title=Crypt');
    assert.ok(sheet.pages >= 2, `${sheet.pages} pages`);
    assert.equal(sheet.images, 1, 'the map');
    const [mapPage, ...keyPages] = sheet.text.split('\f');
    assert.match(mapPage, /Delvora Demo - Crypt/);
    assert.match(mapPage, /Size - 800x600 Iterations - 250\s+Room Size - Small\s+Corridors - Straight\s+Delvora/);
    // The footer's blanks are kept as the printout's footer has them.
    assert.match(
      sheet.footer,
      /^Size - 800x600 Iterations - 250 {2}Room Size - Small {2}Corridors - Straight {4} {5}Delvora dungeon generator {2}\d{1,2}\/\d{1,2}\/\d\d {2}\d{1,2}:\d\d$/,
    );
    // The key as "Print Dressing" has it: every room, its size, its doors; the footer at its end.
    const key = keyPages.join('\n');
    const rooms = sheet.report.split('\r\n\r\n').filter((block) => block.startsWith('Room '));
    for (const block of rooms) {
      const [label, size] = block.split('\r\n');
      assert.match(key, new RegExp(`${label.trim()}\\s+Size ${size.replace(/^Size\s+/, '').replace(/[()]/g, '\\$&')}`));
    }
    assert.equal(key.match(/Door\(s\):/g).length, rooms.length);
    assert.match(key, /Delvora dungeon generator\s+\d{1,2}\/\d{1,2}\/\d\d\s+\d{1,2}:\d\d\s*$/);
  });

  test('gives the map alone when the rooms are not numbered', async () => {
    const sheet = await printed('seed=3&no-number-rooms');
    assert.equal(sheet.pages, 1);
    assert.doesNotMatch(sheet.text, /Door\(s\)/);
  });
});
