// The options form, built from the option table: each option the page offers gets the control
// its window shows (a list, radio buttons, a check box, a number or a text field) with the
// window's caption, the table's choices and range, and the help as its tooltip. Options of the
// options window go to the sidebar, those of the advanced window under "Advanced Options", the
// rest (how pictures are saved) to the toolbar. The form keeps the "Number Rooms" rule and the
// number fields' rules.

import { captionIsOpposite } from './options.js';

function element(tag, properties = {}, ...children) {
  const node = document.createElement(tag);
  Object.assign(node, properties);
  node.append(...children);
  return node;
}

function addOption(select, value, caption = String(value)) {
  select.append(element('option', { value: String(value), textContent: caption }));
}

// Selects value in a list, adding it first when the list does not offer it (a link may ask for
// any value the command line accepts).
function selectValue(select, value) {
  if (![...select.options].some((o) => o.value === String(value))) addOption(select, value);
  select.value = String(value);
}

// A choice whose words have captions of their own is a set of radio buttons; else a list.
function choiceAsRadios(row) {
  return row.choices.some((choice) => choice.caption !== choice.word);
}

// What an integer's list offers: the values the table names, or a short range whole; null for a
// number field.
function listedValues(row) {
  if (row.offered.length > 0) {
    return row.offered.map(({ value, note }) => ({ value, caption: note ? `${value} (${note})` : String(value) }));
  }
  if (row.high - row.low > 11) return null;
  const values = [];
  for (let n = row.low; n <= row.high; ++n) values.push({ value: n, caption: String(n) });
  return values;
}

// A caption holding "..." has the control in its place: "Add dressing on a roll of a ... or below".
function captioned(control, caption, className) {
  const [before, after] = caption.split('...');
  if (after !== undefined) {
    return element('label', { className: 'inline-field' }, before.trimEnd() + ' ', control, ' ' + after.trimStart());
  }
  return element('label', { className }, element('span', { textContent: caption }), control);
}

export class OptionsForm {
  // notGiven(row) gives the caption of the entry an option's list offers for "not given", for an
  // option whose default is no value of its own (--px-per-grid: each picture its own).
  constructor(root, table, { notGiven = (row) => row.defaultText } = {}) {
    this.notGiven = notGiven;
    const $ = (id) => root.getElementById(id);
    this.$ = $;
    this.table = table;
    this.numberFields = [];
    for (const row of table.rows) this.addControl(row);

    // "Dressing" is never on while "Number Rooms" is off.
    $('no-number-rooms').addEventListener('change', () => this.applyNumberRoomsRule());
    const seed = $('seed');
    $('seed-caption').textContent = table.row('seed').caption;
    seed.maxLength = String(table.row('seed').high).length;
    seed.addEventListener('input', () => {
      const digits = seed.value.replace(/[^0-9]/g, '');
      if (digits !== seed.value) seed.value = digits;
      seed.setCustomValidity('');
    });
  }

  // The control of one option, in the part of the page its window stands for.
  addControl(row) {
    if (row.name === 'seed') return;
    const $ = this.$;
    const advanced = row.window === 'advanced';
    const where = { options: 'misc-options', advanced: 'advanced-flags', '': 'picture-options' };
    if (row.kind === 'flag') {
      const box = element('input', { type: 'checkbox', id: row.name });
      const label = element('label', { title: row.help }, box, ` ${row.caption}`);
      $(where[row.window]).append(label);
      return;
    }
    // The dead-end clean-ups are the toolbar's own buttons.
    if (row.name === 'dead-ends') return;
    const fields = row.window === '' ? 'picture-options' : advanced ? 'advanced-fields' : 'map-fields';
    if (row.kind === 'choice' && choiceAsRadios(row)) {
      const choices = element('div', { className: 'choices', id: row.name });
      for (const { word, caption } of row.choices) {
        const input = element('input', { type: 'radio', name: row.name, value: word });
        choices.append(element('label', {}, input, ` ${caption}`));
      }
      $('choice-groups').append(
        element(
          'fieldset',
          { className: 'group', title: row.help },
          element('legend', { textContent: row.caption }),
          choices,
        ),
      );
      return;
    }
    let control;
    if (row.kind === 'choice') {
      control = element('select', { id: row.name, name: row.name });
      for (const { word, caption } of row.choices) addOption(control, word, caption);
    } else if (row.kind === 'integer' && listedValues(row) !== null) {
      control = element('select', { id: row.name, name: row.name });
      if (row.default === '') addOption(control, '', this.notGiven(row));
      for (const { value, caption } of listedValues(row)) addOption(control, value, caption);
    } else if (row.kind === 'integer') {
      control = element('input', {
        id: row.name,
        type: 'number',
        inputMode: 'numeric',
        min: row.low,
        max: row.high,
        step: 1,
      });
      control.maxLength = String(row.high).length;
      this.numberField(control, row);
    } else {
      control = element('input', { id: row.name, name: row.name });
    }
    control.title = row.help;
    const className = row.kind === 'integer' && advanced && control.tagName === 'INPUT' ? 'field percent' : 'field';
    $(fields).append(
      row.window === '' ? element('label', {}, `${row.caption} `, control) : captioned(control, row.caption, className),
    );
  }

