// The address bar's query: the options and seed under the command line's option names, e.g.
// ?seed=42&map-size=1280x1024&room-size=large&river&dead-ends=some,few

import { CORRIDORS, MAP_SIZES, MAX_SEED, ROOM_SIZES, defaultOptions, parseInteger } from './options.js';

function choice(field, values) {
  return {
    field,
    apply: (options, text) => {
      if (!values.includes(text)) return false;
      options[field] = text;
      return true;
    },
  };
}

function integer(field, low, high) {
  return {
    field,
    apply: (options, text) => {
      const value = parseInteger(text, low, high);
      if (value === null) return false;
      options[field] = value;
      return true;
    },
  };
}

// A switch given by its name alone; the value it sets.
function flag(field, value) {
  return { flag: true, apply: (options) => { options[field] = value; } };
}

const DEAD_ENDS = { some: ['some'], few: ['few'], 'some,few': ['some', 'few'] };

// In the command line's order; a link is written in this order too.
const PARAMETERS = [
  { name: 'seed', accepts: `a number from 0 to ${MAX_SEED}`, ...integer('seed', 0, MAX_SEED) },
  { name: 'map-size', accepts: '640x480, 800x600, 1024x768 or 1280x1024', ...choice('mapSize', MAP_SIZES) },
  { name: 'iterations', accepts: 'a number from 1 to 100000', ...integer('iterations', 1, 100000) },
  { name: 'room-size', accepts: 'tiny, small, medium or large', ...choice('roomSize', ROOM_SIZES.map((s) => s.value)) },
  { name: 'corridors', accepts: 'straight, twisty or very-twisty', ...choice('corridors', CORRIDORS.map((s) => s.value)) },
  { name: 'stairs', accepts: 'a number from 0 to 10', ...integer('stairs', 0, 10) },
  {
    name: 'no-number-rooms',
    flag: true,
    apply: (options) => {
      options.numberRooms = false;
      options.dressing = false;
    },
  },
  { name: 'no-dressing', ...flag('dressing', false) },
  { name: 'no-grid', ...flag('grid', false) },
  { name: 'river', ...flag('river', true) },
  { name: 'chasm', ...flag('chasm', true) },
  { name: 'no-background', ...flag('background', false) },
  { name: 'no-snap', ...flag('snap', false) },
  { name: 'concealed', accepts: 'a number from 0 to 20', ...integer('concealed', 0, 20) },
  { name: 'secret', accepts: 'a number from 0 to 20', ...integer('secret', 0, 20) },
  { name: 'no-corridor-stairs', ...flag('corridorStairs', false) },
  { name: 'dress-roll', accepts: 'a number from 1 to 6', ...integer('dressRoll', 1, 6) },
  { name: 'no-internal-dressing', ...flag('internalDressing', false) },
  { name: 'encounters', ...flag('encounters', true) },
  {
    name: 'title',
    field: 'title',
    accepts: 'any text',
    apply: (options, text) => {
      options.title = text;
      return true;
    },
  },
  {
    name: 'dead-ends',
    field: 'deadEnds',
    accepts: 'some, few or some,few',
    apply: (options, text) => {
      if (!Object.hasOwn(DEAD_ENDS, text)) return false;
      options.deadEnds = [...DEAD_ENDS[text]];
      return true;
    },
  },
  { name: 'player-map', ...flag('playerMap', true) },
  { name: 'px-per-grid', accepts: 'a number from 1 to 1000', ...integer('pxPerGrid', 1, 1000) },
];

// What a default looks like in a message.
function shownDefault(field) {
  const value = defaultOptions()[field];
  if (Array.isArray(value)) return value.length === 0 ? 'none' : value.join(',');
  return value === '' ? 'empty' : String(value);
}

// Splits a query into [name, value] pairs; value is null for a name without "=".
function queryPairs(query) {
  const text = query.startsWith('?') ? query.slice(1) : query;
  const decode = (part) => {
    try {
      return decodeURIComponent(part.replace(/\+/g, ' '));
    } catch {
      return part;
    }
  };
  return text
    .split('&')
    .filter((part) => part !== '')
    .map((part) => {
      const equals = part.indexOf('=');
      if (equals < 0) return [decode(part), null];
      return [decode(part.slice(0, equals)), decode(part.slice(equals + 1))];
    });
}

// The options a query describes, starting from the defaults, and one message per parameter
// that could not be used (that option keeps its default). A later parameter overrides an
// earlier one, as on the command line.
export function optionsFromQuery(query) {
  const options = defaultOptions();
  const messages = [];
  for (const [name, value] of queryPairs(query)) {
    const parameter = PARAMETERS.find((p) => p.name === name);
    if (!parameter) {
      messages.push(
        name === 'dressing-dir'
          ? 'The link\'s parameter "dressing-dir" has no use on the web: choose the dressing files on the page; it was ignored.'
          : `The link's parameter "${name}" is not a Delvora option; it was ignored.`,
      );
      continue;
    }
    if (parameter.flag) {
      if (value !== null && value !== '') {
        messages.push(`The link's parameter "${name}" takes no value, not "${value}"; it was ignored.`);
        continue;
      }
      parameter.apply(options);
      continue;
    }
    const given = value ?? '';
    if (!parameter.apply(options, given)) {
      // Even when an earlier parameter of the same name set it.
      options[parameter.field] = defaultOptions()[parameter.field];
      messages.push(
        `The link's parameter "${name}" accepts ${parameter.accepts}, not "${given}"; ` +
          `it keeps its default (${shownDefault(parameter.field)}).`,
      );
    }
  }
  return { options, messages };
}

// The query that reproduces options: the seed, then every option that differs from its
// default, under the command line's names.
export function queryFromOptions(options) {
  const defaults = defaultOptions();
  const parts = [`seed=${options.seed}`];
  // Commas stay readable: "dead-ends=some,few".
  const encode = (value) => encodeURIComponent(value).replace(/%2C/gi, ',');
  const add = (name, value) => parts.push(value === undefined ? name : `${name}=${encode(value)}`);
  if (options.mapSize !== defaults.mapSize) add('map-size', options.mapSize);
  if (options.iterations !== defaults.iterations) add('iterations', options.iterations);
  if (options.roomSize !== defaults.roomSize) add('room-size', options.roomSize);
  if (options.corridors !== defaults.corridors) add('corridors', options.corridors);
  if (options.stairs !== defaults.stairs) add('stairs', options.stairs);
  if (!options.numberRooms) add('no-number-rooms');
  else if (!options.dressing) add('no-dressing');
  if (!options.grid) add('no-grid');
  if (options.river) add('river');
  if (options.chasm) add('chasm');
  if (!options.background) add('no-background');
  if (!options.snap) add('no-snap');
  if (options.concealed !== defaults.concealed) add('concealed', options.concealed);
  if (options.secret !== defaults.secret) add('secret', options.secret);
  if (!options.corridorStairs) add('no-corridor-stairs');
  if (options.dressRoll !== defaults.dressRoll) add('dress-roll', options.dressRoll);
  if (!options.internalDressing) add('no-internal-dressing');
  if (options.encounters) add('encounters');
  if (options.title !== '') add('title', options.title);
  if (options.deadEnds.length > 0) add('dead-ends', options.deadEnds.join(','));
  if (options.playerMap) add('player-map');
  if (options.pxPerGrid !== defaults.pxPerGrid) add('px-per-grid', options.pxPerGrid);
  return '?' + parts.join('&');
}
