// The page: the options form, "Generate", the map with its hover read-out, the dead-end
// clean-ups, downloads, printing, dressing files and the shareable link. For tests and
// scripts it exposes window.delvora (ready, dump, report, json, png).

import { DressingFiles } from './dressing_files.js';
import { Engine, dressingText } from './engine.js';
import { OptionsForm } from './form.js';
import { MapView } from './map_view.js';
import { Messages } from './messages.js';
import { OptionTable } from './options.js';
import { saveBytes } from './save.js';
import { version } from './version.js';

const $ = (id) => document.getElementById(id);

let resolveReady;
let rejectReady;
const ready = new Promise((resolve, reject) => {
  resolveReady = resolve;
  rejectReady = reject;
});

const messages = new Messages($('messages'));
let table = null;
let form = null;
let engine = null;
let view = null;
let dressing = null;
// The shown map: the form's values it was made with, its dead-end clean-ups, caption and
// whether it was dressed.
let shown = null;
let generation = 0;
// The level on screen, from 1, and how many the dungeon has.
let shownLevel = 1;
let levelCount = 0;

function baseName(values, playerMap) {
  const slug = values.title
    .normalize('NFKD')
    .replace(/[^A-Za-z0-9]+/g, '-')
    .replace(/^-+|-+$/g, '')
    .toLowerCase();
  return (slug || `delvora-${values.seed}`) + (playerMap ? '-players' : '');
}

// A per-level download's name: the level's number follows when there are several.
function levelName(values, playerMap) {
  return baseName(values, playerMap) + (levelCount > 1 ? `-level-${shownLevel}` : '');
}

function setBusy(busy) {
  document.body.classList.toggle('busy', busy);
}

function updateDeadEndButtons() {
  const done = shown ? shown.deadEnds : [];
  const some = done.includes('some');
  const few = done.includes('few');
  $('dead-lots').setAttribute('aria-pressed', String(done.length === 0));
  $('dead-some').setAttribute('aria-pressed', String(some && !few));
  $('dead-few').setAttribute('aria-pressed', String(few));
  // "Some" once, then "A Few" once; nothing after "A Few".
  const none = !shown;
  $('dead-lots').disabled = none || some || few;
  $('dead-some').disabled = none || some || few;
  $('dead-few').disabled = none || few;
}

// The address bar follows the shown map; it is updated after the map is on screen, since the
// browser takes a while to record a new address.
let linkTimer = 0;
function updateLink() {
  clearTimeout(linkTimer);
  linkTimer = setTimeout(writeLink, 0);
}

// The query of the form's values and the clean-ups run.
function queryOf(values, deadEnds) {
  return table.query({ ...values, 'dead-ends': deadEnds.length > 0 ? deadEnds.join(',') : undefined });
}

// The shortest query that reproduces the shown map and how pictures are saved.
function linkQuery() {
  return engine.readQuery(queryOf({ ...shown.values, ...form.pictureValues() }, shown.deadEnds)).query;
}

function writeLink() {
  if (!shown) return;
  const query = linkQuery();
  if (location.search !== query) history.replaceState(null, '', query + location.hash);
}

function linkUrl() {
  return location.origin + location.pathname + linkQuery();
}

function showStatus(timeMs) {
  const parts = [shown.values['map-size'], `seed ${shown.values.seed}`];
  if (levelCount > 1) parts.push(`level ${shownLevel} of ${levelCount}`);
  const caption = (word) => table.row('dead-ends').choices.find((choice) => choice.word === word).caption;
  if (shown.deadEnds.length > 0) parts.push(`dead ends: ${shown.deadEnds.map(caption).join(', ')}`);
  if (timeMs !== undefined) parts.push(`generated in ${timeMs.toFixed(1)} ms`);
  parts.push(`Delvora ${version}`);
  $('status').textContent = parts.join('  ·  ');
}

function drawMap() {
  view.show(engine.picture());
}

// The map's caption, naming the level shown when there are several.
function showCaption() {
  const caption = shown.caption + (levelCount > 1 ? ` - Level ${shownLevel}` : '');
  $('map-caption').textContent = caption;
  document.title = caption;
}

// One tab per level above the map, when there is more than one.
function renderLevelTabs() {
  const tabs = $('level-tabs');
  tabs.replaceChildren();
  tabs.hidden = levelCount <= 1;
  $('save-all').hidden = levelCount <= 1;
  for (let level = 1; level <= levelCount; ++level) {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.role = 'tab';
    tab.id = `level-tab-${level}`;
    tab.textContent = `Level ${level}`;
    tab.setAttribute('aria-selected', String(level === shownLevel));
    tab.addEventListener('click', () => showLevel(level));
    tabs.append(tab);
  }
}

