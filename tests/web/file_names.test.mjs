// Names of the page's downloads: the title's letters of any script kept, only what file systems
// refuse dropped. Runs under node alone.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { downloadBaseName, titleFileName } from '../../web/site/js/file_names.js';

test('titles keep their letters and lose only what file systems refuse', () => {
  const cases = [
    ['Élan', 'Élan'],
    ['Hall of Bones', 'Hall of Bones'],
    ['Crypt: Level 1/2?', 'Crypt Level 12'],
    ['Пещера «Тьмы»', 'Пещера «Тьмы»'],
    ['地下城', '地下城'],
    ['  ..hidden..  ', 'hidden'],
    ['a\tb\nc', 'a b c'],
    ['<>:"/\\|?*', ''],
    ['CON', 'CON map'],
    ['com1.txt', 'com1.txt map'],
    ['Console', 'Console'],
    // Composed, as file systems compare names.
    ['E\u0301lan', 'Élan'],
  ];
  for (const [title, name] of cases) assert.equal(titleFileName(title), name, JSON.stringify(title));
});

test('a long title is cut to fit a file name, never inside a character', () => {
  const name = titleFileName('Ж'.repeat(300));
  assert.equal(name, 'Ж'.repeat(100));
  assert.ok(Buffer.byteLength(`${name}-players-scene.json`) <= 255);
  assert.equal(titleFileName('😀'.repeat(60)), '😀'.repeat(50));
});

test("an untitled map is named by its seed; the players' pictures say so", () => {
  assert.equal(downloadBaseName('', '7', false), 'delvora-7');
  assert.equal(downloadBaseName('???', '7', true), 'delvora-7-players');
  assert.equal(downloadBaseName('Élan', '7', true), 'Élan-players');
});