  applyNumberRoomsRule() {
    const numberRooms = this.$('no-number-rooms').checked;
    const dressing = this.$('no-dressing');
    if (!numberRooms) dressing.checked = false;
    dressing.disabled = !numberRooms;
  }

  // Digits only, at most as many as the highest value has; leaving the field makes empty the
  // lowest value and anything above the highest the highest.
  numberField(input, row) {
    this.numberFields.push({ input, row });
    input.addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.metaKey || event.altKey || event.key.length !== 1) return;
      if (/[0-9]/.test(event.key)) return;
      event.preventDefault();
      input.classList.remove('refused');
      void input.offsetWidth;
      input.classList.add('refused');
    });
    input.addEventListener('input', () => {
      const digits = input.value.replace(/[^0-9]/g, '').slice(0, input.maxLength);
      if (digits !== input.value) input.value = digits;
    });
    const settle = () => this.settleNumber(input, row);
    input.addEventListener('change', settle);
    input.addEventListener('blur', settle);
  }

  settleNumber(input, row) {
    if (input.value === '') input.value = String(row.low);
    else if (Number(input.value) > row.high) input.value = String(row.high);
    else input.value = String(Math.max(row.low, Number(input.value)));
  }

  setSeed(seed) {
    this.$('seed').value = String(seed);
  }

  // Shows the values (texts as dv_read_query gives them).
  write(values) {
    const $ = this.$;
    for (const row of this.table.rows) {
      const value = values[row.name];
      if (value === undefined) continue;
      const control = $(row.name);
      if (row.kind === 'flag') {
        control.checked = captionIsOpposite(row) ? value === 'off' : value === 'on';
      } else if (control === null) {
        continue;
      } else if (control.tagName === 'SELECT') {
        selectValue(control, value);
      } else if (control.tagName === 'DIV') {
        for (const input of control.querySelectorAll('input')) input.checked = input.value === value;
      } else {
        control.value = value;
      }
    }
    this.applyNumberRoomsRule();
    // Links that change an advanced option open that section, so the change is seen.
    const defaults = this.table.defaults();
    if (this.table.rows.some((row) => row.window === 'advanced' && values[row.name] !== defaults[row.name])) {
      $('advanced').open = true;
    }
  }

  // The values on screen, or null (with the seed field marked) when the seed is not one the
  // generator takes.
  read() {
    const $ = this.$;
    const seedRow = this.table.row('seed');
    const seed = $('seed').value;
    if (!/^[0-9]+$/.test(seed) || Number(seed) > seedRow.high) {
      $('seed').setCustomValidity(`${seedRow.caption} accepts ${seedRow.accepts}`);
      $('seed').reportValidity();
      return null;
    }
    for (const { input, row } of this.numberFields) this.settleNumber(input, row);
    return { seed, ...this.values(() => true) };
  }

  // The values of the options that pass filter and have a control (the seed is read apart).
  values(filter) {
    const values = {};
    for (const row of this.table.rows) {
      const control = this.$(row.name);
      if (row.name === 'seed' || control === null || !filter(row)) continue;
      if (row.kind === 'flag') {
        values[row.name] = control.checked !== captionIsOpposite(row) ? 'on' : 'off';
      } else if (control.tagName === 'DIV') {
        values[row.name] = control.querySelector('input:checked').value;
      } else {
        values[row.name] = control.value;
      }
    }
    return values;
  }

  // The values of the toolbar's options: how pictures are saved.
  pictureValues() {
    return this.values((row) => row.window === '');
  }

  // How pictures are saved: pixels per grid square (0 when not given) and whether for players.
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
