// The page: the options form, "Generate", the map with its hover read-out and its key, the
// dead-end clean-ups, downloads, printing, dressing files, the shareable link and offline use.
// For tests and scripts it exposes window.delvora (ready, dump, report, json, png).

import { Downloads } from './downloads.js';
import { DressingFiles } from './dressing_files.js';
import { dungeonKey, roomAt } from './dungeon_key.js';
import { Engine, dressingText } from './engine.js';
import { OptionsForm } from './form.js';
import { KeyPanel } from './key_panel.js';
import { MapView } from './map_view.js';
import { Messages } from './messages.js';
import { startOffline } from './offline.js';
import { OptionTable } from './options.js';
import { Panels, isNarrow } from './panels.js';
import { preparePrintSheet } from './print_sheet.js';
import { version } from './version.js';

const $ = (id) => document.getElementById(id);

let resolveReady;
let rejectReady;
const ready = new Promise((resolve, reject) => {
  resolveReady = resolve;
  rejectReady = reject;
});
// Whoever waits for it hears of a failure; the page itself shows it.
ready.catch(() => {});

const messages = new Messages($('messages'));
let table = null;
let form = null;
let engine = null;
let view = null;
let dressing = null;
let panels = null;
let keyPanel = null;
// The shown map: the form's values it was made with, its dead-end clean-ups, caption and
// whether it was dressed; its key once made.
let shown = null;
let key = null;
let keyTimer = 0;
let generation = 0;
// Where the time of the last "Generate" went, in milliseconds.
let timings = null;
// The level on screen, from 1, and how many the dungeon has.
let shownLevel = 1;
let levelCount = 0;

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

// The key of the shown map, made when first needed: after the map is on screen, or at once when
// a room is chosen before that.
function currentKey() {
  if (!key && shown) key = dungeonKey(JSON.parse(new TextDecoder().decode(engine.jsonBytes())), shownLevel - 1);
  return key;
}

function showKey() {
  clearTimeout(keyTimer);
  keyPanel.render(currentKey());
}

// The map changed: its key is made again once the new picture is on screen (when the key is
// shown; else when it is opened, or asked for).
function mapChanged() {
  key = null;
  clearTimeout(keyTimer);
  if (!panels.key.isOpen) return;
  requestAnimationFrame(() => {
    keyTimer = setTimeout(showKey, 0);
  });
}

