// The dressing files the user chose (file input or drag and drop). The generator holds them
// under their own names and matches the seven names without regard to case, as it does in a
// folder.

export const DRESSING_FILE_NAMES = [
  'Descriptions.txt',
  'Sounds.txt',
  'Smells.txt',
  'Items.txt',
  'Traps.txt',
  'Treasure.txt',
  'Encounters.txt',
];

function tableOf(fileName) {
  return DRESSING_FILE_NAMES.findIndex((name) => name.toLowerCase() === fileName.toLowerCase());
}

// Entries in a file as the loader counts them, roughly: non-blank lines that are not comments.
function countEntries(bytes) {
  const text = new TextDecoder('latin1').decode(bytes);
  return text.split(/\r\n|\r|\n/).filter((line) => line.trim() !== '' && !line.trim().startsWith('/*')).length;
}

export class DressingFiles {
  // changed() runs after the chosen files changed (the page generates again then).
  constructor({ engine, input, dropZone, list, forget, messages, changed }) {
    this.engine = engine;
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
    for (const type of ['dragenter', 'dragover']) {
      dropZone.addEventListener(type, (event) => {
        event.preventDefault();
        dropZone.classList.add('dragging');
      });
    }
    for (const type of ['dragleave', 'drop']) {
      dropZone.addEventListener(type, () => dropZone.classList.remove('dragging'));
    }
    dropZone.addEventListener('drop', (event) => {
      event.preventDefault();
      this.add([...event.dataTransfer.files]);
    });
    forget.addEventListener('click', () => {
      this.files.clear();
      this.store();
    });
    this.render();
  }

  async add(chosen) {
    const ignored = [];
    for (const file of chosen) {
      if (tableOf(file.name) < 0) {
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
    DRESSING_FILE_NAMES.forEach((tableName, table) => {
      const item = document.createElement('li');
      const chosen = [...this.files.keys()].filter((name) => tableOf(name) === table);
      const name = document.createElement('span');
      name.className = 'file-table';
      name.textContent = tableName.replace('.txt', '');
      const state = document.createElement('span');
      state.className = 'file-state';
      if (chosen.length === 0) {
        state.textContent = 'built-in';
      } else {
        // The loader takes the exact name first, then the first in byte order.
        const used = chosen.includes(tableName) ? tableName : [...chosen].sort()[0];
        state.textContent = `${used} · ${countEntries(this.files.get(used))} entries`;
        item.classList.add('loaded');
      }
      item.append(name, state);
      this.list.append(item);
    });
    this.forget.hidden = this.files.size === 0;
  }
}