function showLevel(level) {
  if (!shown || level < 1 || level > levelCount) return;
  shownLevel = level;
  engine.showLevel(level);
  drawMap();
  showCaption();
  for (const tab of $('level-tabs').children) {
    tab.setAttribute('aria-selected', String(tab.id === `level-tab-${level}`));
  }
  showStatus();
}

// "Generate" with the form's options; deadEnds are clean-ups to run after it (from a link).
function generate(deadEnds = []) {
  const values = form.read();
  if (values === null) return false;
  const started = performance.now();
  const result = engine.generate(queryOf(values, deadEnds));
  messages.clear('generate');
  for (const text of result.messages) messages.show('error', text, { group: 'generate' });
  if (result.error !== '') {
    shown = null;
    levelCount = 0;
    renderLevelTabs();
    updateDeadEndButtons();
    messages.show('error', result.error, { group: 'generate' });
    return false;
  }
  shown = { values, deadEnds: [...deadEnds], caption: result.caption, dressing: result.dressing };
  shownLevel = 1;
  levelCount = result.levels;
  renderLevelTabs();
  drawMap();
  const elapsed = performance.now() - started;
  for (const warning of engine.warnings()) messages.show('warning', warning, { group: 'generate' });
  showCaption();
  $('save-report').disabled = !result.dressing;
  updateDeadEndButtons();
  updateLink();
  showStatus(elapsed);
  generation += 1;
  return true;
}

function runDeadEnds(mode) {
  if (!shown || shown.deadEnds.includes(mode)) return;
  engine.deadEnds(mode);
  shown.deadEnds.push(mode);
  drawMap();
  updateDeadEndButtons();
  updateLink();
  showStatus();
}

// The battle map's settings from the toolbar; the style and hatching are the SVG's too.
function battleMapOptions() {
  return {
    square: $('square').value,
    paper: $('paper').value,
    style: $('style').value,
    hatching: $('hatching').checked,
  };
}

function save(kind) {
  if (!shown) return;
  const { pxPerGrid, playerMap } = form.downloadOptions();
  const name = levelName(shown.values, playerMap);
  setBusy(true);
  // Let the busy cursor show before a large picture is encoded.
  setTimeout(() => {
    try {
      if (kind === 'png') {
        saveBytes(engine.png(pxPerGrid, playerMap), `${name}.png`, 'image/png');
      } else if (kind === 'report') {
        saveBytes(engine.reportBytes(), `${baseName(shown.values, false)}.txt`, 'text/plain');
      } else if (kind === 'json') {
        saveBytes(engine.jsonBytes(), `${baseName(shown.values, false)}.json`, 'application/json');
      } else if (kind === 'uvtt') {
        const bytes = engine.uvtt(pxPerGrid, playerMap);
        if (bytes.length === 0) messages.show('error', 'The Universal VTT file could not be made.');
        else saveBytes(bytes, `${name}.dd2vtt`, 'application/json');
      } else if (kind === 'svg') {
        const { style, hatching } = battleMapOptions();
        saveBytes(engine.svg(style, hatching, playerMap), `${name}.svg`, 'image/svg+xml');
      } else if (kind === 'battle-map') {
        saveBytes(engine.battleMap(battleMapOptions(), playerMap), `${name}-battle-map.pdf`, 'application/pdf');
      } else if (kind === 'all') {
        const all = baseName(shown.values, playerMap);
        const bytes = engine.archive(pxPerGrid, playerMap, all);
        if (bytes.length === 0) messages.show('error', 'The archive could not be made.');
        else saveBytes(bytes, `${all}.zip`, 'application/zip');
      } else if (kind === 'foundry') {
        // Named apart from the map PNG, so that the picture the scene names is the one saved.
        const files = engine.foundry(pxPerGrid, playerMap, `${name}-scene`);
        if (files === null) {
          messages.show('error', 'The Foundry scene could not be made.');
        } else {
          saveBytes(files.scene, `${name}-scene.json`, 'application/json');
          saveBytes(files.image, `${name}-scene.png`, 'image/png');
        }
      }
    } finally {
      setBusy(false);
    }
  }, 0);
}