function chooseOnMap(x, y) {
  const room = shown ? roomAt(currentKey(), x, y) : null;
  if (!room) {
    view.setMark(null);
    return;
  }
  panels.openKey();
  if (keyPanel.key !== key) showKey();
  keyPanel.showRoom(room.number);
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
  view.show(engine.picture());
  mapChanged();
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
  const generated = performance.now();
  messages.clear('generate');
  for (const text of result.messages) messages.show('error', text, { group: 'generate' });
  if (result.error !== '') {
    shown = null;
    key = null;
    keyPanel.render(null);
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
  const picture = engine.picture();
  const copied = performance.now();
  view.show(picture);
  const drawn = performance.now();
  for (const warning of engine.warnings()) messages.show('warning', warning, { group: 'generate' });
  showCaption();
  $('save-report').disabled = !result.dressing;
  updateDeadEndButtons();
  updateLink();
  mapChanged();
  showStatus(drawn - started);
  generation += 1;
  timings = {
    engine: generated - started,
    picture: copied - generated,
    draw: drawn - copied,
    total: performance.now() - started,
  };
  return true;
}

function runDeadEnds(mode) {
  if (!shown || shown.deadEnds.includes(mode)) return;
  engine.deadEnds(mode);
  shown.deadEnds.push(mode);
  view.show(engine.picture());
  mapChanged();
  updateDeadEndButtons();
  updateLink();
  showStatus();
}

function preparePrint() {
  if (!shown) return;
  preparePrintSheet(
    {
      mapCanvas: $('print-map'),
      captionLine: $('print-caption'),
      footerLine: $('print-footer'),
      keyPart: $('print-key'),
    },
    {
      picture: engine.picture(form.downloadOptions().playerMap),
      caption: $('map-caption').textContent,
      footer: engine.footer(new Date()),
      key: currentKey(),
    },
  );
}

async function copyLink() {
  if (!shown) return;
  const url = linkUrl();
  // The files chosen stay on this computer: say so, since the link alone gives other dressing.
  const note = dressing.chosen
    ? ' Your dressing files are not in it: whoever opens it gets the built-in dressing unless they choose the same files.'
    : '';
  try {
    await navigator.clipboard.writeText(url);
    messages.show('info', `Copied the link to this dungeon.${note}`, {
      group: 'copied',
      replace: true,
      timeoutMs: note ? 12000 : 4000,
    });
  } catch {
    window.prompt(`Copy this link:${note}`, url);
  }
}

function wire(downloads) {
  $('options').addEventListener('submit', () => {
    if (generate() && isNarrow()) panels.closeOptions();
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
  for (const kind of ['png', 'report', 'uvtt', 'foundry', 'json', 'svg', 'battle-map', 'all']) {
    $(`save-${kind}`).addEventListener('click', () => downloads.save(kind));
  }
  $('print').addEventListener('click', () => window.print());
  // The browser's own print command prints the same sheet.
  window.addEventListener('beforeprint', preparePrint);
  form.onDownloadOptionsChange(() => updateLink());
}

// Without the generator nothing on the page can work: every control is switched off, and the
// message says what to do in plain words (the browser's own error goes to the console).
function failedToStart(error) {
  console.error('Delvora: the generator could not be loaded:', error);
  const offline = navigator.onLine === false;
  const text = offline
    ? 'Delvora could not start: this browser is offline and has not kept Delvora from an earlier visit. Open the page once while online; after that it works offline.'
    : 'Delvora could not start: the dungeon generator did not load. Reload the page to try again; if that does not help, use a current version of Firefox, Chrome, Edge or Safari.';
  $('loading').textContent = 'Delvora could not start.';
  for (const control of document.querySelectorAll(
    'header button, header input, main button, aside button, aside input, aside select',
  )) {
    control.disabled = true;
  }
  messages.show('error', text);
  rejectReady(error);
}

async function start() {
  // Until the generator is there, "Generate" (or Enter in a field) must not send the form away.
  $('options').addEventListener('submit', (event) => event.preventDefault());
  try {
    engine = await Engine.load();
    performance.mark('delvora-engine-ready');
  } catch (error) {
    failedToStart(error);
    return;
  }
  table = new OptionTable(engine.optionRows());
  const scale = (tabletop) => engine.checkPicture(0, tabletop).pxPerGrid;
  form = new OptionsForm(document, table, { notGiven: () => `Default (${scale(false)}; exports ${scale(true)})` });
  const link = engine.readQuery(location.search);
  form.write(link.values);
  for (const text of link.messages) messages.show('error', text, { group: 'link' });
  panels = new Panels({
    optionsToggle: $('options-toggle'),
    optionsClose: $('options-close'),
    optionsPanel: $('options-panel'),
    backdrop: $('backdrop'),
    saveToggle: $('save-toggle'),
    saveMenu: $('save-menu'),
    keyToggle: $('key-toggle'),
    keyPanel: $('key-panel'),
    keyChanged: (open) => {
      if (open && keyPanel && shown && (key === null || keyPanel.key !== key)) showKey();
      if (!open) view?.setMark(null);
    },
  });
  keyPanel = new KeyPanel({
    list: $('key-list'),
    note: $('key-note'),
    onChoose: ({ pixels }) => view.setMark(pixels, { reveal: true }),
  });
  view = new MapView({
    scroller: $('scroller'),
    canvas: $('map'),
    mark: $('room-mark'),
    tooltip: $('tooltip'),
    zoomLabel: $('zoom-label'),
    // The read-out is shown only when the map was dressed.
    hoverAt: (x, y) => (shown && shown.dressing ? engine.hover(x, y) : null),
    onTap: chooseOnMap,
  });
  const downloads = new Downloads({
    engine,
    messages,
    shown: () => shown,
    options: () => form.downloadOptions(),
    // The battle map's settings from the toolbar; the style and hatching are the SVG's too.
    vectorOptions: () => ({
      square: $('square').value,
      paper: $('paper').value,
      style: $('style').value,
      hatching: $('hatching').checked,
    }),
    level: () => (levelCount > 1 ? shownLevel : 0),
    setBusy,
  });
  wire(downloads);
  dressing = new DressingFiles({
    engine,
    section: $('dressing-files'),
    input: $('dressing-input'),
    dropZone: $('drop-zone'),
    overlay: $('drop-overlay'),
    list: $('file-list'),
    forget: $('forget-files'),
    messages,
    changed: () => generate(shown ? shown.deadEnds : []),
  });
  form.renderLegend($('legend'), engine.legend());
  $('loading').remove();
  const deadEnds = link.values['dead-ends'];
  generate(deadEnds === table.row('dead-ends').default ? [] : deadEnds.split(','));
  // On a phone the whole width of the map is in view at first.
  if (isNarrow()) view.fit({ widthOnly: true });
  window.delvora.firstMapMs = performance.now();
  resolveReady();
  startOffline(messages);
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
  // Where the last "Generate" spent its time: { engine, picture, draw, total } in milliseconds.
  get timings() {
    return timings;
  },
};

start();
