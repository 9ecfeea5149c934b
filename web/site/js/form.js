// The options form: the controls of both option windows with their captions, defaults and
// ranges, the "Number Rooms" rule, the percentage fields' rules, and the download choices.

import {
  CORRIDORS,
  ITERATIONS,
  MAP_SIZES,
  MAX_SEED,
  ROOM_SIZES,
  SCALES,
  parseInteger,
} from './options.js';

function addOption(select, value, caption = String(value)) {
  const option = document.createElement('option');
  option.value = String(value);
  option.textContent = caption;
  select.append(option);
}

// Selects value in a list, adding it first when the list does not offer it (a link may ask for
// any value the command line accepts).
function selectValue(select, value) {
  if (![...select.options].some((o) => o.value === String(value))) addOption(select, value);
  select.value = String(value);
}

function radios(container, name, choices) {
  for (const { value, caption } of choices) {
    const label = document.createElement('label');
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = name;
    input.value = value;
    label.append(input, ` ${caption}`);
    container.append(label);
  }
}

export class OptionsForm {
  constructor(root) {
    const $ = (id) => root.getElementById(id);
    this.$ = $;
    MAP_SIZES.forEach((size) => addOption($('map-size'), size));
    ITERATIONS.forEach((count) => addOption($('iterations'), count));
    for (let n = 0; n <= 10; ++n) addOption($('stairs'), n);
    for (let n = 1; n <= 6; ++n) addOption($('dress-roll'), n);
    SCALES.forEach(({ value, caption }) => addOption($('px-per-grid'), value, caption));
    radios($('room-size'), 'room-size', ROOM_SIZES);
    radios($('corridors'), 'corridors', CORRIDORS);

    // "Dressing" is never on while "Number Rooms" is off.
    $('number-rooms').addEventListener('change', () => this.applyNumberRoomsRule());
    for (const id of ['concealed', 'secret']) this.percentField($(id));
    const seed = $('seed');
    seed.addEventListener('input', () => {
      const digits = seed.value.replace(/[^0-9]/g, '');
      if (digits !== seed.value) seed.value = digits;
      seed.setCustomValidity('');
    });
  }

  applyNumberRoomsRule() {
    const numberRooms = this.$('number-rooms').checked;
    const dressing = this.$('dressing');
    if (!numberRooms) dressing.checked = false;
    dressing.disabled = !numberRooms;
  }

  // Digits only, at most two; leaving the field makes empty 0 and anything above 20 20.
  percentField(input) {
    input.addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.metaKey || event.altKey || event.key.length !== 1) return;
      if (/[0-9]/.test(event.key)) return;
      event.preventDefault();
      input.classList.remove('refused');
      void input.offsetWidth;
      input.classList.add('refused');
    });
    input.addEventListener('input', () => {
      const digits = input.value.replace(/[^0-9]/g, '').slice(0, 2);
      if (digits !== input.value) input.value = digits;
    });
    input.addEventListener('change', () => this.settlePercent(input));
    input.addEventListener('blur', () => this.settlePercent(input));
  }

  settlePercent(input) {
    if (input.value === '') input.value = '0';
    else if (Number(input.value) > 20) input.value = '20';
    else input.value = String(Number(input.value));
  }

  setSeed(seed) {
    this.$('seed').value = String(seed);
  }

  write(options) {
    const $ = this.$;
    this.setSeed(options.seed);
    selectValue($('map-size'), options.mapSize);
    selectValue($('iterations'), options.iterations);
    selectValue($('stairs'), options.stairs);
    $('title').value = options.title;
    for (const input of document.querySelectorAll('input[name="room-size"]')) input.checked = input.value === options.roomSize;
    for (const input of document.querySelectorAll('input[name="corridors"]')) input.checked = input.value === options.corridors;
    $('number-rooms').checked = options.numberRooms;
    $('dressing').checked = options.dressing && options.numberRooms;
    $('grid').checked = options.grid;
    $('river').checked = options.river;
    $('chasm').checked = options.chasm;
    $('corridor-stairs').checked = options.corridorStairs;
    $('internal-dressing').checked = options.internalDressing;
    $('encounters').checked = options.encounters;
    $('snap').checked = options.snap;
    $('background').checked = options.background;
    selectValue($('dress-roll'), options.dressRoll);
    $('concealed').value = String(options.concealed);
    $('secret').value = String(options.secret);
    selectValue($('px-per-grid'), options.pxPerGrid);
    $('player-map').checked = options.playerMap;
    this.applyNumberRoomsRule();
    // Links that change an advanced option open that section, so the change is seen.
    const advanced = !options.corridorStairs || !options.internalDressing || options.encounters || !options.snap ||
      !options.background || options.dressRoll !== 1 || options.concealed !== 13 || options.secret !== 3;
    if (advanced) $('advanced').open = true;
  }

  // The generation options on screen, or null (with the seed field marked) when the seed is
  // not a number the random source takes.
  read() {
    const $ = this.$;
    const seed = parseInteger($('seed').value, 0, MAX_SEED);
    if (seed === null) {
      $('seed').setCustomValidity(`Random Seed accepts a number from 0 to ${MAX_SEED}`);
      $('seed').reportValidity();
      return null;
    }
    for (const id of ['concealed', 'secret']) this.settlePercent($(id));
    const checked = (name) => document.querySelector(`input[name="${name}"]:checked`).value;
    return {
      seed,
      mapSize: $('map-size').value,
      iterations: Number($('iterations').value),
      roomSize: checked('room-size'),
      corridors: checked('corridors'),
      stairs: Number($('stairs').value),
      numberRooms: $('number-rooms').checked,
      dressing: $('dressing').checked && $('number-rooms').checked,
      grid: $('grid').checked,
      river: $('river').checked,
      chasm: $('chasm').checked,
      title: $('title').value,
      corridorStairs: $('corridor-stairs').checked,
      internalDressing: $('internal-dressing').checked,
      encounters: $('encounters').checked,
      snap: $('snap').checked,
      background: $('background').checked,
      dressRoll: Number($('dress-roll').value),
      concealed: Number($('concealed').value),
      secret: Number($('secret').value),
      deadEnds: [],
    };
  }

  // How pictures are saved: pixels per grid square and whether for players.
  downloadOptions() {
    return { pxPerGrid: Number(this.$('px-per-grid').value), playerMap: this.$('player-map').checked };
  }

  onDownloadOptionsChange(handler) {
    this.$('px-per-grid').addEventListener('change', handler);
    this.$('player-map').addEventListener('change', handler);
  }

  // The legend strip: each caption with its swatch picture.
  renderLegend(container, items) {
    container.replaceChildren();
    for (const { caption, swatch } of items) {
      const item = document.createElement('span');
      item.className = 'legend-item';
      const canvas = document.createElement('canvas');
      canvas.width = swatch.width;
      canvas.height = swatch.height;
      canvas.getContext('2d').putImageData(swatch, 0, 0);
      item.append(caption, canvas);
      container.append(item);
    }
  }
}
