// The dressing files the user chose (file input, or dropped anywhere on the page). The generator
// holds them under their own names and matches the seven names without regard to case, as it does
// in a folder; what it will read of them (which file a table takes, its entries) comes from it.

export const DRESSING_FILE_NAMES = [
  'Descriptions.txt',
  'Sounds.txt',
  'Smells.txt',
  'Items.txt',
  'Traps.txt',
  'Treasure.txt',
  'Encounters.txt',
];

function isDressingFileName(fileName) {
  return DRESSING_FILE_NAMES.some((name) => name.toLowerCase() === fileName.toLowerCase());
}

// Whether a drag carries files (and not text or a link from another page).
function carriesFiles(event) {
  return [...(event.dataTransfer?.types ?? [])].includes('Files');
}

function entriesText({ entries, empty }) {
  const count = entries === 1 ? '1 entry' : `${entries} entries`;
  if (empty === 0) return count;
  return `${count}, ${empty} of them empty (blank lines)`;
}

export class DressingFiles {
  // section: the "Dressing Files" section (opened when files are dropped); overlay: shown while
  // files are dragged over the page; changed() runs after the chosen files changed (the page
  // generates again then).
  constructor({ engine, section, input, dropZone, overlay, list, forget, messages, changed }) {
    this.engine = engine;
    this.section = section;
    this.list = list;
    this.forget = forget;
    this.messages = messages;
    this.changed = changed;
    // File name -> bytes, in the order chosen.
    this.files = new Map();

    input.addEventListener('change', async () => {
      await this.add([...input.files]);
      input.value = '';
    });
    this.catchDrops(dropZone, overlay);
    forget.addEventListener('click', () => {
      this.files.clear();
      this.store();
    });
    this.render();
  }

  // Files dropped anywhere on the page are dressing files: the browser would otherwise leave the
  // page to show them. Drops of text keep working in text fields.
  catchDrops(dropZone, overlay) {
    let depth = 0;
    const show = (shown) => {
      overlay.hidden = !shown;
      dropZone.classList.toggle('dragging', shown);
    };
    document.addEventListener('dragenter', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      depth += 1;
      show(true);
    });
    document.addEventListener('dragover', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = 'copy';
    });
    document.addEventListener('dragleave', (event) => {
      if (!carriesFiles(event)) return;
      depth = Math.max(0, depth - 1);
      if (depth === 0) show(false);
    });
    document.addEventListener('drop', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      depth = 0;
      show(false);
      this.section.open = true;
      this.add([...event.dataTransfer.files]);
    });
  }

  // Whether any dressing file is chosen.
  get chosen() {
    return this.files.size > 0;
  }

  async add(chosen) {
    const ignored = [];
    for (const file of chosen) {
      if (!isDressingFileName(file.name)) {
        ignored.push(file.name);
        continue;
      }
      this.files.set(file.name, new Uint8Array(await file.arrayBuffer()));
    }
    this.messages.clear('dressing-files');
    if (ignored.length > 0) {
      this.messages.show(
        'warning',
        `Not a dressing file name: ${ignored.join(', ')}. The names are ${DRESSING_FILE_NAMES.join(', ')} (any letter case).`,
        { group: 'dressing-files' },
      );
    }
    if (chosen.length > ignored.length) this.store();
  }

  // Hands the files to the generator, then generates from them.
  store() {
    this.engine.setDressingFiles([...this.files]);
    this.render();
    this.changed();
  }

  render() {
    this.list.replaceChildren();
    for (const table of this.engine.dressingFiles()) {
      const item = document.createElement('li');
      const name = document.createElement('span');
      name.className = 'file-table';
      name.textContent = table.table.replace('.txt', '');
      const state = document.createElement('span');
      state.className = 'file-state';
      if (table.file === '') {
        state.textContent = 'built-in';
      } else {
        state.textContent = `${table.file} · ${entriesText(table)}`;
        item.classList.add('loaded');
      }
      item.append(name, state);
      this.list.append(item);
    }
    this.forget.hidden = this.files.size === 0;
  }
}