// The print sheet: the caption, the map across the middle 80 % of the page and the settings
// footer with the time of printing.
function preparePrint() {
  if (!shown) return;
  const picture = engine.picture(form.downloadOptions().playerMap);
  const canvas = $('print-map');
  canvas.width = picture.width;
  canvas.height = picture.height;
  canvas.getContext('2d').putImageData(picture, 0, 0);
  $('print-caption').textContent = $('map-caption').textContent;
  $('print-footer').textContent = engine.footer(new Date());
}

async function copyLink() {
  if (!shown) return;
  const url = linkUrl();
  try {
    await navigator.clipboard.writeText(url);
    messages.show('info', 'Copied the link to this dungeon.', { group: 'copied', replace: true, timeoutMs: 4000 });
  } catch {
    window.prompt('Copy this link:', url);
  }
}

function wire() {
  $('options').addEventListener('submit', (event) => {
    event.preventDefault();
    generate();
  });
  $('reroll').addEventListener('click', () => {
    form.setSeed(crypto.getRandomValues(new Uint32Array(1))[0]);
    generate();
  });
  $('copy-link').addEventListener('click', copyLink);
  $('dead-lots').addEventListener('click', () => updateDeadEndButtons());
  $('dead-some').addEventListener('click', () => runDeadEnds('some'));
  $('dead-few').addEventListener('click', () => runDeadEnds('few'));
  $('zoom-in').addEventListener('click', () => view.stepZoom(1));
  $('zoom-out').addEventListener('click', () => view.stepZoom(-1));
  $('zoom-reset').addEventListener('click', () => view.setZoom(1));
  $('zoom-fit').addEventListener('click', () => view.fit());
  $('save-png').addEventListener('click', () => save('png'));
  $('save-report').addEventListener('click', () => save('report'));
  $('save-uvtt').addEventListener('click', () => save('uvtt'));
  $('save-foundry').addEventListener('click', () => save('foundry'));
  $('save-json').addEventListener('click', () => save('json'));
  $('save-svg').addEventListener('click', () => save('svg'));
  $('save-battle-map').addEventListener('click', () => save('battle-map'));
  $('save-all').addEventListener('click', () => save('all'));
  $('print').addEventListener('click', () => window.print());
  // The browser's own print command prints the same sheet.
  window.addEventListener('beforeprint', preparePrint);
  form.onDownloadOptionsChange(() => updateLink());
}

async function start() {
  try {
    engine = await Engine.load();
    performance.mark('delvora-engine-ready');
  } catch (error) {
    $('loading').textContent = 'The generator could not be loaded.';
    messages.show('error', `The generator could not be loaded: ${error.message ?? error}`);
    rejectReady(error);
    return;
  }
  table = new OptionTable(engine.optionRows());
  form = new OptionsForm(document, table);
  const link = engine.readQuery(location.search);
  form.write(link.values);
  for (const text of link.messages) messages.show('error', text, { group: 'link' });
  wire();
  view = new MapView({
    scroller: $('scroller'),
    canvas: $('map'),
    tooltip: $('tooltip'),
    zoomLabel: $('zoom-label'),
    // The read-out is shown only when the map was dressed.
    hoverAt: (x, y) => (shown && shown.dressing ? engine.hover(x, y) : null),
  });
  dressing = new DressingFiles({
    engine,
    input: $('dressing-input'),
    dropZone: $('drop-zone'),
    list: $('file-list'),
    forget: $('forget-files'),
    messages,
    changed: () => generate(shown ? shown.deadEnds : []),
  });
  form.renderLegend($('legend'), engine.legend());
  $('loading').remove();
  const deadEnds = link.values['dead-ends'];
  generate(deadEnds === table.row('dead-ends').default ? [] : deadEnds.split(','));
  window.delvora.firstMapMs = performance.now();
  resolveReady();
}

window.delvora = {
  ready,
  // The model lists, as delvora-cli --dump - prints them.
  dump: () => engine.dump(),
  // The dressing report as text, and its bytes (CR LF) as delvora-cli --report writes them.
  report: () => dressingText(engine.reportBytes()),
  reportBytes: () => engine.reportBytes(),
  // The dungeon as documented JSON text, as delvora-cli --export-json writes it.
  json: () => new TextDecoder().decode(engine.jsonBytes()),
  // The map PNG as delvora-cli -o writes it (optionally scaled, or for players).
  png: (pxPerGrid = 16, playerMap = false) => engine.png(pxPerGrid, playerMap),
  // The levels: how many, and showing one (from 1) as its tab does.
  levelCount: () => levelCount,
  showLevel: (level) => showLevel(level),
  // How many maps were generated since the page loaded.
  get generation() {
    return generation;
  },
};

start();
