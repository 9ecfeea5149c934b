// The dressing files the user chose (file input or drag and drop). They are stored, under their
// own names, in a folder of the generator's in-memory file system, where the desktop's loader
// reads them: it matches the six names without regard to case.

export const DRESSING_FILE_NAMES = [
  'Descriptions.txt',
  'Sounds.txt',
  'Smells.txt',
  'Items.txt',
  'Traps.txt',
  'Treasure.txt',
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
    this.serial = 0;
    this.folder = '';

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

  // The folder "Generate" reads dressing files from ("" for none chosen).
  dir() {
    return this.folder;
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

  // Writes the files into a new folder, generates from it, then drops the old folder.
  store() {
    const old = this.folder;
    if (this.files.size === 0) {
      this.folder = '';
    } else {
      this.serial += 1;
      this.folder = `/dressing/${this.serial}`;
      for (const [name, bytes] of this.files) {
        if (!this.engine.storeFile(this.folder, name, bytes)) {
          this.messages.show('error', `Cannot store the dressing file ${name}.`, { group: 'dressing-files' });
        }
      }
    }
    this.render();
    this.changed();
    if (old !== '') this.engine.removeDir(old);
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
