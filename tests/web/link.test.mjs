// The page's links: options to a query and back, and what a bad parameter does.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { optionsFromQuery, queryFromOptions } from '../../web/site/js/link.js';
import { defaultOptions } from '../../web/site/js/options.js';

describe('links', () => {
  test('a query of every option reads back to the same query', () => {
    const query =
      '?seed=4294967295&map-size=1280x1024&iterations=137&room-size=large&corridors=very-twisty' +
      '&stairs=10&no-dressing&no-grid&river&chasm&no-background&no-snap&concealed=0&secret=20' +
      '&no-corridor-stairs&dress-roll=6&no-internal-dressing&encounters' +
      '&title=Hall%20of%20Bones%20%26%20Ash' +
      '&dead-ends=some,few&player-map&px-per-grid=70';
    const { options, messages } = optionsFromQuery(query);
    assert.deepEqual(messages, []);
    assert.equal(options.title, 'Hall of Bones & Ash');
    assert.deepEqual(options.deadEnds, ['some', 'few']);
    assert.equal(options.encounters, true);
    assert.equal(queryFromOptions(options), query);
  });

  test('the defaults need only the seed, and no number rooms means no dressing', () => {
    assert.equal(queryFromOptions(defaultOptions()), '?seed=66205318');
    const { options } = optionsFromQuery('?no-number-rooms');
    assert.equal(options.dressing, false);
    assert.equal(queryFromOptions(options), '?seed=66205318&no-number-rooms');
  });

  test('a bad value is named with what it accepts and keeps the default, even after a good one', () => {
    const { options, messages } = optionsFromQuery('?map-size=1280x1024&map-size=99x9&seed=-3&stairs=&dead-ends=few,some');
    assert.equal(options.mapSize, '800x600');
    assert.equal(options.seed, 66205318);
    assert.equal(options.stairs, 0);
    assert.deepEqual(options.deadEnds, []);
    assert.deepEqual(messages, [
      'The link\'s parameter "map-size" accepts 640x480, 800x600, 1024x768 or 1280x1024, not "99x9"; it keeps its default (800x600).',
      'The link\'s parameter "seed" accepts a number from 0 to 4294967295, not "-3"; it keeps its default (66205318).',
      'The link\'s parameter "stairs" accepts a number from 0 to 10, not ""; it keeps its default (0).',
      'The link\'s parameter "dead-ends" accepts some, few or some,few, not "few,some"; it keeps its default (none).',
    ]);
  });

  test('switches take no value, and unknown names are ignored with a message', () => {
    const { options, messages } = optionsFromQuery('?river=yes&chasm=&colour=red&dressing-dir=/tmp&seed=7');
    assert.equal(options.river, false);
    assert.equal(options.chasm, true);
    assert.equal(options.seed, 7);
    assert.equal(messages.length, 3);
    assert.match(messages[0], /"river" takes no value, not "yes"/);
    assert.match(messages[1], /"colour" is not a Delvora option/);
    assert.match(messages[2], /"dressing-dir" has no use on the web/);
  });

  test('numbers are plain decimal digits within their range', () => {
    for (const bad of ['1e3', '0x10', '+5', ' 5', '4294967296', '5.0']) {
      assert.equal(optionsFromQuery(`?seed=${encodeURIComponent(bad)}`).messages.length, 1, bad);
    }
    assert.equal(optionsFromQuery('?iterations=100000').options.iterations, 100000);
    assert.equal(optionsFromQuery('?iterations=100001').options.iterations, 250);
    assert.equal(optionsFromQuery('?title=a+b').options.title, 'a b');
  });
});
